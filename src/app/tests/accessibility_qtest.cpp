// Every tool screen, and the panels and dialogs reachable from it, read by a screen reader: each
// visible control a user works with has a name, and Tab reaches every button and input.

#include <memory>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <QTextEdit>

#include "actuarial/ui/actuarial_screen.h"
#include "backup/core/backup_request.h"
#include "backup/ui/backup_dialog.h"
#include "budget/ui/budget_assembly.h"
#include "budget/ui/budget_screen.h"
#include "budget/ui/compare_panel.h"
#include "budget/ui/totals_panel.h"
#include "budget/ui/versions_dialog.h"
#include "calculator/ui/sci_calc.h"
#include "common/tests/support/screen_test_environment.h"
#include "common/tests/support/window_switch.h"
#include "homecalc/ui/home_calc.h"
#include "loan/ui/extra_payments_panel.h"
#include "loan/ui/loan_sheet.h"

namespace coinwell {
namespace {

bool isInteractiveRole(QAccessible::Role role) {
    switch (role) {
        case QAccessible::PushButton:
        case QAccessible::CheckBox:
        case QAccessible::RadioButton:
        case QAccessible::ComboBox:
        case QAccessible::EditableText:
        case QAccessible::SpinBox:
        case QAccessible::List:
        case QAccessible::Table:
        case QAccessible::Tree:
        case QAccessible::Slider:
        case QAccessible::ScrollBar:
            return true;
        default:
            return false;
    }
}

// A list box's name on Linux is its value: its caption comes through the label relation.
bool hasName(QAccessibleInterface* iface) {
    if (iface->role() == QAccessible::ComboBox) {
        return !iface->relations(QAccessible::Label).isEmpty();
    }
    return !iface->text(QAccessible::Name).trimmed().isEmpty();
}

// The visible interactive controls under `iface` without a name, as "objectName (role)".
void collectUnnamed(QAccessibleInterface* iface, QStringList& offenders, int depth = 0) {
    if (!iface || !iface->isValid() || depth > 40) {
        return;
    }
    const QAccessible::State state = iface->state();
    if (state.invisible) {
        return;
    }
    QObject* object = iface->object();
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget && isInteractiveRole(iface->role()) && iface->role() != QAccessible::ScrollBar &&
        !hasName(iface)) {
        offenders << QStringLiteral("%1 (%2)")
                         .arg(widget->objectName().isEmpty() && widget->parentWidget()
                                  ? widget->parentWidget()->objectName() + QLatin1Char('/') +
                                        QString::fromLatin1(widget->metaObject()->className())
                                  : widget->objectName())
                         .arg(int(iface->role()));
    }
    // Cells and the inner parts of item views are the view's own business.
    if (widget && qobject_cast<QAbstractItemView*>(widget)) {
        return;
    }
    for (int i = 0; i < iface->childCount(); ++i) {
        collectUnnamed(iface->child(i), offenders, depth + 1);
    }
}

QStringList unnamedControls(QWidget* root) {
    QStringList offenders;
    collectUnnamed(QAccessible::queryAccessibleInterface(root), offenders);
    offenders.removeDuplicates();
    return offenders;
}

bool takesKeyboard(const QWidget* widget) {
    return qobject_cast<const QAbstractButton*>(widget) || qobject_cast<const QLineEdit*>(widget) ||
           qobject_cast<const QComboBox*>(widget) ||
           qobject_cast<const QAbstractSpinBox*>(widget) ||
           qobject_cast<const QAbstractItemView*>(widget) ||
           qobject_cast<const QAbstractSlider*>(widget) || qobject_cast<const QTextEdit*>(widget) ||
           qobject_cast<const QPlainTextEdit*>(widget);
}

// The visible, enabled buttons and inputs of `root` that Tab never reaches from the first one.
QStringList unreachedByTab(QWidget* root) {
    QList<QWidget*> wanted;
    for (QWidget* widget : root->findChildren<QWidget*>()) {
        if (takesKeyboard(widget) && widget->isVisibleTo(root) && widget->isEnabled() &&
            (widget->focusPolicy() & Qt::TabFocus) && !qobject_cast<QAbstractSlider*>(widget)) {
            wanted << widget;
        }
    }
    QSet<QWidget*> reached;
    QWidget* start = root->focusWidget() ? root->focusWidget() : root;
    QWidget* current = start;
    reached.insert(start);
    for (QWidget* p = start->parentWidget(); p; p = p->parentWidget()) {
        reached.insert(p);
    }
    for (int step = 0; step < 2000; ++step) {
        current = current->nextInFocusChain();
        if (current == start) {
            break;
        }
        if (current->isVisibleTo(root) && current->isEnabled() &&
            (current->focusPolicy() & Qt::TabFocus)) {
            reached.insert(current);
            // A box's inner editor stands for the box.
            for (QWidget* p = current->parentWidget(); p; p = p->parentWidget()) {
                reached.insert(p);
            }
        }
    }
    QStringList missed;
    for (QWidget* widget : wanted) {
        if (!reached.contains(widget) && !reached.contains(widget->focusProxy())) {
            missed << widget->objectName();
        }
    }
    return missed;
}

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();
    void loanSheetAndExtraPayments();
    void homeBudgetAndTotals();
    void homeBudgetVersions();
    void actuarial();
    void homeCalculator();
    void calculator();
    void backupDialog();

  private:
    template <class Screen>
    Screen* open(Screen* screen) {
        opened_ = screen;
        screen->present();
        enterScreen(screen);
        QApplication::processEvents();
        return screen;
    }
    void checkScreen(QWidget* screen) {
        const QStringList unnamed = unnamedControls(screen);
        QVERIFY2(unnamed.isEmpty(), qPrintable("without a name: " + unnamed.join(", ")));
        const QStringList missed = unreachedByTab(screen);
        QVERIFY2(missed.isEmpty(), qPrintable("Tab never reaches: " + missed.join(", ")));
    }
    // A panel the screen shows on demand, shown for the check and hidden again.
    void checkPanel(QWidget* screen, QWidget* panel) {
        QVERIFY(panel != nullptr);
        const bool wasHidden = panel->isHidden();
        panel->show();
        panel->raise();
        QApplication::processEvents();
        const QStringList unnamed = unnamedControls(panel);
        QVERIFY2(unnamed.isEmpty(),
                 qPrintable(panel->objectName() + " without a name: " + unnamed.join(", ")));
        const QStringList missed = unreachedByTab(screen);
        if (wasHidden) {
            panel->hide();
        }
        QVERIFY2(missed.isEmpty(),
                 qPrintable(panel->objectName() + ": Tab never reaches: " + missed.join(", ")));
    }

    std::unique_ptr<ScreenTestEnvironment> env_;
    std::unique_ptr<QMainWindow> main_;
    QPointer<ToolScreen> opened_;
};

void AccessibilityTest::init() {
    env_ = std::make_unique<ScreenTestEnvironment>();
    QVERIFY(env_->folder.isValid());
    main_ = std::make_unique<QMainWindow>();
    main_->setGeometry(0, 0, 800, 600);
}

void AccessibilityTest::cleanup() {
    if (opened_) {
        opened_->closeQuietly();
    }
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const QString desktopProblems = env_->desktop.verifyDone();
    env_->watchdog.check();
    const QString watchdogProblems = env_->watchdog.verify();
    main_.reset();
    env_.reset();
    QVERIFY2(desktopProblems.isEmpty(), qPrintable(desktopProblems));
    QVERIFY2(watchdogProblems.isEmpty(), qPrintable(watchdogProblems));
}

void AccessibilityTest::loanSheetAndExtraPayments() {
    auto* loan = open(new loan::LoanSheet(env_->context, main_.get()));
    checkScreen(loan);
    checkPanel(loan, loan->extraPaymentsPanel());

    // A payment is read with its rate and length.
    for (auto [name, text] : {std::pair{"txtPurchTotl", "100000"}, std::pair{"txtLenMin", "30"}}) {
        auto* box = loan->findChild<QLineEdit*>(QLatin1String(name));
        box->setFocus();
        box->clear();
        QTest::keyClicks(box, QLatin1String(text));
    }
    for (const char* name : {"comIntrMin", "comIntrMax"}) {
        auto* box = loan->findChild<QComboBox*>(QLatin1String(name));
        box->setFocus();
        box->lineEdit()->selectAll();
        QTest::keyClicks(box->lineEdit(), QStringLiteral("6.00"));
    }
    loan->findChild<QLineEdit*>(QStringLiteral("txtLenMin"))->setFocus();
    QTest::mouseClick(loan->findChild<QPushButton*>(QStringLiteral("cmdCalcPmts")), Qt::LeftButton);
    QAbstractItemModel* model = loan->grid()->model();
    QCOMPARE(model->data(model->index(0, 0), Qt::AccessibleTextRole).toString(),
             QString("6.00%, 30 Years: $599.55"));
}

void AccessibilityTest::homeBudgetAndTotals() {
    auto* budget = open(budget::assembleBudgetScreen(env_->context, main_.get()));
    checkScreen(budget);
    checkPanel(budget, budget->totalsPanel());
    checkPanel(budget, budget->findChild<budget::ComparePanel*>());
}

void AccessibilityTest::homeBudgetVersions() {
    budget::VersionsDialog dialog("2012", {}, main_.get());
    dialog.show();
    QApplication::processEvents();
    checkScreen(&dialog);
}

void AccessibilityTest::actuarial() {
    auto* screen = open(new actuarial::ActuarialScreen(env_->context, main_.get()));
    checkScreen(screen);
}

void AccessibilityTest::homeCalculator() {
    auto* screen = open(new homecalc::HomeCalc(env_->context, main_.get()));
    checkScreen(screen);
}

void AccessibilityTest::calculator() {
    auto* screen = open(createSciCalc(env_->context, main_.get()));
    checkScreen(screen);
    // The keypad is read row by row: 7 8 9 / CLX, then 4 5 6.
    QStringList order;
    QWidget* key = screen->findChild<QWidget*>(QStringLiteral("DigitBtn(7)"));
    for (int i = 0; i < 6 && key; ++i, key = key->nextInFocusChain()) {
        order << key->objectName();
    }
    QCOMPARE(order, QStringList({"DigitBtn(7)", "DigitBtn(8)", "DigitBtn(9)", "DivBtn", "ClxBtn",
                                 "DigitBtn(4)"}));
}

void AccessibilityTest::backupDialog() {
    env_->watchdog.allowDialog(QStringLiteral("Backup1"));
    backup::Backup1 dialog(env_->context, main_.get(), backup::budgetBackupRequest(2012));
    dialog.show();
    QApplication::processEvents();
    checkScreen(&dialog);
}

}  // namespace coinwell

QTEST_MAIN(coinwell::AccessibilityTest)
#include "accessibility_qtest.moc"
