// How the spelling check reads item names: letter case of the Windows-1252 letters and the
// words of a name.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "budget/core/letter_case.h"
#include "budget/core/word_spans.h"

namespace coinwell::budget {
namespace {

std::vector<std::string> words(std::string_view text) {
    std::vector<std::string> out;
    std::size_t from = 0;
    while (const auto span = nextWord(text, from)) {
        out.emplace_back(text.substr(span->start, span->length));
        from = span->end();
    }
    return out;
}

TEST(LetterCase, AsciiAndAccentedLettersChangeCaseOtherCharactersStay) {
    EXPECT_EQ(lowerCase("Rent PAID"), "rent paid");
    EXPECT_EQ(lowerCase("ÀÉÎÕÜ Š Œ Ž Ÿ"), "àéîõü š œ ž ÿ");
    EXPECT_EQ(upperCase("àéîõü š œ ž ÿ"), "ÀÉÎÕÜ Š Œ Ž Ÿ");
    // Signs between the letters, the sharp s and characters beyond Windows-1252 stay.
    EXPECT_EQ(lowerCase("× ÷ ß € 1-2 Ω"), "× ÷ ß € 1-2 Ω");
    EXPECT_EQ(upperCase("× ÷ ß € 1-2 ω"), "× ÷ ß € 1-2 ω");
}

TEST(LetterCase, KeepsTheLengthInBytesSoPositionsHold) {
    const std::string text = "Crème Brûlée ŒUVRE ÿ";
    EXPECT_EQ(lowerCase(text).size(), text.size());
    EXPECT_EQ(upperCase(text).size(), text.size());
    EXPECT_EQ(lowerCase(text).find("brûlée"), text.find("Brûlée"));
}

TEST(LetterCase, BrokenBytesAreLeftAlone) {
    const std::string broken = std::string("A\xC3") + "B\xFF";
    EXPECT_EQ(lowerCase(broken), std::string("a\xC3") + "b\xFF");
}

TEST(LetterCase, ComparingWithoutRegardToCase) {
    EXPECT_TRUE(sameIgnoringCase("Teh", "tEH"));
    EXPECT_TRUE(sameIgnoringCase("CAFÉ crème", "café CRÈME"));
    EXPECT_TRUE(sameIgnoringCase("", ""));
    EXPECT_FALSE(sameIgnoringCase("teh", "the"));
    EXPECT_FALSE(sameIgnoringCase("teh", "teh "));
    EXPECT_FALSE(sameIgnoringCase("café", "cafe"));
    EXPECT_TRUE(sameIgnoringCase("€5", "€5"));
    EXPECT_FALSE(sameIgnoringCase("€5", "£5"));
}

TEST(LetterCase, CapitalsAndTheFirstLetter) {
    EXPECT_TRUE(startsWithCapital("Teh"));
    EXPECT_TRUE(startsWithCapital("Émile"));
    EXPECT_FALSE(startsWithCapital("teh"));
    EXPECT_FALSE(startsWithCapital(" Teh"));
    EXPECT_FALSE(startsWithCapital(""));

    EXPECT_TRUE(allCapitals("IRS"));
    EXPECT_TRUE(allCapitals("I"));
    EXPECT_TRUE(allCapitals("TV-2"));
    EXPECT_FALSE(allCapitals("Irs"));
    EXPECT_FALSE(allCapitals("123"));

    EXPECT_EQ(withFirstLetterUp("a lot"), "A lot");
    EXPECT_EQ(withFirstLetterUp(" the "), " The ");
    EXPECT_EQ(withFirstLetterUp("élan"), "Élan");
    EXPECT_EQ(withFirstLetterUp("mcDonald"), "McDonald");
    EXPECT_EQ(withFirstLetterUp("42"), "42");
}

TEST(WordSpans, WordsAreSeparatedByBlanksAndMarks) {
    EXPECT_EQ(words("Car Insurance"), (std::vector<std::string>{"Car", "Insurance"}));
    EXPECT_EQ(words("Gas/Electric-bill, misc."),
              (std::vector<std::string>{"Gas", "Electric", "bill", "misc"}));
    EXPECT_EQ(words("  "), std::vector<std::string>{});
    EXPECT_EQ(words(""), std::vector<std::string>{});
    // An en dash, a euro sign and typographic quotes separate words.
    EXPECT_EQ(words("Food – “weekly” €50"), (std::vector<std::string>{"Food", "weekly", "50"}));
}

TEST(WordSpans, ApostrophesInsideAWordBelongToIt) {
    EXPECT_EQ(words("Kid's school"), (std::vector<std::string>{"Kid's", "school"}));
    EXPECT_EQ(words("rock’n’roll"), (std::vector<std::string>{"rock’n’roll"}));
    EXPECT_EQ(words("'quoted' kids' "), (std::vector<std::string>{"quoted", "kids"}));
}

TEST(WordSpans, AccentedLettersAndDigits) {
    EXPECT_EQ(words("Café au lait"), (std::vector<std::string>{"Café", "au", "lait"}));
    EXPECT_EQ(words("Rent 2nd 401k"), (std::vector<std::string>{"Rent", "2nd", "401k"}));
    EXPECT_TRUE(holdsDigit("2nd"));
    EXPECT_FALSE(holdsDigit("second"));
}

TEST(WordSpans, WordEnds) {
    const std::string text = "Kid's alot-x";
    EXPECT_FALSE(endsWord(text, 2));  // inside "Kid's"
    EXPECT_FALSE(endsWord(text, 3));  // the apostrophe goes on into the word
    EXPECT_TRUE(endsWord(text, 5));   // the blank
    EXPECT_TRUE(endsWord(text, 10));  // the hyphen
    EXPECT_TRUE(endsWord(text, text.size()));
    EXPECT_TRUE(endsWord("kids'", 4));  // an apostrophe closing a word
}

}  // namespace
}  // namespace coinwell::budget
