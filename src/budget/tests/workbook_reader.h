#pragma once
// Reads back a workbook the program wrote, for tests: the file is a zip archive of XML parts,
// unpacked here with zlib; the cells of the first sheet come with their shared strings resolved
// and their number formats named. Just enough of both formats for the files this program writes.

#include <zlib.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <stdexcept>
#include <string>
#include <vector>

namespace coinwell::budget::workbook_reading {

inline std::uint32_t littleEndian(const std::string& bytes, std::size_t at, int size) {
    if (at + static_cast<std::size_t>(size) > bytes.size()) {
        throw std::runtime_error("zip: truncated");
    }
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) {
        value = value << 8 | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    }
    return value;
}

inline std::string inflateRaw(const std::string& packed, std::size_t size) {
    std::string out(size, '\0');
    z_stream stream{};
    if (inflateInit2(&stream, -MAX_WBITS) != Z_OK) {
        throw std::runtime_error("zip: inflateInit2");
    }
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(packed.data()));
    stream.avail_in = static_cast<uInt>(packed.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = static_cast<uInt>(out.size());
    const int result = inflate(&stream, Z_FINISH);
    inflateEnd(&stream);
    if (result != Z_STREAM_END || stream.total_out != size) {
        throw std::runtime_error("zip: bad deflate data");
    }
    return out;
}

// Every entry of a zip archive by name, unpacked (stored or deflated entries).
inline std::map<std::string, std::string> zipEntries(const std::string& zip) {
    const std::size_t end = zip.rfind(std::string("PK\x05\x06", 4));
    if (end == std::string::npos) {
        throw std::runtime_error("zip: no end of central directory");
    }
    const std::uint32_t count = littleEndian(zip, end + 10, 2);
    std::size_t at = littleEndian(zip, end + 16, 4);
    std::map<std::string, std::string> entries;
    for (std::uint32_t i = 0; i < count; ++i) {
        if (littleEndian(zip, at, 4) != 0x02014b50) {
            throw std::runtime_error("zip: bad central directory");
        }
        const std::uint32_t method = littleEndian(zip, at + 10, 2);
        const std::uint32_t packedSize = littleEndian(zip, at + 20, 4);
        const std::uint32_t size = littleEndian(zip, at + 24, 4);
        const std::uint32_t nameLength = littleEndian(zip, at + 28, 2);
        const std::uint32_t extraLength = littleEndian(zip, at + 30, 2);
        const std::uint32_t commentLength = littleEndian(zip, at + 32, 2);
        const std::uint32_t local = littleEndian(zip, at + 42, 4);
        const std::string name = zip.substr(at + 46, nameLength);
        if (littleEndian(zip, local, 4) != 0x04034b50) {
            throw std::runtime_error("zip: bad local header");
        }
        const std::size_t data =
            local + 30 + littleEndian(zip, local + 26, 2) + littleEndian(zip, local + 28, 2);
        const std::string packed = zip.substr(data, packedSize);
        if (method == 0) {
            entries[name] = packed;
        } else if (method == 8) {
            entries[name] = inflateRaw(packed, size);
        } else {
            throw std::runtime_error("zip: unknown method");
        }
        at += 46 + nameLength + extraLength + commentLength;
    }
    return entries;
}

inline std::string unescapeXml(std::string text) {
    static const std::pair<const char*, const char*> kEntities[] = {
        {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&apos;", "'"}, {"&amp;", "&"}};
    for (const auto& [entity, character] : kEntities) {
        for (std::size_t at = text.find(entity); at != std::string::npos;
             at = text.find(entity, at + 1)) {
            text.replace(at, std::char_traits<char>::length(entity), character);
        }
    }
    return text;
}

// The value of attribute name in the text of an element's attributes; empty when absent.
inline std::string attribute(const std::string& attributes, const std::string& name) {
    std::smatch found;
    if (std::regex_search(attributes, found, std::regex("(^|\\s)" + name + "=\"([^\"]*)\""))) {
        return unescapeXml(found[2]);
    }
    return {};
}

struct ReadCell {
    // "n" a number, "s" a (shared) string, "str" a formula's text result.
    std::string type;
    // The string, or the number as written.
    std::string value;
    // The formula without "=", empty for a plain value.
    std::string formula;
    std::string numberFormat;
    bool bold = false;

    double number() const { return std::stod(value); }
};

struct ReadWorkbook {
    std::map<std::string, std::string> parts;
    std::map<std::string, ReadCell> cells;  // by name, "A1"

    bool has(const std::string& cell) const { return cells.count(cell) != 0; }
    const ReadCell& at(const std::string& cell) const {
        const auto found = cells.find(cell);
        if (found == cells.end()) {
            throw std::runtime_error("no cell " + cell);
        }
        return found->second;
    }
    const std::string& part(const std::string& name) const {
        const auto found = parts.find(name);
        if (found == parts.end()) {
            throw std::runtime_error("no part " + name);
        }
        return found->second;
    }
};

inline std::string builtInFormat(int id) {
    switch (id) {
        case 0:
            return "General";
        case 2:
            return "0.00";
        case 4:
            return "#,##0.00";
        default:
            return "builtin " + std::to_string(id);
    }
}

inline ReadWorkbook readWorkbook(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    ReadWorkbook book;
    book.parts = zipEntries(std::string(std::istreambuf_iterator<char>(file), {}));

    std::vector<std::string> strings;
    if (book.parts.count("xl/sharedStrings.xml") != 0) {
        const std::string& xml = book.parts.at("xl/sharedStrings.xml");
        const std::regex item("<si>\\s*<t[^>]*>([^<]*)</t>\\s*</si>");
        for (auto it = std::sregex_iterator(xml.begin(), xml.end(), item);
             it != std::sregex_iterator(); ++it) {
            strings.push_back(unescapeXml((*it)[1]));
        }
    }

    // Cell styles in order: their number formats and whether their font is bold.
    const std::string& styles = book.part("xl/styles.xml");
    std::map<std::string, std::string> customFormats;
    const std::regex numFmt("<numFmt ([^>]*)/>");
    for (auto it = std::sregex_iterator(styles.begin(), styles.end(), numFmt);
         it != std::sregex_iterator(); ++it) {
        customFormats[attribute((*it)[1], "numFmtId")] = attribute((*it)[1], "formatCode");
    }
    std::vector<bool> boldFonts;
    const std::size_t fontsStart = styles.find("<fonts");
    const std::size_t fontsEnd = styles.find("</fonts>");
    const std::string fonts = styles.substr(fontsStart, fontsEnd - fontsStart);
    const std::regex font("<font>(.*?)</font>");
    for (auto it = std::sregex_iterator(fonts.begin(), fonts.end(), font);
         it != std::sregex_iterator(); ++it) {
        boldFonts.push_back((*it)[1].str().find("<b/>") != std::string::npos);
    }
    std::vector<std::pair<std::string, bool>> cellStyles;
    const std::size_t xfsStart = styles.find("<cellXfs");
    const std::size_t xfsEnd = styles.find("</cellXfs>");
    const std::string xfs = styles.substr(xfsStart, xfsEnd - xfsStart);
    const std::regex xf("<xf ([^>]*?)/?>");
    for (auto it = std::sregex_iterator(xfs.begin(), xfs.end(), xf); it != std::sregex_iterator();
         ++it) {
        const std::string id = attribute((*it)[1], "numFmtId");
        const auto custom = customFormats.find(id);
        const auto fontIndex = static_cast<std::size_t>(std::stoi(attribute((*it)[1], "fontId")));
        cellStyles.emplace_back(
            custom != customFormats.end() ? custom->second : builtInFormat(std::stoi(id)),
            fontIndex < boldFonts.size() && boldFonts[fontIndex]);
    }

    const std::string& sheet = book.part("xl/worksheets/sheet1.xml");
    const std::regex cell("<c ([^>]*?)(/>|>(.*?)</c>)");
    const std::regex formula("<f>([^<]*)</f>");
    const std::regex value("<v>([^<]*)</v>");
    for (auto it = std::sregex_iterator(sheet.begin(), sheet.end(), cell);
         it != std::sregex_iterator(); ++it) {
        const std::string attributes = (*it)[1];
        const std::string content = (*it)[3];
        ReadCell read;
        read.type = attribute(attributes, "t");
        if (read.type.empty()) {
            read.type = "n";
        }
        std::smatch found;
        if (std::regex_search(content, found, formula)) {
            read.formula = unescapeXml(found[1]);
        }
        if (std::regex_search(content, found, value)) {
            read.value = unescapeXml(found[1]);
        }
        if (read.type == "s") {
            read.value = strings.at(static_cast<std::size_t>(std::stoi(read.value)));
        }
        const std::string style = attribute(attributes, "s");
        const auto& [format, bold] = cellStyles.at(style.empty() ? 0 : std::stoul(style));
        read.numberFormat = format;
        read.bold = bold;
        book.cells[attribute(attributes, "r")] = read;
    }
    return book;
}

}  // namespace coinwell::budget::workbook_reading
