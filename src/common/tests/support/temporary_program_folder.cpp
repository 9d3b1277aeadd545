#include "common/tests/support/temporary_program_folder.h"

#include <fstream>
#include <iterator>
#include <system_error>

namespace coinwell {

TemporaryProgramFolder::TemporaryProgramFolder() : dir_(QDir::tempPath() + "/coinwell-XXXXXX") {
    std::error_code error;
    previous_ = std::filesystem::current_path(error);
    if (dir_.isValid()) {
        std::filesystem::current_path(path(), error);
        valid_ = !error;
    }
}

TemporaryProgramFolder::~TemporaryProgramFolder() {
    std::error_code error;
    if (!previous_.empty()) {
        std::filesystem::current_path(previous_, error);
    }
    if (error) {
        std::filesystem::current_path(std::filesystem::temp_directory_path(), error);
    }
}

std::filesystem::path TemporaryProgramFolder::path() const {
    return std::filesystem::path(dir_.path().toStdString());
}

std::string TemporaryProgramFolder::readBytes(std::string_view name) const {
    std::ifstream in(filePath(name), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool TemporaryProgramFolder::writeBytes(std::string_view name, std::string_view bytes) const {
    std::ofstream out(filePath(name), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

bool TemporaryProgramFolder::exists(std::string_view name) const {
    std::error_code error;
    return std::filesystem::exists(filePath(name), error);
}

std::string hexBytes(std::string_view bytes) {
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string out;
    for (const char c : bytes) {
        if (!out.empty()) {
            out += ' ';
        }
        out += digits[(static_cast<unsigned char>(c) >> 4) & 0xF];
        out += digits[static_cast<unsigned char>(c) & 0xF];
    }
    return out;
}

}  // namespace coinwell
