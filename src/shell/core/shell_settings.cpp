#include "shell/core/shell_settings.h"

#include <cstdint>
#include <fstream>
#include <optional>
#include <vector>

// TEMPORARY record access until the shared settings-file routines are in: replace with them.
namespace coinwell::shell {

namespace {

constexpr int kColorFileRecordLength = 20;
constexpr int kBackgroundRecordLength = 10;
constexpr int kNameRecordLength = 40;

std::vector<char> readRecord(const std::string& file, int length, int record) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        std::ofstream create(file, std::ios::binary | std::ios::app);
        return {};
    }
    in.seekg(static_cast<std::streamoff>(record - 1) * length);
    std::vector<char> bytes(static_cast<std::size_t>(length));
    in.read(bytes.data(), length);
    bytes.resize(static_cast<std::size_t>(std::max<std::streamsize>(0, in.gcount())));
    return bytes;
}

void writeRecord(const std::string& file, int length, int record, const std::vector<char>& data) {
    if (static_cast<int>(data.size()) > length) {
        return;
    }
    { std::ofstream create(file, std::ios::binary | std::ios::app); }
    std::fstream out(file, std::ios::binary | std::ios::in | std::ios::out);
    if (!out) {
        return;
    }
    out.seekp(static_cast<std::streamoff>(record - 1) * length);
    out.write(data.data(), static_cast<std::streamsize>(data.size()));
}

int u16(const std::vector<char>& b, std::size_t at) {
    if (b.size() < at + 2) {
        return -1;
    }
    return static_cast<unsigned char>(b[at]) | (static_cast<unsigned char>(b[at + 1]) << 8);
}

std::string readText(const std::string& file, int length, int record) {
    const auto b = readRecord(file, length, record);
    const int n = u16(b, 0);
    if (n <= 0 || b.size() < static_cast<std::size_t>(2 + n)) {
        return {};
    }
    return std::string(b.begin() + 2, b.begin() + 2 + n);
}

void writeText(const std::string& file, int length, int record, std::string_view text) {
    std::vector<char> b;
    b.push_back(static_cast<char>(text.size() & 0xFF));
    b.push_back(static_cast<char>((text.size() >> 8) & 0xFF));
    b.insert(b.end(), text.begin(), text.end());
    writeRecord(file, length, record, b);
}

int readInteger(const std::string& file, int length, int record) {
    const auto b = readRecord(file, length, record);
    const int v = u16(b, 0);
    return v < 0 ? 0 : static_cast<std::int16_t>(v);
}

void writeInteger(const std::string& file, int length, int record, int value) {
    const auto v = static_cast<std::uint16_t>(static_cast<std::int16_t>(value));
    writeRecord(file, length, record, {static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)});
}

}  // namespace

std::string readPanelColorRecord(const PanelColorRecord& record) {
    return readText(record.file, kColorFileRecordLength, record.record);
}

void writePanelColorRecord(const PanelColorRecord& record, std::string_view text) {
    writeText(record.file, kColorFileRecordLength, record.record, text);
}

DisplayRecords readDisplayRecords() {
    DisplayRecords r;
    r.mode = readText("GColor3.Fil", kColorFileRecordLength, 35);
    r.height = readInteger("GColor3.Fil", kColorFileRecordLength, 36);
    r.width = readInteger("GColor3.Fil", kColorFileRecordLength, 37);
    return r;
}

void writeDisplayModeRecord(std::string_view text) {
    writeText("GColor3.Fil", kColorFileRecordLength, 35, text);
}

void writeStoredSize(int height, int width) {
    writeInteger("GColor3.Fil", kColorFileRecordLength, 36, height);
    writeInteger("GColor3.Fil", kColorFileRecordLength, 37, width);
}

void readAppearance(RunSettings& settings) {
    settings.familyName = readText("HINVNAME.FIL", kNameRecordLength, 1);
    const auto b = readRecord("GHINV1.Fil", kBackgroundRecordLength, 3);
    const int tag = u16(b, 0);
    if (tag == 3 && b.size() >= 6) {
        const std::uint32_t v =
            static_cast<unsigned char>(b[2]) | (static_cast<unsigned char>(b[3]) << 8) |
            (static_cast<unsigned char>(b[4]) << 16) |
            (static_cast<std::uint32_t>(static_cast<unsigned char>(b[5])) << 24);
        settings.screenBackground = std::to_string(static_cast<std::int32_t>(v));
    } else if (tag == 8) {
        const int n = u16(b, 2);
        settings.screenBackground = n > 0 && b.size() >= static_cast<std::size_t>(4 + n)
                                        ? std::string(b.begin() + 4, b.begin() + 4 + n)
                                        : std::string();
    } else {
        settings.screenBackground.clear();
    }
    const std::string panel = readText("GColor1.Fil", kColorFileRecordLength, 49);
    settings.panelColor = panel.find_first_not_of(' ') == std::string::npos ? "Default" : panel;
}

void writeScreenBackground(std::string_view value) {
    std::vector<char> b;
    if (auto color = parseColorNumber(value)) {
        b = {3,
             0,
             static_cast<char>(*color & 0xFF),
             static_cast<char>((*color >> 8) & 0xFF),
             static_cast<char>((*color >> 16) & 0xFF),
             0};
    } else {
        b = {8, 0, static_cast<char>(value.size() & 0xFF), static_cast<char>(value.size() >> 8)};
        b.insert(b.end(), value.begin(), value.end());
    }
    writeRecord("GHINV1.Fil", kBackgroundRecordLength, 3, b);
}

}  // namespace coinwell::shell
