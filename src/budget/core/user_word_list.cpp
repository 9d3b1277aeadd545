#include "budget/core/user_word_list.h"

#include <algorithm>
#include <optional>

#include "budget/core/year_file.h"
#include "common/core/regular_file.h"
#include "common/core/safe_write.h"
#include "common/core/text_trim.h"
#include "common/core/windows1252.h"

namespace coinwell::budget {

std::vector<std::string> userWordsFromBytes(std::string_view bytes) {
    std::vector<std::string> words;
    std::size_t start = 0;
    while (start <= bytes.size()) {
        std::size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            end = bytes.size();
        }
        const std::string_view word = trimBlanks(bytes.substr(start, end - start));
        if (!word.empty()) {
            words.push_back(windows1252ToUtf8(word));
        }
        start = end + 1;
    }
    return words;
}

std::vector<std::string> UserWordList::read() const {
    const RegularFileRead file = readRegularFile(file_);
    return file.ok() ? userWordsFromBytes(file.bytes) : std::vector<std::string>{};
}

bool UserWordList::add(std::string_view word, std::string& reason) const {
    const std::optional<std::string> stored = utf8ToWindows1252(trimBlanks(word));
    if (!stored || stored->empty() || stored->find_first_of("\r\n") != std::string::npos) {
        reason = "The word cannot be stored in the word list.";
        return false;
    }
    const RegularFileRead file = readRegularFile(file_);
    if (file.status == RegularFileRead::Status::NotRegular) {
        reason = "Something other than a file has the name of the word list.";
        return false;
    }
    if (file.status == RegularFileRead::Status::Failed) {
        reason = "The word list could not be read.";
        return false;
    }
    std::string bytes = file.ok() ? file.bytes : std::string();
    const std::vector<std::string> listed = userWordsFromBytes(bytes);
    if (std::find(listed.begin(), listed.end(), windows1252ToUtf8(*stored)) != listed.end()) {
        return true;
    }
    if (!bytes.empty() && bytes.back() != '\n' && bytes.back() != '\r') {
        bytes += "\r\n";
    }
    bytes += *stored + "\r\n";
    std::error_code error;
    if (!writeFileSafely(file_, bytes, error)) {
        reason = plainFileError(error);
        return false;
    }
    return true;
}

}  // namespace coinwell::budget
