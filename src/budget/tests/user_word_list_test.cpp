// The user's own word list "CustomDict1.dct": reading its words, adding one without losing the
// lines it holds, safe replacement on a failed write, and names that are not regular files.

#include <sys/stat.h>

#include <gtest/gtest.h>

#include "budget/core/user_word_list.h"
#include "common/core/safe_write.h"
#include "common/tests/support/temporary_program_folder.h"

namespace coinwell::budget {
namespace {

class UserWordListTest : public ::testing::Test {
  protected:
    void TearDown() override { setSafeWriteFailureHook({}); }

    TemporaryProgramFolder folder;
    UserWordList list{folder.filePath(kUserWordListFile)};
};

TEST(UserWordsFromBytes, OneWordALineWhateverTheLineEnds) {
    EXPECT_EQ(userWordsFromBytes("Walmart\r\nKroger\nPublix\rAldi"),
              (std::vector<std::string>{"Walmart", "Kroger", "Publix", "Aldi"}));
    EXPECT_EQ(userWordsFromBytes("  Costco  \r\n\r\n\r\n"), (std::vector<std::string>{"Costco"}));
    EXPECT_EQ(userWordsFromBytes(""), std::vector<std::string>{});
    // Windows-1252 text comes back as UTF-8.
    EXPECT_EQ(userWordsFromBytes("Caf\xE9\r\n"), (std::vector<std::string>{"Café"}));
}

TEST_F(UserWordListTest, AMissingListReadsEmptyAndTheFirstWordCreatesIt) {
    EXPECT_TRUE(list.read().empty());
    std::string reason;
    ASSERT_TRUE(list.add("Walmart", reason)) << reason;
    EXPECT_EQ(folder.readBytes(kUserWordListFile), "Walmart\r\n");
    ASSERT_TRUE(list.add("Café", reason)) << reason;
    EXPECT_EQ(folder.readBytes(kUserWordListFile), "Walmart\r\nCaf\xE9\r\n");
    EXPECT_EQ(list.read(), (std::vector<std::string>{"Walmart", "Café"}));
}

TEST_F(UserWordListTest, AddingKeepsEveryLineTheFileHeldAndAddsNoWordTwice) {
    ASSERT_TRUE(folder.writeBytes(kUserWordListFile, "Kroger\nSome odd line  \nPublix"));
    std::string reason;
    ASSERT_TRUE(list.add("Aldi", reason)) << reason;
    EXPECT_EQ(folder.readBytes(kUserWordListFile), "Kroger\nSome odd line  \nPublix\r\nAldi\r\n");
    ASSERT_TRUE(list.add("Publix", reason));
    EXPECT_EQ(folder.readBytes(kUserWordListFile), "Kroger\nSome odd line  \nPublix\r\nAldi\r\n");
}

TEST_F(UserWordListTest, AFailedWriteLeavesTheListAsItWasAndSaysWhy) {
    ASSERT_TRUE(folder.writeBytes(kUserWordListFile, "Kroger\r\n"));
    setSafeWriteFailureHook([](SafeWriteStep step) { return step == SafeWriteStep::Rename; });
    std::string reason;
    EXPECT_FALSE(list.add("Aldi", reason));
    EXPECT_FALSE(reason.empty());
    EXPECT_EQ(folder.readBytes(kUserWordListFile), "Kroger\r\n");
}

TEST_F(UserWordListTest, ANameThatIsNoRegularFileIsNeitherReadNorReplaced) {
    ASSERT_EQ(::mkfifo(folder.filePath(kUserWordListFile).c_str(), 0600), 0);
    // Reading a pipe of that name returns at once with nothing.
    EXPECT_TRUE(list.read().empty());
    std::string reason;
    EXPECT_FALSE(list.add("Aldi", reason));
    EXPECT_EQ(reason, "Something other than a file has the name of the word list.");
    struct stat info {};
    ASSERT_EQ(::stat(folder.filePath(kUserWordListFile).c_str(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
}

TEST_F(UserWordListTest, AWordTheFileCannotHoldIsRefused) {
    std::string reason;
    EXPECT_FALSE(list.add("東京", reason));
    EXPECT_FALSE(list.add("  ", reason));
    EXPECT_FALSE(folder.exists(kUserWordListFile));
}

}  // namespace
}  // namespace coinwell::budget
