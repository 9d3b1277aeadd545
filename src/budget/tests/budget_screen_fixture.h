#pragma once
// What the Home Budget screen tests share: a fresh program folder and scripted desktop, the
// screen opened over a main window, and the ways a user reaches its controls.

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTest>

#include <memory>

#include "budget/core/budget_texts.h"
#include "budget/core/year_file.h"
#include "budget/ui/budget_assembly.h"
#include "budget/ui/budget_screen.h"
#include "budget/ui/totals_panel.h"
#include "common/tests/support/screen_test_environment.h"
#include "common/tests/support/window_switch.h"

namespace coinwell::budget {

class BudgetScreenFixture {
  public:
    void start() {
        env = std::make_unique<ScreenTestEnvironment>();
        QVERIFY(env->folder.isValid());
        main = std::make_unique<QMainWindow>();
        main->setGeometry(0, 0, 800, 600);
        screen = nullptr;
        parts = {};
    }

    void finish() {
        if (screen) {
            screen->closeQuietly();
        }
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        COINWELL_VERIFY_DESKTOP(env->desktop);
        QCOMPARE(env->desktop.questionsWhileBusy(), 0);
        COINWELL_VERIFY_WATCHDOG(env->watchdog);
        main.reset();
        env.reset();
    }

    // Opens the screen assembled with `parts`.
    BudgetScreen* open() {
        screen = assembleBudgetScreen(env->context, main.get(), parts);
        screen->present();
        enterScreen(screen);
        QApplication::processEvents();
        return screen;
    }

    template <typename T>
    T* child(const char* name) const {
        T* widget = screen->findChild<T*>(QLatin1String(name));
        if (!widget) {
            qWarning("missing %s", name);
        }
        return widget;
    }
    QAction* action(const char* name) const { return child<QAction>(name); }
    QPushButton* button(const char* name) const { return child<QPushButton>(name); }
    QString labelText(const char* name) const { return child<QLabel>(name)->text(); }
    QString monthLabel(const char* array, int month) const {
        return child<QLabel>(
                   qPrintable(QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(month)))
            ->text();
    }
    QTableView* grid() const { return screen->grid(); }
    QString cell(int row, int column) const {
        return QString::fromStdString(screen->year().cellText(row, column));
    }
    QLineEdit* inputBox() const { return child<QLineEdit>("Text1"); }

    // Saves a year's file as the program writes it.
    void storeYear(const char* year, const BudgetYear& content) const {
        QVERIFY(writeYearFile(env->folder.filePath(yearFileName(year)), content).ok());
    }

    // Makes a cell current as a click on it would.
    void clickCell(int row, int column) const {
        const QModelIndex index = grid()->model()->index(row - 1, column - 1);
        grid()->scrollTo(index);
        QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {},
                          grid()->visualRect(index).center());
    }

    // Types into a cell through the grid's own editor and commits with Enter; an empty text
    // clears the cell (F2, select all, Delete).
    void typeInCell(int row, int column, const QString& text) const {
        clickCell(row, column);
        grid()->setFocus();
        if (text.isEmpty()) {
            QTest::keyClick(grid(), Qt::Key_F2);
            QWidget* editor = QApplication::focusWidget();
            QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(editor, Qt::Key_Delete);
        } else {
            QTest::keyClicks(grid(), text.left(1));
            QWidget* editor = QApplication::focusWidget();
            QVERIFY(editor && editor->objectName() == QLatin1String("VSGd1Editor"));
            QTest::keyClicks(editor, text.mid(1));
        }
        commitEditor(QApplication::focusWidget());
    }

    // Enter in the grid's editor. The grid commits the entry only once the key has been handled,
    // and the screen's message and recalculation follow after the editor has closed: waits for
    // all of it, however long a busy machine takes.
    void commitEditor(QWidget* editor) const {
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_VERIFY(!editorShown() && !screen->entryPending());
    }

    bool editorShown() const {
        const auto* editor = grid()->findChild<QWidget*>(QStringLiteral("VSGd1Editor"));
        return editor && editor->isVisible();
    }

    // Picks a year from the selector's list (the selector takes the focus first).
    void pickYear(const QString& year) const {
        auto* combo = child<QComboBox>("Combo1");
        combo->setFocus();
        QApplication::processEvents();
        const int index = combo->findText(year);
        QVERIFY(index >= 0);
        combo->setCurrentIndex(index);
        emit combo->activated(index);
        QApplication::processEvents();
    }

    // Types a year into the selector and presses Enter.
    void typeYear(const QString& year) const {
        auto* combo = child<QComboBox>("Combo1");
        combo->setFocus();
        QApplication::processEvents();
        combo->lineEdit()->selectAll();
        QTest::keyClicks(combo, year);
        QTest::keyClick(combo, Qt::Key_Return);
        QApplication::processEvents();
    }

    // Chooses a menu item as a user does: a click on the menu's title, then on the item.
    void chooseMenuItem(QMenu* menu, const char* name) const {
        QMenuBar* bar = screen->menuBar();
        QTest::mouseClick(bar, Qt::LeftButton, {},
                          bar->actionGeometry(menu->menuAction()).center());
        QTRY_VERIFY(menu->isVisible());
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action(name)).center());
    }

    void clickLabel(const char* name) const {
        QTest::mouseClick(child<QLabel>(name), Qt::LeftButton);
        QApplication::processEvents();
    }

    static MessageRequest exitQuestion(const char* year, bool withCancel) {
        return saveBeforeExitingQuestion(year, withCancel);
    }

    std::unique_ptr<ScreenTestEnvironment> env;
    std::unique_ptr<QMainWindow> main;
    // The parts the test needs on its screen (none: the bare screen).
    BudgetParts parts;
    BudgetScreen* screen = nullptr;
};

}  // namespace coinwell::budget
