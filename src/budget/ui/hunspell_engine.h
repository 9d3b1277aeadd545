#pragma once
// The program's spelling engine: Hunspell with the en_US word list as the main list, and the
// user's own list "CustomDict1.dct" in the program folder. The word lists are loaded at the
// first question and kept for the rest of the run: the program makes one engine and hands it to
// every Home Budget screen it opens.

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "budget/core/spelling_engine.h"
#include "budget/core/user_word_list.h"

class Hunspell;

namespace coinwell::budget {

// The main list's two files.
struct MainWordList {
    std::filesystem::path affixes;     // en_US.aff
    std::filesystem::path dictionary;  // en_US.dic
};

// Where the main list is found: among the installation files (the program folder, then the
// share folder), then in the system's hunspell folder. Nothing when neither has both files.
std::optional<MainWordList> findMainWordList();

class HunspellEngine : public SpellingEngine {
  public:
    // Finds the main list and the user's list in the program folder (the current folder) when
    // first asked.
    HunspellEngine();
    // Given lists; a main list of nothing leaves the engine not ready.
    HunspellEngine(std::optional<MainWordList> mainList, std::filesystem::path userList);
    ~HunspellEngine() override;

    bool ready() override;
    bool isCorrect(std::string_view word) override;
    std::vector<std::string> suggestions(std::string_view word) override;
    WordAdded addWord(std::string_view word) override;

    bool loaded() const { return loaded_; }

  private:
    void load();
    // Hunspell's dictionaries may be in another encoding than the program's UTF-8.
    std::string toDictionary(std::string_view word) const;
    std::string fromDictionary(const std::string& word) const;

    bool loaded_ = false;
    bool findFiles_ = false;
    std::optional<MainWordList> mainList_;
    std::filesystem::path userListFile_;
    std::unique_ptr<Hunspell> hunspell_;
    bool singleByte_ = false;  // the dictionary is in ISO 8859-1 or Windows-1252
};

// The engine of this run of the program.
HunspellEngine& programSpellingEngine();

}  // namespace coinwell::budget
