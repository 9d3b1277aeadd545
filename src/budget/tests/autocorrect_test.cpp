// The autocorrect table and the checker's replacement list: the pairs in order and the end
// marker the change-everywhere step reads up to.

#include <gtest/gtest.h>

#include <algorithm>

#include "budget/core/autocorrect_table.h"
#include "budget/core/replacement_list.h"

namespace coinwell::budget {
namespace {

TEST(AutocorrectTable, HoldsItsPairsInOrder) {
    const auto& table = autocorrectTable();
    ASSERT_EQ(table.size(), 243u);
    EXPECT_EQ(table.front().misspelling, "abbout");
    EXPECT_EQ(table.front().correction, "about");
    EXPECT_EQ(table[16].misspelling, "alot");
    EXPECT_EQ(table[16].correction, "a lot");
    EXPECT_EQ(table.back().misspelling, "yuor");
    EXPECT_EQ(table.back().correction, "your");

    const auto find = [&table](std::string_view misspelling) {
        return std::find_if(table.begin(), table.end(), [misspelling](const AutocorrectPair& p) {
            return p.misspelling == misspelling;
        });
    };
    EXPECT_EQ(find("i")->correction, "I");
    EXPECT_EQ(find("their are")->correction, "there are");
    EXPECT_EQ(find("teh")->correction, "the");
    EXPECT_EQ(find("morgage")->correction, "mortgage");
    EXPECT_EQ(find("saidhe")->correction, "said he");
    EXPECT_EQ(std::count_if(table.begin(), table.end(),
                            [](const AutocorrectPair& p) { return p.misspelling == "reccomend"; }),
              2);
}

TEST(ReplacementList, TheEndMarkerReadsTheEnd1InAnyCaseAndStaysLast) {
    ReplacementList list;
    list.add("groseries", "groceries");
    list.addEndMarker();
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list.word(1), "TheEnd1");
    EXPECT_EQ(list.replacement(1), "TheEnd1");
    EXPECT_TRUE(list.isEndMarker(1));

    // A second change everywhere: its pair comes before the one marker there is.
    list.add("zqx", "zax");
    list.addEndMarker();
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list.word(1), "zqx");
    EXPECT_TRUE(list.isEndMarker(2));
    EXPECT_EQ(std::count_if(list.entries().begin(), list.entries().end(),
                            [](const Replacement& r) { return r.word == "TheEnd1"; }),
              1);

    // Whatever its case and trailing blanks, such a word marks the end.
    ReplacementList written;
    written.add("theend1  ", "x");
    written.add("THEEND1", "y");
    written.add(" THEEND1", "z");
    EXPECT_TRUE(written.isEndMarker(0));
    EXPECT_TRUE(written.isEndMarker(1));
    EXPECT_FALSE(written.isEndMarker(2));
}

}  // namespace
}  // namespace coinwell::budget
