#pragma once
// Runs a test in a fresh, empty program folder: a temporary folder made the current folder for
// the object's lifetime (the previous current folder is restored afterwards).

#include <filesystem>
#include <string>
#include <string_view>

#include <QString>
#include <QTemporaryDir>

namespace coinwell {

class TemporaryProgramFolder {
  public:
    TemporaryProgramFolder();
    ~TemporaryProgramFolder();
    TemporaryProgramFolder(const TemporaryProgramFolder&) = delete;
    TemporaryProgramFolder& operator=(const TemporaryProgramFolder&) = delete;

    bool isValid() const { return valid_; }
    std::filesystem::path path() const;
    QString qPath() const { return dir_.path(); }
    std::filesystem::path filePath(std::string_view name) const { return path() / name; }

    // Whole-file helpers for checking what was stored byte for byte.
    std::string readBytes(std::string_view name) const;
    bool writeBytes(std::string_view name, std::string_view bytes) const;
    bool exists(std::string_view name) const;

  private:
    QTemporaryDir dir_;
    std::filesystem::path previous_;
    bool valid_ = false;
};

// Bytes as upper-case hex pairs separated by blanks ("02 00 4E 6F"), for comparing stored
// records byte for byte with a readable failure message.
std::string hexBytes(std::string_view bytes);

}  // namespace coinwell
