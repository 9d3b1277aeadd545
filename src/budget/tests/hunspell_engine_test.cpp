// The program's spelling engine over the installed en_US word list: words known and not,
// suggestions, the user's list read when the engine loads, and a word added in one run accepted
// in the next.

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "budget/core/user_word_list.h"
#include "budget/ui/hunspell_engine.h"
#include "common/tests/support/temporary_program_folder.h"

namespace coinwell::budget {
namespace {

class HunspellEngineTest : public ::testing::Test {
  protected:
    void SetUp() override {
        mainList = findMainWordList();
        if (!mainList) {
            GTEST_SKIP() << "no en_US word list installed";
        }
    }
    std::filesystem::path userList() const { return folder.filePath(kUserWordListFile); }

    TemporaryProgramFolder folder;
    std::optional<MainWordList> mainList;
};

TEST_F(HunspellEngineTest, KnowsTheWordsOfTheMainList) {
    HunspellEngine engine(mainList, userList());
    EXPECT_FALSE(engine.loaded());
    ASSERT_TRUE(engine.ready());
    EXPECT_TRUE(engine.loaded());
    for (const char* word : {"Rent", "groceries", "Insurance", "RENT", "Kid's", "mortgage"}) {
        EXPECT_TRUE(engine.isCorrect(word)) << word;
    }
    for (const char* word : {"Groseries", "morgage", "teh", "Zqxwv"}) {
        EXPECT_FALSE(engine.isCorrect(word)) << word;
    }
}

TEST_F(HunspellEngineTest, SuggestsLikelySpellings) {
    HunspellEngine engine(mainList, userList());
    const std::vector<std::string> found = engine.suggestions("Groseries");
    EXPECT_NE(std::find(found.begin(), found.end(), "Groceries"), found.end());
}

TEST_F(HunspellEngineTest, TheUsersListIsReadWhenTheEngineLoads) {
    ASSERT_TRUE(folder.writeBytes(kUserWordListFile, "Zqxwv\r\nCaf\xE9zz\r\n"));
    HunspellEngine engine(mainList, userList());
    EXPECT_TRUE(engine.isCorrect("Zqxwv"));
    EXPECT_TRUE(engine.isCorrect("Cafézz"));
    EXPECT_FALSE(engine.isCorrect("Qzzy"));
}

TEST_F(HunspellEngineTest, AWordAddedIsAcceptedNowAndInTheNextRun) {
    {
        HunspellEngine engine(mainList, userList());
        ASSERT_FALSE(engine.isCorrect("Zqxwv"));
        const WordAdded added = engine.addWord("Zqxwv");
        EXPECT_TRUE(added.stored) << added.reason;
        EXPECT_TRUE(engine.isCorrect("Zqxwv"));
    }
    EXPECT_EQ(folder.readBytes(kUserWordListFile), "Zqxwv\r\n");
    HunspellEngine nextRun(mainList, userList());
    EXPECT_TRUE(nextRun.isCorrect("Zqxwv"));
}

TEST_F(HunspellEngineTest, AWordThatCouldNotBeStoredIsStillAcceptedInThisRun) {
    std::filesystem::create_directory(userList());  // a folder has the list's name
    HunspellEngine engine(mainList, userList());
    const WordAdded added = engine.addWord("Zqxwv");
    EXPECT_FALSE(added.stored);
    EXPECT_FALSE(added.reason.empty());
    EXPECT_TRUE(engine.isCorrect("Zqxwv"));
}

TEST_F(HunspellEngineTest, APipeNamedLikeTheUsersListDoesNotHangTheLoading) {
    ASSERT_EQ(::mkfifo(userList().c_str(), 0600), 0);
    HunspellEngine engine(mainList, userList());
    EXPECT_TRUE(engine.ready());
    EXPECT_TRUE(engine.isCorrect("Rent"));
}

TEST_F(HunspellEngineTest, TheProgramsEngineTakesTheUsersListOfTheProgramFolder) {
    ASSERT_TRUE(folder.writeBytes(kUserWordListFile, "Zqxwv\r\n"));
    HunspellEngine engine;
    EXPECT_TRUE(engine.ready());
    EXPECT_TRUE(engine.isCorrect("Zqxwv"));
    EXPECT_TRUE(engine.addWord("Qzzyq").stored);
    EXPECT_EQ(folder.readBytes(kUserWordListFile), "Zqxwv\r\nQzzyq\r\n");
}

TEST(HunspellEngineLists, AMainListInTheProgramFolderComesFirst) {
    TemporaryProgramFolder folder;
    ASSERT_TRUE(folder.writeBytes("en_US.aff", "SET UTF-8\n"));
    ASSERT_TRUE(folder.writeBytes("en_US.dic", "1\nBlorf\n"));
    const std::optional<MainWordList> found = findMainWordList();
    ASSERT_TRUE(found);
    EXPECT_EQ(found->dictionary, folder.filePath("en_US.dic"));
    HunspellEngine engine;
    EXPECT_TRUE(engine.isCorrect("Blorf"));
    EXPECT_FALSE(engine.isCorrect("Rent"));
}

TEST(HunspellEngineLists, WithoutAMainListTheEngineIsNotReadyAndKnowsNoWord) {
    HunspellEngine engine(std::nullopt, {});
    EXPECT_FALSE(engine.ready());
    EXPECT_FALSE(engine.isCorrect("Rent"));
    EXPECT_TRUE(engine.suggestions("Rnet").empty());
    EXPECT_FALSE(engine.addWord("Rent").stored);

    HunspellEngine missing(MainWordList{"/nonexistent/en_US.aff", "/nonexistent/en_US.dic"}, {});
    EXPECT_FALSE(missing.ready());
}

}  // namespace
}  // namespace coinwell::budget
