// The spelling check of the item names, with a list of known words for an engine and the user's
// decisions scripted: automatic replacements, the dialog's decisions, change everywhere and the
// check starting over, the counters and the two closing messages, the cuts to 18 and 25
// characters, and the hourglass never showing over a question.

#include <gtest/gtest.h>

#include <deque>
#include <map>
#include <set>

#include "budget/core/autocorrect_table.h"
#include "budget/core/spelling_check.h"
#include "budget/core/spelling_texts.h"

namespace coinwell::budget {
namespace {

class ListEngine : public SpellingEngine {
  public:
    explicit ListEngine(std::set<std::string> words) : known(std::move(words)) {}

    bool ready() override { return isReady; }
    bool isCorrect(std::string_view word) override {
        looked.emplace_back(word);
        return known.contains(std::string(word));
    }
    std::vector<std::string> suggestions(std::string_view word) override {
        const auto found = suggested.find(std::string(word));
        return found == suggested.end() ? std::vector<std::string>{} : found->second;
    }
    WordAdded addWord(std::string_view word) override {
        known.insert(std::string(word));
        added.emplace_back(word);
        return addResult;
    }

    std::set<std::string> known;
    std::map<std::string, std::vector<std::string>> suggested;
    std::vector<std::string> looked;
    std::vector<std::string> added;
    WordAdded addResult;
    bool isReady = true;
};

// Messages and the hourglass; no other question is expected.
class RecordingDialogs : public Dialogs {
  public:
    Answer message(const MessageRequest& request) override {
        messages.push_back(request);
        questionsWhileBusy += busy ? 1 : 0;
        return Answer::Ok;
    }
    std::string input(const InputRequest&) override {
        ADD_FAILURE() << "input asked";
        return {};
    }
    std::optional<ColorNumber> chooseColor(ColorNumber) override {
        ADD_FAILURE() << "colour asked";
        return std::nullopt;
    }
    std::optional<FontChoice> chooseFont(const FontChoice&) override {
        ADD_FAILURE() << "font asked";
        return std::nullopt;
    }
    void setClipboardText(const std::string&) override { ADD_FAILURE() << "clipboard set"; }
    void beginBusy() override { busy = true; }
    void endBusy() override { busy = false; }
    void processEvents() override {}

    std::vector<MessageRequest> messages;
    bool busy = false;
    int questionsWhileBusy = 0;
};

// The user's answers in the dialog, in order; each names the word and row it expects.
class ScriptedQuestions : public SpellingQuestions {
  public:
    explicit ScriptedQuestions(const RecordingDialogs& dialogs) : dialogs_(dialogs) {}

    void expect(int row, std::string word, SpellingDecision decision) {
        script_.push_back({row, std::move(word), std::move(decision)});
    }
    SpellingDecision ask(const DoubtfulWord& word) override {
        asked.push_back(word);
        EXPECT_FALSE(dialogs_.busy) << "the hourglass shows over the dialog";
        if (script_.empty()) {
            ADD_FAILURE() << "unexpected question about " << word.word() << " in row " << word.row;
            return {SpellingAction::Cancel, {}};
        }
        const Step step = script_.front();
        script_.pop_front();
        EXPECT_EQ(word.row, step.row);
        EXPECT_EQ(word.word(), step.word);
        return step.decision;
    }
    bool done() const { return script_.empty(); }

    std::vector<DoubtfulWord> asked;

  private:
    struct Step {
        int row;
        std::string word;
        SpellingDecision decision;
    };
    const RecordingDialogs& dialogs_;
    std::deque<Step> script_;
};

class ShownNames : public YearItemNames {
  public:
    using YearItemNames::YearItemNames;
    void showRow(int row) override {
        shown.push_back(row);
        YearItemNames::showRow(row);
    }
    std::vector<int> shown;
};

const SpellingDecision kIgnore{SpellingAction::Ignore, {}};
const SpellingDecision kIgnoreAll{SpellingAction::IgnoreAll, {}};
const SpellingDecision kAdd{SpellingAction::Add, {}};
const SpellingDecision kCancel{SpellingAction::Cancel, {}};
SpellingDecision change(std::string to) {
    return {SpellingAction::Change, std::move(to)};
}
SpellingDecision changeAll(std::string to) {
    return {SpellingAction::ChangeAll, std::move(to)};
}

class SpellingCheckTest : public ::testing::Test {
  protected:
    void name(int row, std::string text) { *year.cell(row, kItemColumn) = std::move(text); }
    std::string nameIn(int row) const { return year.cellText(row, kItemColumn); }

    SpellingCheckOutcome check() { return checkItemNames(checker, names, questions, dialogs); }

    void TearDown() override {
        EXPECT_TRUE(questions.done()) << "not every scripted question was asked";
        EXPECT_EQ(dialogs.questionsWhileBusy, 0);
        EXPECT_FALSE(dialogs.busy) << "the hourglass stays after the check";
    }

    ListEngine engine{{"Rent",  "Groceries", "Car",      "Insurance", "Big",       "bill",
                       "store", "Zax",       "of",       "food",      "for",       "the",
                       "The",   "school",    "Palotta",  "Cafe",      "mortgage",  "payment",
                       "There", "are",       "their",    "Their",     "groceries", "I",
                       "fees",  "Weekly",    "shopping", "and",       "household", "supplies"}};
    SpellingChecker checker{engine};
    BudgetYear year;
    ShownNames names{year};
    RecordingDialogs dialogs;
    ScriptedQuestions questions{dialogs};
};

TEST_F(SpellingCheckTest, NoDoubtfulWordEndsWithTheNothingFoundMessage) {
    name(1, "Rent");
    name(2, "Groceries");
    name(4, "Car Insurance");
    const BudgetYear before = year;
    const SpellingCheckOutcome outcome = check();
    EXPECT_EQ(outcome.events, 0);
    EXPECT_FALSE(outcome.cancelled);
    EXPECT_EQ(year, before);
    EXPECT_FALSE(names.changed());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text,
              "Spelling Check did not change or did not find any misspelled words!");
    EXPECT_EQ(dialogs.messages[0], nothingMisspelledMessage());
    EXPECT_EQ(dialogs.messages[0].title, "Spelling Check");
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Information);
}

TEST_F(SpellingCheckTest, EmptyRowsArePassedOverWithoutADialog) {
    name(2, "   ");
    name(3, "Rent");
    name(50, "Groceries");
    check();
    EXPECT_EQ(names.shown, (std::vector<int>{3, 50}));
    EXPECT_EQ(engine.looked, (std::vector<std::string>{"Rent", "Groceries"}));
    EXPECT_TRUE(questions.asked.empty());
}

TEST_F(SpellingCheckTest, ADoubtfulWordIsAskedWithItsNameAndSuggestions) {
    engine.suggested["Grocerys"] = {"Groceries", "Grocery's"};
    name(2, "Big Grocerys bill");
    questions.expect(2, "Grocerys", change("Groceries"));
    const SpellingCheckOutcome outcome = check();

    ASSERT_EQ(questions.asked.size(), 1u);
    EXPECT_EQ(questions.asked[0].text, "Big Grocerys bill");
    EXPECT_EQ(questions.asked[0].start, 4u);
    EXPECT_EQ(questions.asked[0].suggestions, (std::vector<std::string>{"Groceries", "Grocery's"}));
    EXPECT_EQ(nameIn(2), "Big Groceries bill");
    EXPECT_TRUE(names.changed());
    // One doubtful word and one changed name.
    EXPECT_EQ(outcome.events, 2);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text,
              "Spelling Check has been canceled or has reached the end of your entries");
    EXPECT_EQ(dialogs.messages[0], spellingEndedMessage());
}

TEST_F(SpellingCheckTest, IgnoredWordsStayAndStillCount) {
    name(1, "Zqx Rent");
    questions.expect(1, "Zqx", kIgnore);
    const SpellingCheckOutcome outcome = check();
    EXPECT_EQ(nameIn(1), "Zqx Rent");
    EXPECT_FALSE(names.changed());
    EXPECT_EQ(outcome.events, 1);
    EXPECT_EQ(dialogs.messages.back(), spellingEndedMessage());
}

TEST_F(SpellingCheckTest, IgnoreAllHoldsForLaterRowsAndLaterChecksIgnoreDoesNot) {
    name(1, "Zqx Rent");
    name(3, "Zqx");
    name(4, "Qzz");
    name(5, "Qzz");
    questions.expect(1, "Zqx", kIgnoreAll);
    questions.expect(4, "Qzz", kIgnore);
    questions.expect(5, "Qzz", kIgnore);
    check();
    // The checker stays with the screen: the next check still ignores Zqx.
    questions.expect(4, "Qzz", kIgnore);
    questions.expect(5, "Qzz", kIgnore);
    check();
}

TEST_F(SpellingCheckTest, RegisteredReplacementsApplyWithoutAQuestion) {
    name(1, "Teh morgage");
    name(2, "alot of food");
    name(3, "Palotta Cafe");
    name(4, "TEH FEES");
    name(5, "i and their are");
    name(6, "Their  are");  // two blanks: not the pair's words
    engine.known.insert("FEES");
    const SpellingCheckOutcome outcome = check();
    EXPECT_TRUE(questions.asked.empty());
    EXPECT_EQ(nameIn(1), "The mortgage");
    EXPECT_EQ(nameIn(2), "a lot of food");
    EXPECT_EQ(nameIn(3), "Palotta Cafe");
    EXPECT_EQ(nameIn(4), "THE FEES");
    EXPECT_EQ(nameIn(5), "I and there are");
    EXPECT_EQ(nameIn(6), "Their  are");
    // A name changed counts, so the check reports it ended rather than that it found nothing.
    EXPECT_EQ(outcome.events, 4);
    EXPECT_EQ(dialogs.messages.back(), spellingEndedMessage());
}

TEST_F(SpellingCheckTest, ACorrectedNameIsCutTo18AndACheckedNameTo25Characters) {
    name(1, "Teh morgage payment");                     // 19 characters, 20 corrected
    name(2, "Weekly shopping and household supplies");  // 38, nothing to correct
    const SpellingCheckOutcome outcome = check();
    EXPECT_EQ(nameIn(1), "The mortgage payme");
    EXPECT_EQ(nameIn(2), "Weekly shopping and house");
    EXPECT_EQ(outcome.events, 1);
}

TEST_F(SpellingCheckTest, ChangeAllReachesTheLaterRowsAndTheCheckStartsOverFromRow1) {
    name(1, "Groseries Zqx");
    name(2, "groseries store");
    name(7, "Groseries");
    name(8, "Big groseries");
    name(9, "Groseriesx");
    engine.known.insert("Groseriesx");
    questions.expect(1, "Groseries", kIgnore);
    questions.expect(1, "Zqx", kIgnore);
    questions.expect(2, "groseries", changeAll("Groceries"));
    // Starting over, row 1's word is replaced by the pair just registered; Zqx is asked again.
    questions.expect(1, "Zqx", kIgnore);
    const SpellingCheckOutcome outcome = check();

    EXPECT_EQ(questions.asked.back().text, "Groceries Zqx");
    EXPECT_EQ(nameIn(1), "Groceries Zqx");
    EXPECT_EQ(nameIn(2), "Groceries store");
    EXPECT_EQ(nameIn(7), "Groceries");
    EXPECT_EQ(nameIn(8), "Big groceries");
    EXPECT_EQ(nameIn(9), "Groseriesx");
    EXPECT_EQ(names.shown, (std::vector<int>{1, 2, 1, 2, 7, 8, 9}));
    // Four doubtful words met and two names changed by the check itself (rows 2 and 1).
    EXPECT_EQ(outcome.events, 6);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0], spellingEndedMessage());
    // The pair stays registered while the screen is open, before the end marker.
    const ReplacementList& list = checker.replacements();
    ASSERT_EQ(list.size(), 245u);
    EXPECT_EQ(list.word(243), "groseries");
    EXPECT_EQ(list.replacement(243), "Groceries");
    EXPECT_TRUE(list.isEndMarker(244));
}

TEST_F(SpellingCheckTest, ChangeAllAlsoChangesTheWordLaterInTheSameName) {
    name(3, "Zqx and zqx");
    questions.expect(3, "Zqx", changeAll("Zax"));
    check();
    // The later occurrence takes the new spelling as the user typed it.
    EXPECT_EQ(nameIn(3), "Zax and Zax");
}

TEST_F(SpellingCheckTest, CancelEndsAtOnceAndKeepsWhatWasChanged) {
    name(1, "Teh Zqx Qzz");
    name(2, "Qzz");
    questions.expect(1, "Zqx", change("Zax"));
    questions.expect(1, "Qzz", kCancel);
    const SpellingCheckOutcome outcome = check();
    EXPECT_TRUE(outcome.cancelled);
    EXPECT_EQ(nameIn(1), "The Zax Qzz");
    EXPECT_EQ(nameIn(2), "Qzz");
    EXPECT_EQ(names.shown, (std::vector<int>{1}));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0], spellingEndedMessage());
}

TEST_F(SpellingCheckTest, ChangingToNothingDeletesTheWordAndOneBlank) {
    name(1, "Big Zqx bill");
    name(2, "Rent Zqx");
    questions.expect(1, "Zqx", change(""));
    questions.expect(2, "Zqx", change(""));
    check();
    EXPECT_EQ(nameIn(1), "Big bill");
    EXPECT_EQ(nameIn(2), "Rent");
}

TEST_F(SpellingCheckTest, AddedWordsAreAcceptedFromThenOn) {
    name(1, "Zqx");
    name(2, "Zqx Rent");
    questions.expect(1, "Zqx", kAdd);
    const SpellingCheckOutcome outcome = check();
    EXPECT_EQ(engine.added, (std::vector<std::string>{"Zqx"}));
    EXPECT_EQ(outcome.events, 1);
    ASSERT_EQ(dialogs.messages.size(), 1u);
}

TEST_F(SpellingCheckTest, AWordThatCouldNotBeStoredIsReportedAndTheCheckGoesOn) {
    engine.addResult = {false, "The disk is full."};
    name(1, "Zqx");
    name(2, "Qzz");
    questions.expect(1, "Zqx", kAdd);
    questions.expect(2, "Qzz", kIgnore);
    check();
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[0], wordNotStoredMessage("Zqx", "The disk is full."));
    EXPECT_EQ(dialogs.messages[0].text,
              "\"Zqx\" could not be added to your word list CustomDict1.dct.\r\rThe disk is "
              "full.\r\rThe word is accepted until Coinwell is closed.");
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(dialogs.messages[1], spellingEndedMessage());
}

TEST_F(SpellingCheckTest, WordsWithDigitsAreNotChecked) {
    name(1, "Rent 2nd 401k");
    check();
    EXPECT_EQ(engine.looked, (std::vector<std::string>{"Rent"}));
}

TEST_F(SpellingCheckTest, WithoutAMainWordListNothingIsCheckedAndTheUserIsTold) {
    engine.isReady = false;
    name(1, "Teh Zqx");
    const SpellingCheckOutcome outcome = check();
    EXPECT_EQ(nameIn(1), "Teh Zqx");
    EXPECT_EQ(outcome.events, 0);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0], noMainWordListMessage());
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Exclamation);
}

TEST(SpellingChecker, AutomaticChangesFollowTheCaseOfWhatTheyReplace) {
    ListEngine engine{{}};
    SpellingChecker checker(engine);
    const auto at = [&checker](std::string_view text, std::size_t start) {
        const auto found = checker.automaticChange(text, start);
        return found ? std::string(text.substr(start, found->length)) + ">" + found->replacement
                     : std::string();
    };
    EXPECT_EQ(at("teh", 0), "teh>the");
    EXPECT_EQ(at("Teh", 0), "Teh>The");
    EXPECT_EQ(at("TEH", 0), "TEH>THE");
    EXPECT_EQ(at("i", 0), "i>I");
    EXPECT_EQ(at("Alot", 0), "Alot>A lot");
    EXPECT_EQ(at("so their are", 3), "their are>there are");
    EXPECT_EQ(at("tehx", 0), "");
    EXPECT_EQ(at("teh's", 0), "");
    EXPECT_EQ(at("teh-", 0), "teh>the");
    // The end marker is no replacement.
    checker.replacements().addEndMarker();
    EXPECT_EQ(at("theend1", 0), "");
}

// Every pair of the built-in table takes effect as typed: none is hidden behind an earlier pair
// or left unreadable by the checker (a misspelling listed twice takes its first correction).
TEST(SpellingChecker, EveryAutocorrectPairCorrectsItsMisspelling) {
    ListEngine engine{{}};
    const SpellingChecker checker(engine);
    std::set<std::string_view> seen;
    for (const AutocorrectPair& pair : autocorrectTable()) {
        if (!seen.insert(pair.misspelling).second) {
            continue;
        }
        const std::string typed = "so " + std::string(pair.misspelling) + " now";
        const auto change = checker.automaticChange(typed, 3);
        ASSERT_TRUE(change.has_value()) << pair.misspelling;
        EXPECT_EQ(change->length, pair.misspelling.size()) << pair.misspelling;
        EXPECT_EQ(change->replacement, pair.correction) << pair.misspelling;
    }
    EXPECT_GT(seen.size(), 200u);
}

}  // namespace
}  // namespace coinwell::budget
