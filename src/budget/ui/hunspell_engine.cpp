#include "budget/ui/hunspell_engine.h"

#include <hunspell/hunspell.hxx>

#include <QString>

#include "common/core/regular_file.h"
#include "common/core/windows1252.h"
#include "common/ui/program_folder.h"

namespace coinwell::budget {

namespace {

std::filesystem::path localPath(const QString& path) {
    return std::filesystem::path(path.toStdString());
}

// Both files of a list in one folder.
std::optional<MainWordList> listIn(const std::filesystem::path& folder) {
    MainWordList list{folder / "en_US.aff", folder / "en_US.dic"};
    if (isRegularFile(list.affixes) && isRegularFile(list.dictionary)) {
        return list;
    }
    return std::nullopt;
}

}  // namespace

std::optional<MainWordList> findMainWordList() {
    const QString affixes = findInstallationFile(QStringLiteral("en_US.aff"));
    if (!affixes.isEmpty()) {
        if (auto list = listIn(localPath(affixes).parent_path())) {
            return list;
        }
    }
    return listIn("/usr/share/hunspell");
}

HunspellEngine::HunspellEngine() : findFiles_(true) {}

HunspellEngine::HunspellEngine(std::optional<MainWordList> mainList, std::filesystem::path userList)
    : mainList_(std::move(mainList)), userListFile_(std::move(userList)) {}

HunspellEngine::~HunspellEngine() = default;

void HunspellEngine::load() {
    if (loaded_) {
        return;
    }
    loaded_ = true;
    if (findFiles_) {
        mainList_ = findMainWordList();
        std::error_code error;
        userListFile_ = std::filesystem::absolute(kUserWordListFile, error);
    }
    // Hunspell reads any file it is given; only regular files are handed over, so that a pipe
    // of that name cannot hang the program.
    if (!mainList_ || !isRegularFile(mainList_->affixes) || !isRegularFile(mainList_->dictionary)) {
        return;
    }
    hunspell_ = std::make_unique<Hunspell>(mainList_->affixes.string().c_str(),
                                           mainList_->dictionary.string().c_str());
    const std::string& encoding = hunspell_->get_dict_encoding();
    singleByte_ = encoding == "ISO8859-1" || encoding == "ISO8859-15" || encoding == "cp1252";
    if (!userListFile_.empty()) {
        for (const std::string& word : UserWordList(userListFile_).read()) {
            hunspell_->add(toDictionary(word));
        }
    }
}

bool HunspellEngine::ready() {
    load();
    return hunspell_ != nullptr;
}

std::string HunspellEngine::toDictionary(std::string_view word) const {
    return singleByte_ ? utf8ToWindows1252Lossy(word) : std::string(word);
}

std::string HunspellEngine::fromDictionary(const std::string& word) const {
    return singleByte_ ? windows1252ToUtf8(word) : word;
}

bool HunspellEngine::isCorrect(std::string_view word) {
    return ready() && hunspell_->spell(toDictionary(word));
}

std::vector<std::string> HunspellEngine::suggestions(std::string_view word) {
    std::vector<std::string> found;
    if (ready()) {
        for (const std::string& suggestion : hunspell_->suggest(toDictionary(word))) {
            found.push_back(fromDictionary(suggestion));
        }
    }
    return found;
}

WordAdded HunspellEngine::addWord(std::string_view word) {
    if (!ready()) {
        return {false, "The word lists are not loaded."};
    }
    // Accepted from now on, whether or not the list file takes it.
    hunspell_->add(toDictionary(word));
    WordAdded added;
    if (userListFile_.empty()) {
        added = {false, "The program folder cannot be found."};
    } else {
        added.stored = UserWordList(userListFile_).add(word, added.reason);
    }
    return added;
}

HunspellEngine& programSpellingEngine() {
    static HunspellEngine engine;
    return engine;
}

}  // namespace coinwell::budget
