// The spelling check on the real Home Budget screen with the installed en_US word list, the
// spelling dialog answered through its buttons: Command15 and Options > Spelling Check, the
// closing messages, automatic corrections going into the grid as unsaved edits, Change All
// reaching the later rows, Cancel, help, a word added and accepted in the next run, the Totals
// grid following the corrected names, and a missing main word list.

#include <QAction>
#include <QTimer>

#include <deque>
#include <functional>

#include "budget/core/spelling_texts.h"
#include "budget/core/user_word_list.h"
#include "budget/tests/budget_screen_fixture.h"
#include "budget/ui/budget_spelling.h"
#include "budget/ui/hunspell_engine.h"
#include "budget/ui/spelling_dialog.h"

using namespace coinwell;
using namespace coinwell::budget;

namespace {

// Answers the spelling dialog when it comes up: each step names the word it expects and the
// button it clicks (or, with a button name starting "key:", the key it presses: "key:F1"), with
// an optional Change To text and a look at the screen while the dialog is up.
class DialogAnswers : public QObject {
  public:
    struct Step {
        QString word;
        const char* button;
        QString changeTo;
        std::function<void()> meanwhile;
    };

    DialogAnswers() {
        timer_.setInterval(10);
        connect(&timer_, &QTimer::timeout, this, &DialogAnswers::answer);
        timer_.start();
    }
    void add(Step step) { steps_.push_back(std::move(step)); }
    bool done() const { return steps_.empty(); }
    const QStringList& problems() const { return problems_; }
    const QStringList& contexts() const { return contexts_; }

  private:
    void answer() {
        auto* dialog = qobject_cast<SpellingDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible()) {
            return;
        }
        const QString word = dialog->findChild<QLabel*>(QStringLiteral("txtWord"))->text();
        contexts_ << dialog->findChild<QLabel*>(QStringLiteral("lblContext"))->text() + " " + word;
        if (steps_.empty()) {
            problems_ << QStringLiteral("unexpected question about ") + word;
            dialog->findChild<QPushButton*>(QStringLiteral("cmdCancel"))->click();
            return;
        }
        const Step step = steps_.front();
        steps_.pop_front();
        if (word != step.word) {
            problems_ << QStringLiteral("asked about %1 instead of %2").arg(word, step.word);
        }
        if (step.meanwhile) {
            step.meanwhile();
        }
        if (!step.changeTo.isNull()) {
            dialog->findChild<QLineEdit*>(QStringLiteral("txtChangeTo"))->setText(step.changeTo);
        }
        const QString button = QLatin1String(step.button);
        if (button.startsWith(QStringLiteral("key:"))) {
            QWidget* focus = dialog->focusWidget() ? dialog->focusWidget() : dialog;
            QTest::keyClick(focus,
                            button == QStringLiteral("key:F1") ? Qt::Key_F1 : Qt::Key_Escape);
        } else {
            dialog->findChild<QPushButton*>(button)->click();
        }
    }

    QTimer timer_;
    std::deque<Step> steps_;
    QStringList problems_;
    QStringList contexts_;
};

BudgetYear namedYear(const std::vector<std::pair<int, std::string>>& names) {
    BudgetYear year;
    for (const auto& [row, name] : names) {
        *year.cell(row, kItemColumn) = name;
    }
    return year;
}

}  // namespace

class BudgetSpellingTest : public QObject, public BudgetScreenFixture {
    Q_OBJECT

  private slots:
    void initTestCase();
    void init();
    void cleanup();
    void nothingMisspelledSaysSo();
    void menuItemRunsTheCheckToo();
    void automaticCorrectionsAreUnsavedEdits();
    void changeAllReachesTheLaterRowsAndStartsOver();
    void cancelKeepsWhatWasChangedAndEnds();
    void theMenuChecksANameStillBeingTyped();
    void helpAndEscapeBelongToTheDialog();
    void aWordAddedIsAcceptedInTheNextRun();
    void theTotalsGridFollowsCorrectedNames();
    void withoutAMainWordListTheUserIsTold();

  private:
    // Opens the screen with 2012 holding the names, with a spelling engine of its own.
    void openWith(const BudgetYear& year);
    void runCheck(DialogAnswers& answers, const MessageRequest& closing);
    // The dialog up now stands clear of the row it asks about.
    void verifyDialogClearOfRow(int row) const;
    std::string userList() const { return env->folder.filePath(kUserWordListFile).string(); }

    std::optional<MainWordList> mainList_;
    std::unique_ptr<HunspellEngine> engine_;
};

void BudgetSpellingTest::initTestCase() {
    mainList_ = findMainWordList();
    if (!mainList_) {
        QSKIP("no en_US word list installed");
    }
}

void BudgetSpellingTest::init() {
    start();
    env->watchdog.allowDialog(QStringLiteral("SpellingDialog"));
    engine_ = std::make_unique<HunspellEngine>(mainList_, userList());
    parts = [this](BudgetScreen& budget) { attachSpellingCheck(budget, *engine_); };
}

void BudgetSpellingTest::cleanup() {
    finish();
    engine_.reset();
}

void BudgetSpellingTest::openWith(const BudgetYear& year) {
    storeYear("2012", year);
    open();
    pickYear("2012");
}

void BudgetSpellingTest::verifyDialogClearOfRow(int row) const {
    QWidget* dialog = QApplication::activeModalWidget();
    QVERIFY(dialog);
    const QRect cell = grid()->visualRect(grid()->model()->index(row - 1, 0));
    const QRect onScreen(grid()->viewport()->mapToGlobal(cell.topLeft()), cell.size());
    QVERIFY2(!dialog->frameGeometry().intersects(onScreen),
             qPrintable(QStringLiteral("the dialog covers row %1").arg(row)));
}

void BudgetSpellingTest::runCheck(DialogAnswers& answers, const MessageRequest& closing) {
    env->desktop.expectMessage(closing, Answer::Ok);
    QTest::mouseClick(button("Command15"), Qt::LeftButton);
    QVERIFY2(answers.problems().isEmpty(), qPrintable(answers.problems().join('\n')));
    QVERIFY2(answers.done(), "not every expected question was asked");
}

void BudgetSpellingTest::nothingMisspelledSaysSo() {
    openWith(namedYear({{1, "Rent"}, {2, "Groceries"}, {4, "Car Insurance"}, {9, "Kid's school"}}));
    DialogAnswers answers;
    runCheck(answers, nothingMisspelledMessage());
    QCOMPARE(QString::fromStdString(env->desktop.messages().back().text),
             QString("Spelling Check did not change or did not find any misspelled words!"));
    QVERIFY(!screen->unsavedChanges());
    QCOMPARE(cell(4, 1), QString("Car Insurance"));

    // An empty year asks nothing either.
    pickYear("2013");
    runCheck(answers, nothingMisspelledMessage());
}

void BudgetSpellingTest::menuItemRunsTheCheckToo() {
    openWith(namedYear({{1, "Rent"}}));
    env->desktop.expectMessage(nothingMisspelledMessage(), Answer::Ok);
    action("mOSpell")->trigger();
    QCOMPARE(button("Command15")->text(), QString("Spelling Chec&k"));
}

void BudgetSpellingTest::automaticCorrectionsAreUnsavedEdits() {
    openWith(namedYear({{1, "Rent"}, {3, "Teh morgage payment"}, {5, "Alot of food"}}));
    QVERIFY(!screen->unsavedChanges());
    DialogAnswers answers;
    runCheck(answers, spellingEndedMessage());
    QCOMPARE(cell(3, 1), QString("The mortgage payme"));
    QCOMPARE(cell(5, 1), QString("A lot of food"));
    QVERIFY(screen->unsavedChanges());
    // The grid shows the corrected names.
    const QModelIndex third = grid()->model()->index(2, 0);
    QCOMPARE(third.data().toString(), QString("The mortgage payme"));
    // The file holds them once saved.
    QTest::mouseClick(button("Command5"), Qt::LeftButton);
    QCOMPARE(readYearFile(env->folder.filePath("2012.Fil")).year.cellText(5, 1),
             std::string("A lot of food"));
}

void BudgetSpellingTest::changeAllReachesTheLaterRowsAndStartsOver() {
    openWith(namedYear({{1, "Zqxwv"},
                        {2, "Pay groseries"},
                        {7, "Groseries"},
                        {8, "groseries store"},
                        {9, "Groseriesque"}}));
    {
        DialogAnswers answers;
        answers.add({"Zqxwv", "cmdIgnore", {}, {}});
        answers.add({"groseries", "cmdChangeAll", QStringLiteral("groceries"), [this] {
                         // The grid shows the row being checked, the dialog leaves it in view.
                         QCOMPARE(screen->currentRow(), 2);
                         QCOMPARE(screen->currentColumn(), 1);
                         verifyDialogClearOfRow(2);
                     }});
        // Starting over from row 1: the later rows already read corrected, row 1 is as it was.
        answers.add({"Zqxwv", "cmdIgnore", {}, [this] {
                         QCOMPARE(cell(7, 1), QString("Groceries"));
                         QCOMPARE(cell(8, 1), QString("groceries store"));
                         QCOMPARE(cell(1, 1), QString("Zqxwv"));
                         QCOMPARE(screen->currentRow(), 1);
                     }});
        answers.add({"Groseriesque", "cmdIgnore", {}, [this] { verifyDialogClearOfRow(9); }});
        runCheck(answers, spellingEndedMessage());
        QCOMPARE(cell(2, 1), QString("Pay groceries"));
        QCOMPARE(cell(7, 1), QString("Groceries"));
        QCOMPARE(cell(9, 1), QString("Groseriesque"));
        QVERIFY(screen->unsavedChanges());
        QCOMPARE(answers.contexts(),
                 QStringList({"Item (Row 1): Zqxwv", "Item (Row 2): groseries",
                              "Item (Row 1): Zqxwv", "Item (Row 9): Groseriesque"}));
    }

    // The screen keeps the pair while it is open: a later check corrects without asking.
    QVERIFY(screen->setCellText(12, 1, "Groseries"));
    DialogAnswers again;
    again.add({"Zqxwv", "cmdIgnoreAll", {}, {}});
    again.add({"Groseriesque", "cmdIgnore", {}, {}});
    runCheck(again, spellingEndedMessage());
    QCOMPARE(cell(12, 1), QString("Groceries"));
}

void BudgetSpellingTest::cancelKeepsWhatWasChangedAndEnds() {
    openWith(namedYear({{1, "Teh Zqxwv"}, {2, "Qzzyq"}}));
    DialogAnswers answers;
    answers.add({"Zqxwv", "cmdCancel", {}, {}});
    runCheck(answers, spellingEndedMessage());
    QCOMPARE(cell(1, 1), QString("The Zqxwv"));
    QCOMPARE(cell(2, 1), QString("Qzzyq"));
    QVERIFY(screen->unsavedChanges());
}

// Spelling Check chosen from the menu while a name is still being typed in the grid checks
// that name too.
void BudgetSpellingTest::theMenuChecksANameStillBeingTyped() {
    openWith(namedYear({{2, "Rent"}}));
    clickCell(1, 1);
    QTest::keyClicks(grid(), "T");
    QTest::keyClicks(QApplication::focusWidget(), "eh bills");
    QVERIFY(editorShown());
    env->desktop.expectMessage(spellingEndedMessage(), Answer::Ok);
    chooseMenuItem(screen->optionsMenu(), "mOSpell");
    QTRY_COMPARE(cell(1, 1), QString("The bills"));
}

void BudgetSpellingTest::helpAndEscapeBelongToTheDialog() {
    openWith(namedYear({{1, "Zqxwv"}, {2, "Qzzyq"}}));
    DialogAnswers answers;
    answers.add({"Zqxwv", "cmdHelp", {}, {}});
    // F1 in the dialog is the spelling topic, not the Home Budget's.
    answers.add({"Zqxwv", "key:F1", {}, {}});
    answers.add({"Zqxwv", "cmdChange", QStringLiteral("Rent"), {}});
    // Esc cancels the check and leaves the screen open.
    answers.add({"Qzzyq", "key:Escape", {}, {}});
    runCheck(answers, spellingEndedMessage());
    QCOMPARE(env->desktop.helpTopics(), (std::vector<int>{5050, 5050}));
    QCOMPARE(cell(1, 1), QString("Rent"));
    QCOMPARE(cell(2, 1), QString("Qzzyq"));
    QVERIFY(screen->isVisible());
}

void BudgetSpellingTest::aWordAddedIsAcceptedInTheNextRun() {
    openWith(namedYear({{1, "Zqxwv Rent"}, {2, "Zqxwv"}}));
    DialogAnswers answers;
    answers.add({"Zqxwv", "cmdAdd", {}, {}});
    runCheck(answers, spellingEndedMessage());
    QCOMPARE(env->folder.readBytes(kUserWordListFile), std::string("Zqxwv\r\n"));
    QVERIFY(!screen->unsavedChanges());

    // The next run of the program: a new engine reads the list when it loads.
    screen->closeQuietly();
    screen = nullptr;
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    engine_ = std::make_unique<HunspellEngine>(mainList_, userList());
    QVERIFY(!engine_->loaded());
    open();
    pickYear("2012");
    DialogAnswers nextRun;
    runCheck(nextRun, nothingMisspelledMessage());
}

void BudgetSpellingTest::theTotalsGridFollowsCorrectedNames() {
    BudgetYear year = namedYear({{1, "Teh rent"}, {2, "Food"}});
    year.items[0].amounts[0] = "800.00";
    year.items[1].amounts[0] = "200.00";
    year.income[0] = "2000.00";
    openWith(year);
    action("mOT")->trigger();
    QVERIFY(screen->totalsShown());
    QCOMPARE(screen->totalsPanel()->grid()->item(0, 0)->text(), QString("Teh rent"));
    DialogAnswers answers;
    runCheck(answers, spellingEndedMessage());
    QCOMPARE(screen->totalsPanel()->grid()->item(0, 0)->text(), QString("The rent"));
}

void BudgetSpellingTest::withoutAMainWordListTheUserIsTold() {
    engine_ = std::make_unique<HunspellEngine>(std::nullopt, userList());
    openWith(namedYear({{1, "Teh Zqxwv"}}));
    DialogAnswers answers;
    runCheck(answers, noMainWordListMessage());
    QCOMPARE(cell(1, 1), QString("Teh Zqxwv"));
    QVERIFY(!screen->unsavedChanges());
}

QTEST_MAIN(BudgetSpellingTest)
#include "budget_spelling_qtest.moc"
