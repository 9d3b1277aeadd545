// The Home Budget's spelling check: loading the word lists (once per run), checking 50
// correctly spelled names (in the core and on the screen, where each row is made current),
// the automatic corrections of 50 names, carrying the replacements into 49 later names, and
// registering the autocorrect table as a screen opens.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QMainWindow>
#include <QTemporaryDir>

#include <memory>

#include "budget/core/change_everywhere.h"
#include "budget/core/spelling_check.h"
#include "budget/core/year_choice.h"
#include "budget/core/year_file.h"
#include "budget/ui/budget_assembly.h"
#include "budget/ui/budget_screen.h"
#include "budget/ui/budget_spelling.h"
#include "budget/ui/hunspell_engine.h"
#include "common/core/run_settings.h"
#include "common/ui/app_context.h"
#include "common/ui/qt_desktop.h"
#include "support/bench_application.h"

using namespace coinwell;
using coinwell::bench::ensureApplication;
using namespace coinwell::budget;

namespace {

// Fifty names of correctly spelled words, as a household writes them.
BudgetYear correctlySpelledYear() {
    static const char* const kNames[] = {
        "Rent",           "Groceries",       "Electric bill", "Water and sewer", "Gas heating",
        "Car payment",    "Car insurance",   "Gasoline",      "Phone",           "Internet",
        "Cable TV",       "Home insurance",  "Property tax",  "Doctor visits",   "Dentist",
        "Medicine",       "School lunches",  "Kid's clothes", "Haircuts",        "Pet food",
        "Veterinarian",   "Gifts",           "Church",        "Charity",         "Savings",
        "Retirement",     "Vacation fund",   "Restaurants",   "Movies",          "Books",
        "Newspaper",      "Garden supplies", "Repairs",       "Furniture",       "Appliances",
        "Laundry",        "Cleaning",        "Babysitter",    "Piano lessons",   "Soccer team",
        "Gym membership", "Credit card",     "Student loan",  "Bank fees",       "Postage",
        "Parking",        "Bus fare",        "Toiletries",    "Birthday party",  "Emergency fund"};
    BudgetYear year;
    for (int row = 1; row <= kItemRows; ++row) {
        *year.cell(row, kItemColumn) = kNames[row - 1];
    }
    return year;
}

// The first word of each of those names after a misspelling from the autocorrect table.
BudgetYear misspelledYear() {
    BudgetYear year = correctlySpelledYear();
    for (int row = 1; row <= kItemRows; ++row) {
        std::string* name = year.cell(row, kItemColumn);
        *name = (row % 2 ? "Teh " : "alot of ") + name->substr(0, name->find(' '));
    }
    return year;
}

// The run's engine, loaded before the timing starts (as the first check of a run does).
HunspellEngine& loadedEngine() {
    static HunspellEngine engine(findMainWordList(), {});
    engine.ready();
    return engine;
}

class NoQuestions : public SpellingQuestions {
  public:
    SpellingDecision ask(const DoubtfulWord&) override { return {SpellingAction::Cancel, {}}; }
};

class QuietDialogs : public QtDesktop {
  public:
    Answer message(const MessageRequest&) override { return Answer::Ok; }
};

void LoadWordLists(benchmark::State& state) {
    const std::optional<MainWordList> lists = findMainWordList();
    for (auto _ : state) {
        HunspellEngine engine(lists, {});
        benchmark::DoNotOptimize(engine.ready());
    }
}
BENCHMARK(LoadWordLists)->Unit(benchmark::kMillisecond);

void RegisterAutocorrectTable(benchmark::State& state) {
    HunspellEngine& engine = loadedEngine();
    for (auto _ : state) {
        SpellingChecker checker(engine);
        benchmark::DoNotOptimize(checker.replacements().size());
    }
}
BENCHMARK(RegisterAutocorrectTable)->Unit(benchmark::kMicrosecond);

void CheckFiftyCorrectNames(benchmark::State& state) {
    ensureApplication();
    SpellingChecker checker(loadedEngine());
    QuietDialogs dialogs;
    NoQuestions questions;
    const BudgetYear names = correctlySpelledYear();
    for (auto _ : state) {
        BudgetYear year = names;
        YearItemNames items(year);
        const SpellingCheckOutcome outcome = checkItemNames(checker, items, questions, dialogs);
        if (outcome.events != 0) {
            state.SkipWithError("a correctly spelled name was questioned");
        }
    }
}
BENCHMARK(CheckFiftyCorrectNames)->Unit(benchmark::kMillisecond);

void CorrectFiftyNamesAutomatically(benchmark::State& state) {
    ensureApplication();
    SpellingChecker checker(loadedEngine());
    QuietDialogs dialogs;
    NoQuestions questions;
    const BudgetYear names = misspelledYear();
    for (auto _ : state) {
        BudgetYear year = names;
        YearItemNames items(year);
        const SpellingCheckOutcome outcome = checkItemNames(checker, items, questions, dialogs);
        if (outcome.events != kItemRows) {
            state.SkipWithError("a name was not corrected, or a word was questioned");
        }
    }
}
BENCHMARK(CorrectFiftyNamesAutomatically)->Unit(benchmark::kMillisecond);

void ChangeEverywhereIntoFortyNineNames(benchmark::State& state) {
    ReplacementList list = autocorrectReplacements();
    list.add("groseries", "groceries");
    list.addEndMarker();
    const BudgetYear names = misspelledYear();
    for (auto _ : state) {
        BudgetYear year = names;
        YearItemNames items(year);
        benchmark::DoNotOptimize(changeEverywhere(list, items, 1));
    }
}
BENCHMARK(ChangeEverywhereIntoFortyNineNames)->Unit(benchmark::kMillisecond);

// Command15 on the screen: each row made current in the grid, the closing message answered.
void CheckFiftyCorrectNamesOnTheScreen(benchmark::State& state) {
    ensureApplication();
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    const QDate today = QDate::currentDate();
    writeYearFile(yearFileName(todaysBudgetYear({today.year(), today.month(), today.day()})),
                  correctlySpelledYear());
    QuietDialogs desktop;
    RunSettings settings;
    AppContext context{desktop, settings};
    QMainWindow main;
    main.setGeometry(0, 0, 1024, 700);
    HunspellEngine& engine = loadedEngine();
    auto* screen = assembleBudgetScreen(
        context, &main, [&engine](BudgetScreen& budget) { attachSpellingCheck(budget, engine); });
    screen->present();
    screen->activate();
    QApplication::processEvents();
    for (auto _ : state) {
        screen->hooks().checkSpelling(*screen);
        QApplication::processEvents();
    }
    if (screen->unsavedChanges()) {
        state.SkipWithError("a correctly spelled name was changed");
    }
    screen->closeQuietly();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QDir::setCurrent(previous);
}
BENCHMARK(CheckFiftyCorrectNamesOnTheScreen)->Unit(benchmark::kMillisecond);

}  // namespace
