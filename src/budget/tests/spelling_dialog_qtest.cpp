// The spelling dialog on its own: the word in its item name with the suggestions, what each
// button decides, choosing a suggestion, deleting a word, a spelling the year file cannot hold,
// help, the keys, and the modal question through DialogSpellingQuestions.

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTextDocument>
#include <QTimer>

#include <memory>

#include "budget/core/budget_texts.h"
#include "budget/ui/spelling_dialog.h"
#include "common/tests/support/screen_test_environment.h"

using namespace coinwell;
using namespace coinwell::budget;

Q_DECLARE_METATYPE(coinwell::budget::SpellingAction)

namespace {

DoubtfulWord groseries() {
    return {2, "Big Groseries bill", 4, 9, {"Groceries", "Grocer's"}};
}

QString plainText(const QLabel* label) {
    QTextDocument document;
    document.setHtml(label->text());
    return document.toPlainText();
}

}  // namespace

class SpellingDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();
    void showsTheWordInItsNameWithTheSuggestions();
    void eachButtonDecides_data();
    void eachButtonDecides();
    void choosingASuggestionFillsChangeTo();
    void doubleClickOnASuggestionChangesToIt();
    void withoutSuggestionsChangeToHoldsTheWord();
    void anEmptyChangeToDeletesTheWord();
    void aSpellingTheYearFileCannotHoldIsRefused();
    void enterChangesEscapeAndTheCloseBoxCancel();
    void helpButtonAndF1OpenTheSpellingTopic();
    void questionsAreAskedModally();

  private:
    template <typename T>
    T* child(const char* name) const {
        T* widget = dialog_->findChild<T*>(QLatin1String(name));
        if (!widget) {
            qWarning("missing %s", name);
        }
        return widget;
    }
    QPushButton* button(const char* name) const { return child<QPushButton>(name); }
    QLineEdit* changeTo() const { return child<QLineEdit>("txtChangeTo"); }
    QListWidget* suggestions() const { return child<QListWidget>("lstSuggestions"); }
    void show(const DoubtfulWord& word) {
        dialog_->present(word);
        dialog_->show();
        QApplication::processEvents();
    }

    std::unique_ptr<ScreenTestEnvironment> env_;
    std::unique_ptr<QWidget> owner_;
    std::unique_ptr<SpellingDialog> dialog_;
};

void SpellingDialogTest::init() {
    env_ = std::make_unique<ScreenTestEnvironment>();
    env_->watchdog.allowDialog(QStringLiteral("SpellingDialog"));
    owner_ = std::make_unique<QWidget>();
    owner_->resize(640, 480);
    owner_->show();
    dialog_ = std::make_unique<SpellingDialog>(env_->desktop, owner_.get());
}

void SpellingDialogTest::cleanup() {
    dialog_.reset();
    owner_.reset();
    COINWELL_VERIFY_DESKTOP(env_->desktop);
    COINWELL_VERIFY_WATCHDOG(env_->watchdog);
    env_.reset();
}

void SpellingDialogTest::showsTheWordInItsNameWithTheSuggestions() {
    show(groseries());
    QCOMPARE(dialog_->windowTitle(), QString("Spelling Check"));
    QVERIFY(dialog_->isModal());
    QCOMPARE(child<QLabel>("lblNotInDictionary")->text(), QString("Not in Dictionary:"));
    QCOMPARE(child<QLabel>("txtWord")->text(), QString("Groseries"));
    QCOMPARE(child<QLabel>("lblContext")->text(), QString("Item (Row 2):"));
    QCOMPARE(plainText(child<QLabel>("txtContext")), QString("Big Groseries bill"));
    // The word stands out in its name.
    QVERIFY(child<QLabel>("txtContext")->text().contains(QStringLiteral("<b>")));
    QCOMPARE(suggestions()->count(), 2);
    QCOMPARE(suggestions()->item(0)->text(), QString("Groceries"));
    QCOMPARE(suggestions()->item(1)->text(), QString("Grocer's"));
    QCOMPARE(changeTo()->text(), QString("Groceries"));
    QCOMPARE(button("cmdChange")->text(), QString("&Change"));
    QCOMPARE(button("cmdChangeAll")->text(), QString("Change A&ll"));
    for (const char* name : {"cmdIgnore", "cmdIgnoreAll", "cmdChange", "cmdChangeAll", "cmdAdd",
                             "cmdCancel", "cmdHelp"}) {
        QVERIFY2(button(name) && button(name)->isVisible() && button(name)->isEnabled(), name);
    }
    // A name with markup characters shows them as text.
    show({1, "<b>Tom & Jerry's</b> Zqx", 21, 3, {}});
    QCOMPARE(plainText(child<QLabel>("txtContext")), QString("<b>Tom & Jerry's</b> Zqx"));
}

void SpellingDialogTest::eachButtonDecides_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<SpellingAction>("action");
    QTest::addColumn<QString>("replacement");
    QTest::addColumn<int>("result");
    QTest::newRow("Ignore") << "cmdIgnore" << SpellingAction::Ignore << ""
                            << int(QDialog::Accepted);
    QTest::newRow("Ignore All") << "cmdIgnoreAll" << SpellingAction::IgnoreAll << ""
                                << int(QDialog::Accepted);
    QTest::newRow("Change") << "cmdChange" << SpellingAction::Change << "Groceries"
                            << int(QDialog::Accepted);
    QTest::newRow("Change All") << "cmdChangeAll" << SpellingAction::ChangeAll << "Groceries"
                                << int(QDialog::Accepted);
    QTest::newRow("Add") << "cmdAdd" << SpellingAction::Add << "" << int(QDialog::Accepted);
    QTest::newRow("Cancel") << "cmdCancel" << SpellingAction::Cancel << ""
                            << int(QDialog::Rejected);
}

void SpellingDialogTest::eachButtonDecides() {
    QFETCH(QString, button);
    QFETCH(SpellingAction, action);
    QFETCH(QString, replacement);
    QFETCH(int, result);
    show(groseries());
    QTest::mouseClick(this->button(qPrintable(button)), Qt::LeftButton);
    QVERIFY(!dialog_->isVisible());
    QCOMPARE(dialog_->result(), result);
    QCOMPARE(dialog_->decision().action, action);
    QCOMPARE(QString::fromStdString(dialog_->decision().replacement), replacement);
}

void SpellingDialogTest::choosingASuggestionFillsChangeTo() {
    show(groseries());
    QListWidget* list = suggestions();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(1)).center());
    QCOMPARE(changeTo()->text(), QString("Grocer's"));
    // The arrow keys move through the list too.
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Up);
    QCOMPARE(changeTo()->text(), QString("Groceries"));
    // A spelling typed instead of a suggestion.
    changeTo()->setFocus();
    changeTo()->selectAll();
    QTest::keyClicks(changeTo(), "  Grocery  ");
    QTest::mouseClick(button("cmdChangeAll"), Qt::LeftButton);
    QCOMPARE(dialog_->decision(), (SpellingDecision{SpellingAction::ChangeAll, "Grocery"}));
}

void SpellingDialogTest::doubleClickOnASuggestionChangesToIt() {
    show(groseries());
    QListWidget* list = suggestions();
    const QPoint second = list->visualItemRect(list->item(1)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, second);
    QVERIFY(!dialog_->isVisible());
    QCOMPARE(dialog_->decision(), (SpellingDecision{SpellingAction::Change, "Grocer's"}));
}

void SpellingDialogTest::withoutSuggestionsChangeToHoldsTheWord() {
    show({5, "Zqxwv", 0, 5, {}});
    QCOMPARE(changeTo()->text(), QString("Zqxwv"));
    QCOMPARE(suggestions()->count(), 1);
    QCOMPARE(suggestions()->item(0)->text(), QString("(no suggestions)"));
    QVERIFY(!(suggestions()->item(0)->flags() & Qt::ItemIsEnabled));
    QTest::mouseClick(suggestions()->viewport(), Qt::LeftButton, {},
                      suggestions()->visualItemRect(suggestions()->item(0)).center());
    QCOMPARE(changeTo()->text(), QString("Zqxwv"));
}

void SpellingDialogTest::anEmptyChangeToDeletesTheWord() {
    show(groseries());
    changeTo()->clear();
    QCOMPARE(button("cmdChange")->text(), QString("&Delete"));
    QCOMPARE(button("cmdChangeAll")->text(), QString("De&lete All"));
    QTest::keyClicks(changeTo(), "G");
    QCOMPARE(button("cmdChange")->text(), QString("&Change"));
    changeTo()->setText(QStringLiteral("   "));
    QTest::mouseClick(button("cmdChange"), Qt::LeftButton);
    QCOMPARE(dialog_->decision(), (SpellingDecision{SpellingAction::Change, ""}));
    // The next word starts with the Change captions again.
    show(groseries());
    QCOMPARE(button("cmdChange")->text(), QString("&Change"));
}

void SpellingDialogTest::aSpellingTheYearFileCannotHoldIsRefused() {
    show(groseries());
    changeTo()->setText(QStringLiteral("Grocer\u6771"));
    env_->desktop.expectMessage(unstorableCharacterMessage("\u6771"), Answer::Ok);
    QTest::mouseClick(button("cmdChange"), Qt::LeftButton);
    QVERIFY(dialog_->isVisible());
    env_->desktop.expectMessage(unstorableCharacterMessage("\""), Answer::Ok);
    changeTo()->setText(QStringLiteral("Say \"hi\""));
    QTest::mouseClick(button("cmdChangeAll"), Qt::LeftButton);
    QVERIFY(dialog_->isVisible());
    changeTo()->setText(QStringLiteral("Groceries"));
    QTest::mouseClick(button("cmdChange"), Qt::LeftButton);
    QVERIFY(!dialog_->isVisible());
    QCOMPARE(dialog_->decision(), (SpellingDecision{SpellingAction::Change, "Groceries"}));
}

void SpellingDialogTest::enterChangesEscapeAndTheCloseBoxCancel() {
    show(groseries());
    QTest::keyClick(changeTo(), Qt::Key_Return);
    QCOMPARE(dialog_->decision(), (SpellingDecision{SpellingAction::Change, "Groceries"}));

    show(groseries());
    QTest::keyClick(changeTo(), Qt::Key_Escape);
    QVERIFY(!dialog_->isVisible());
    QCOMPARE(dialog_->decision().action, SpellingAction::Cancel);

    show(groseries());
    dialog_->close();
    QCOMPARE(dialog_->decision().action, SpellingAction::Cancel);
}

void SpellingDialogTest::helpButtonAndF1OpenTheSpellingTopic() {
    show(groseries());
    QTest::mouseClick(button("cmdHelp"), Qt::LeftButton);
    QTest::keyClick(changeTo(), Qt::Key_F1);
    QCOMPARE(env_->desktop.helpTopics(), (std::vector<int>{5050, 5050}));
    // Help decides nothing: the word is still asked.
    QVERIFY(dialog_->isVisible());
    QTest::mouseClick(button("cmdIgnore"), Qt::LeftButton);
    QCOMPARE(dialog_->decision().action, SpellingAction::Ignore);
}

void SpellingDialogTest::questionsAreAskedModally() {
    dialog_.reset();
    DialogSpellingQuestions questions(env_->desktop, owner_.get());
    QStringList seen;
    const auto answer = [&seen](const char* buttonName) {
        QTimer::singleShot(0, [&seen, buttonName] {
            auto* modal = qobject_cast<SpellingDialog*>(QApplication::activeModalWidget());
            if (!modal) {
                seen << QStringLiteral("no dialog");
                return;
            }
            seen << modal->findChild<QLabel*>(QStringLiteral("txtWord"))->text();
            modal->findChild<QPushButton*>(QLatin1String(buttonName))->click();
        });
    };
    answer("cmdChangeAll");
    QCOMPARE(questions.ask(groseries()),
             (SpellingDecision{SpellingAction::ChangeAll, "Groceries"}));
    answer("cmdCancel");
    QCOMPARE(questions.ask({3, "Zqxwv", 0, 5, {}}).action, SpellingAction::Cancel);
    QCOMPARE(seen, QStringList({"Groseries", "Zqxwv"}));
}

QTEST_MAIN(SpellingDialogTest)
#include "spelling_dialog_qtest.moc"
