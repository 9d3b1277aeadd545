// Changing a word everywhere: the checker's replacements carried into the names after the row
// being checked, whole words only, with the capital rule and the 18-character cut.

#include <gtest/gtest.h>

#include <map>

#include "budget/core/change_everywhere.h"

namespace coinwell::budget {
namespace {

BudgetYear yearWithNames(const std::map<int, std::string>& names) {
    BudgetYear year;
    for (const auto& [row, name] : names) {
        *year.cell(row, kItemColumn) = name;
    }
    return year;
}

// The table as the screen registers it, closed by the marker as the step closes it.
ReplacementList tableWithMarker() {
    ReplacementList list = autocorrectReplacements();
    list.addEndMarker();
    return list;
}

std::string name(const BudgetYear& year, int row) {
    return year.cellText(row, kItemColumn);
}

TEST(ReplaceWholeWord, MatchesWholeWordsWithoutRegardToCase) {
    EXPECT_EQ(replaceWholeWord("Pay teh rent", "teh", "the").name, "Pay the rent");
    EXPECT_EQ(replaceWholeWord("Pay TEH rent", "teh", "the").name, "Pay The rent");
    EXPECT_EQ(replaceWholeWord("teh", "teh", "the").matches, 1);
    // Words that merely contain it are left alone.
    const WordChange inside = replaceWholeWord("Tehran trip, tehx", "teh", "the");
    EXPECT_EQ(inside.matches, 0);
    EXPECT_EQ(inside.name, "Tehran trip, tehx");
    // Only blanks and the name's ends bound a word here.
    EXPECT_EQ(replaceWholeWord("teh-bill", "teh", "the").matches, 0);
}

TEST(ReplaceWholeWord, TheCapitalRule) {
    // A matched word beginning with a capital takes the replacement with its first letter in
    // upper case, the rest in lower case; otherwise the replacement goes in lower case.
    EXPECT_EQ(replaceWholeWord("Teh", "teh", "the").name, "The");
    EXPECT_EQ(replaceWholeWord("teh", "teh", "THE").name, "the");
    EXPECT_EQ(replaceWholeWord("Groseries", "groseries", "GROCERIES").name, "Groceries");
    EXPECT_EQ(replaceWholeWord("Alot of gas", "alot", "a lot").name, "A lot of gas");
}

TEST(ReplaceWholeWord, EveryOccurrenceIncludingARepeatedWord) {
    const WordChange change = replaceWholeWord("teh teh Teh", "teh", "the");
    EXPECT_EQ(change.name, "the the The");
    EXPECT_EQ(change.matches, 3);
    EXPECT_EQ(replaceWholeWord("Their are fees", "their are", "there are").name, "There are fees");
    EXPECT_EQ(replaceWholeWord("café CAFÉ", "Café", "coffee").name, "coffee Coffee");
}

TEST(ReplaceWholeWord, AMatchedNameLosesItsOuterBlanksAnUnmatchedOneKeepsThem) {
    EXPECT_EQ(replaceWholeWord("  teh bill ", "teh", "the").name, "the bill");
    EXPECT_EQ(replaceWholeWord("  rent ", "teh", "the").name, "  rent ");
    EXPECT_EQ(replaceWholeWord("teh", "", "x").matches, 0);
    EXPECT_EQ(replaceWholeWord("a  b", " ", "x").matches, 0);
}

TEST(ChangeEverywhere, TehChangedFromRow2ReachesRow7AndNotRow1) {
    BudgetYear year = yearWithNames({{1, "teh bill"}, {2, "Pay teh rent"}, {7, "Teh rent"}});
    YearItemNames names(year);
    EXPECT_EQ(changeEverywhere(tableWithMarker(), names, 2), 1);
    EXPECT_EQ(name(year, 7), "The rent");
    EXPECT_EQ(name(year, 1), "teh bill");
    // The checked row itself is the checker's business.
    EXPECT_EQ(name(year, 2), "Pay teh rent");
    EXPECT_TRUE(names.changed());

    BudgetYear lower = yearWithNames({{1, "teh bill"}, {7, "teh rent"}});
    YearItemNames lowerNames(lower);
    changeEverywhere(tableWithMarker(), lowerNames, 2);
    EXPECT_EQ(name(lower, 7), "the rent");
    EXPECT_EQ(name(lower, 1), "teh bill");
}

TEST(ChangeEverywhere, AlotBecomesALotOnlyAsAWholeWord) {
    BudgetYear year = yearWithNames(
        {{3, "alot of food"}, {4, "Palotta Cafe"}, {5, "alots"}, {6, "ALOT"}, {50, "Spent alot"}});
    YearItemNames names(year);
    changeEverywhere(tableWithMarker(), names, 1);
    EXPECT_EQ(name(year, 3), "a lot of food");
    EXPECT_EQ(name(year, 4), "Palotta Cafe");
    EXPECT_EQ(name(year, 5), "alots");
    EXPECT_EQ(name(year, 6), "A lot");
    EXPECT_EQ(name(year, 50), "Spent a lot");
}

TEST(ChangeEverywhere, ACorrectedNameLongerThan18CharactersIsCutTo18) {
    BudgetYear year = yearWithNames({{5, "alot of school fees"}, {6, "teh café crème brûlée"}});
    YearItemNames names(year);
    changeEverywhere(tableWithMarker(), names, 1);
    EXPECT_EQ(name(year, 5), "a lot of school fe");
    // Characters, not bytes.
    EXPECT_EQ(name(year, 6), "the café crème brû");
}

TEST(ChangeEverywhere, NamesWithoutAMatchAndBlankNamesAreLeftExactlyAsTheyWere) {
    BudgetYear year = yearWithNames({{3, "  Rent  "}, {4, "A name of twenty-two c"}, {5, "   "}});
    const BudgetYear before = year;
    YearItemNames names(year);
    EXPECT_EQ(changeEverywhere(tableWithMarker(), names, 1), 0);
    EXPECT_EQ(year, before);
    EXPECT_FALSE(names.changed());
}

TEST(ChangeEverywhere, ReadsTheListUpToTheEndMarker) {
    ReplacementList list;
    list.add("zqx", "zax");
    list.addEndMarker();
    list.add("qzz", "quiz");
    BudgetYear year = yearWithNames({{2, "Zqx qzz"}});
    YearItemNames names(year);
    changeEverywhere(list, names, 1);
    EXPECT_EQ(name(year, 2), "Zax qzz");

    // The next change everywhere registers the marker again: every pair so far is read.
    list.addEndMarker();
    changeEverywhere(list, names, 1);
    EXPECT_EQ(name(year, 2), "Zax quiz");
}

TEST(ChangeEverywhere, TheUsersPairAfterTheTableIsCarriedToo) {
    ReplacementList list = autocorrectReplacements();
    list.add("groseries", "Groceries");
    list.addEndMarker();
    BudgetYear year = yearWithNames({{1, "groseries"}, {9, "Groseries"}, {10, "big groseries"}});
    YearItemNames names(year);
    EXPECT_EQ(changeEverywhere(list, names, 2), 2);
    EXPECT_EQ(name(year, 1), "groseries");
    EXPECT_EQ(name(year, 9), "Groceries");
    EXPECT_EQ(name(year, 10), "big groceries");
}

}  // namespace
}  // namespace coinwell::budget
