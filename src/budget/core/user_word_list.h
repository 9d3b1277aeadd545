#pragma once
// The user's own word list, "CustomDict1.dct" in the program folder: one word a line,
// Windows-1252 text with CR LF line ends. It is read when the spelling engine loads (only a
// regular file is read) and rewritten safely, with the word added, each time the user adds one.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace coinwell::budget {

inline constexpr const char* kUserWordListFile = "CustomDict1.dct";

// The words of a list file's bytes: each line without its surrounding blanks, empty lines
// skipped; LF, CR LF and CR all end a line.
std::vector<std::string> userWordsFromBytes(std::string_view bytes);

class UserWordList {
  public:
    explicit UserWordList(std::filesystem::path file) : file_(std::move(file)) {}

    const std::filesystem::path& file() const { return file_; }

    // The words the file holds now; none when it is missing or not a regular file.
    std::vector<std::string> read() const;

    // Adds word to the file, keeping every line it holds (a word already listed is not added
    // twice). The file is replaced safely: on failure it is left as it was, false is returned and
    // reason tells why. A file that exists but cannot be read is not replaced, so that no word
    // of it is lost.
    bool add(std::string_view word, std::string& reason) const;

  private:
    std::filesystem::path file_;
};

}  // namespace coinwell::budget
