#pragma once
// The Home Budget screen Budget1: a year of 50 expense items by 12 months and the monthly Total
// Income in the grid VSGd1 and the captions under it, the year selector, the Input Box, the row
// commands, the monthly figures and the Totals For Year panel. The year model, the year file and
// every computation live in budget/core; the screen keeps them on show and asks the questions.
//
// The chart, printing, export and clipboard, spelling, grid colours and the backup utility are
// parts of their own: budget_assembly.h builds the screen, attaches them and then sets the screen
// up. A part carries commands the screen hands over (BudgetScreenHooks), may lay panels over the
// screen that Esc closes in turn (BudgetOverlay), and reads what it needs when the screen is set
// up (initialised()) and follows it through the screen's signals:
//
//   void attachChart(BudgetScreen& screen) {
//       auto* chart = new TotalsChart(screen);
//       screen.hooks().fillChart = [chart](BudgetScreen&) { chart->fillChart(); };
//   }

#include <QPointer>
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "budget/core/budget_totals.h"
#include "budget/core/budget_year.h"
#include "print/core/print_panel_settings.h"
#include "shell/ui/tool_screen.h"

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTableView;

namespace coinwell::budget {

class BudgetGridModel;
class BudgetScreen;
class TotalsPanel;

// What the backup and restore utility is handed: the family code (36 backup, 37 restore), the
// start mode and the selected year.
struct BackupHandOver {
    int family = 36;
    bool restoreMode = false;
    int year = 0;

    bool operator==(const BackupHandOver&) const = default;
};
inline constexpr int kBackupFamily = 36;
inline constexpr int kRestoreFamily = 37;

// A change the screen made to the year, told once it is made: the cell to make current when it
// is undone or redone, and whether it was a keystroke in the Input Box (keystrokes into one cell
// in a row make one change).
struct YearEdit {
    int row = 1;
    int column = 1;
    bool inputBoxKeystroke = false;
};

// Commands the screen hands over to the parts that carry them out. Each is empty until that part
// is wired in; an empty one does nothing. The screen has already asked its own questions (the
// unsaved-changes prompt before a backup) and runs its own steps afterwards (reloading the year).
struct BudgetScreenHooks {
    // Utilities: the backup and restore utility, shown modally; returns when it has closed.
    std::function<void(BudgetScreen&, const BackupHandOver&)> runBackupUtility;
    // Utilities > Export File in Excel/Spreadsheet Format: opens the export panel.
    std::function<void(BudgetScreen&)> openExportPanel;
    // Options > Copy, the popup's Copy and Edit > Copy Budget to Windows Clipboard.
    std::function<void(BudgetScreen&)> copyBudget;
    // Print Options (Command2, Options > Print Options): the budget table.
    std::function<void(BudgetScreen&)> openPrintOptions;
    // Print Grid Data (Command14) on the Totals For Year panel: the totals document.
    std::function<void(BudgetScreen&)> printTotals;
    // Spelling Check (Command15, Options > Spelling Check).
    std::function<void(BudgetScreen&)> checkSpelling;
    // Options > Grid Backgorund Selector (a toggle) and Options > Grid Text Color.
    std::function<void(BudgetScreen&)> gridBackgroundSelector;
    std::function<void(BudgetScreen&)> gridTextColor;
    // Grid colours changed since the screen opened (the closing question "Save changes made to
    // Panel and or Text Color?" is asked), and the answer to that question: Yes stores them;
    // either way they stop being pending.
    std::function<bool(const BudgetScreen&)> gridColorsChanged;
    std::function<void(BudgetScreen&, bool store)> settleGridColors;
    // The chart beside Grid2, filled from yearTotals() when the panel opens and after the
    // percentage base changes.
    std::function<void(BudgetScreen&)> fillChart;
    // Each change to the year, after it is made (the undo history).
    std::function<void(BudgetScreen&, const YearEdit&)> yearEdited;
    // Every write that replaces a year file runs through this (the earlier versions of the year
    // are kept): it runs write and returns its result.
    std::function<bool(BudgetScreen&, const std::string& year, const std::function<bool()>& write)>
        replaceYearFile;
    // A document of another part (the comparison of two years) laid out and printed through
    // the print options panel.
    std::function<void(BudgetScreen&, print::RebuildDocument)> printDocument;
};

// Panels laid over the screen, in the order Esc closes them (the Totals For Year panel, the
// screen's own, comes before the comparison panel).
enum class BudgetOverlay { ExportPanel, ComparePanel, GridBackgroundSelector, PrintOptions };
inline constexpr std::size_t kBudgetOverlays = 4;

class BudgetScreen : public ToolScreen {
    Q_OBJECT
  public:
    // Builds the controls and menus; the screen shows nothing of a year until setUp().
    BudgetScreen(AppContext& context, QWidget* mainScreen);
    ~BudgetScreen() override;

    // Sets the screen up as it opens: today's year and the start values of the screen and of
    // every part attached (initialised()). Run once the parts are attached.
    void setUp();

    BudgetScreenHooks& hooks() { return hooks_; }
    // An overlay's state and its Esc (for the print options panel: Normal first when enlarged).
    void setOverlay(BudgetOverlay overlay, std::function<bool()> shown,
                    std::function<void()> escape);
    bool overlayShown(BudgetOverlay overlay) const;
    // Closes an overlay as its Esc does; false when it is not shown.
    bool runOverlayEscape(BudgetOverlay overlay);

    // ---- the year on show ------------------------------------------------------------------
    const BudgetYear& year() const { return year_; }
    // The four-character year the screen works on ("2012").
    const std::string& selectedYear() const { return selectedYear_; }
    // The monthly captions Label3, Label5 and Label7 as shown.
    std::string expensesCaption(int month) const;
    std::string incomeCaption(int month) const;
    std::string balanceCaption(int month) const;
    bool balanceNegative(int month) const;
    // The Totals For Year as last built, and the base of its percentages.
    const YearTotals& yearTotals() const { return totals_; }
    PercentBase percentBase() const { return percentBase_; }
    bool totalsShown() const;
    bool unsavedChanges() const { return unsavedChanges_; }
    // A grid entry is in the year but its message and recalculation are still to come.
    bool entryPending() const { return pendingEntries_ > 0; }
    // The grid's current cell (row 1-50, column 1-13).
    int currentRow() const;
    int currentColumn() const;

    // Changes a cell as an edit of the user's (spelling corrections): the grid shows it and the
    // year counts as changed. False (nothing changed) outside the grid or for a text the year
    // file cannot store.
    bool setCellText(int row, int column, const std::string& text);
    // Puts a year on show as a change of the user's (undo and redo): the grid and the Input Box
    // show it, the monthly figures are recalculated, (row, column) becomes the current cell and
    // the year counts as changed.
    void showChangedYear(const BudgetYear& year, int row, int column);
    // Runs a write that replaces the file of year through hooks().replaceYearFile.
    bool replaceYearFile(const std::string& year, const std::function<bool()>& write);

    // ---- the controls the other parts work with ---------------------------------------------
    QTableView* grid() const { return grid_; }
    TotalsPanel* totalsPanel() const { return totalsPanel_; }
    QLineEdit* inputBox() const { return text1_; }
    // The hidden box whose background is the "Default" grid colour.
    QLineEdit* defaultColorBox() const { return text2_; }
    QMenu* utilitiesMenu() const { return utilitiesMenu_; }
    QAction* restoreYearAction() const { return mUR_; }
    QAction* saveAction() const { return mOS_; }
    // The entry grid's background (a colour, or a picture behind the cells) and text colour;
    // Grid2 takes the same when the Totals For Year panel opens.
    void setGridAppearance(const QColor& background, const QPixmap& picture, const QColor& text);
    QColor gridTextColor() const { return gridTextColor_; }
    QColor gridBackgroundColor() const { return gridBackColor_; }
    // The picture behind the cells; null when the grid shows its colour.
    const QPixmap& gridPicture() const { return gridPicture_; }

    // ---- the screen's commands (also run by its controls) ------------------------------------
    void loadYear(bool fromSelector);  // fills the screen from the year file
    bool saveYear();                   // Command5, mOS; false when the file was not written
    // Ends an entry still open in the grid's editor as Enter would: a command reached from the
    // menu or by a key, without leaving the grid, works on the year with that entry in it.
    void commitOpenEntry();
    void copyYearToNext();  // Command7, mECY
    void recalcMonths(int column, int row);
    void buildYearTotals();
    void toggleTotals();  // Command8, mOT
    void closeTotals();   // Command9, Esc
    // A panel laid over the grid besides the Totals For Year panel (Compare Years) turns off
    // what the Totals panel turns off while it is up (the Print Options button, Save, Delete
    // Row, Copy (Yr), the grid background selector) and Copy To Right with them; on again, Copy
    // To Right follows the current column.
    void setOverlaidCommandsEnabled(bool enabled);
    void changePercentBase();       // Command12
    void copyToRight();             // Command4, mECR
    void insertRow();               // mOIN
    void deleteRow();               // Command6, mODel, mED
    void enterIncome(int month);    // a click on Label5(month)
    void sortByColumn(int column);  // a click on a heading
    void backupYear();              // mUB
    void restoreYear();             // mUR
    // After the year file was restored: the screen set up again as when it opens.
    void setUpAfterRestore();

  signals:
    // The screen was set up as it opens (setUp) and again after a restore: each part takes its
    // start values and what it reads from the screen or the stored settings.
    void initialised();
    // Each activation, after the screen's own steps (the print panel lays out its buttons).
    void screenActivated();
    // The panel colour changed (and once before the screen shows).
    void panelColorApplied(const QColor& color);
    // A year was read into the grid: another year picked, or the screen set up again.
    void yearLoaded();
    // The entry grid's background or text colour changed (setGridAppearance).
    void gridAppearanceChanged();
    // The Totals For Year panel is about to open: other panels over the grid give way.
    void totalsOpening();

  protected:
    void copyToClipboard() override;
    void openPrintOptions() override;
    bool printPanelShown() const override;
    void closePrintPanel() override;
    bool confirmClose() override;
    void panelColorChanged(const QColor& color) override;
    bool colorChangesPending() const override;
    void settleColorChanges(bool store) override;
    void preparePopupMenu() override;
    void activated() override;
    void controlsResized() override;
    void handleEscape() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Overlay {
        std::function<bool()> shown;
        std::function<void()> escape;
    };

    void buildControls();
    void buildMenus();
    void initialiseScreen();
    void fitColumns();
    void placeMonthlyCaptions();
    void showMonthlyFigures();
    void setCurrentCell(int row, int column);
    void currentCellChanged();
    void gridFocused();
    void yearSelectorFocused();
    void yearPicked(int index);
    void yearEntered();
    bool settleUnsavedChanges();
    void inputBoxEdited(const QString& text);
    void gridEditing(int row, int column, const QString& text);
    void gridEditCommitted(int row, int column, const QString& text);
    void finishEntry(bool amount, const std::optional<MessageRequest>& message);
    // The monthly figures (and the open totals) from the year as it stands, asking nothing;
    // true when a month's bills are held at the limit.
    bool refreshMonthlyFigures();
    void setRowCommandsEnabled(bool enabled);
    // The commands that wait while a panel covers the grid: the Print Options button, Save,
    // Delete Row (button and Edit menu) and Copy (Yr).
    void setCoveredCommandsEnabled(bool enabled);
    void applyCopyRightRule(int column);
    void setUnsaved() { unsavedChanges_ = true; }
    void yearEdited(int row, int column, bool inputBoxKeystroke = false);
    void resetWorkingState();
    void showScrollTip(int value);
    bool refuseUnstorable(const std::string& text);
    void prepareOptionsMenu();
    void prepareEditMenu();
    void prepareUtilitiesMenu();

    BudgetYear year_;
    BudgetScreenHooks hooks_;
    std::array<Overlay, kBudgetOverlays> overlays_;
    std::string selectedYear_;
    bool unsavedChanges_ = false;
    int pendingEntries_ = 0;          // grid entries whose message and recalculation are to come
    bool billsLimitPending_ = false;  // an Input Box edit held a month's bills at the limit
    bool yearPicked_ = false;         // a year was picked or typed since the screen opened
    int rememberedRow_ = 0;           // the target of Insert New Row and Delete Row
    int totalsReturnRow_ = 1;
    int totalsReturnColumn_ = 1;
    int sortColumn_ = 0;  // the last heading sorted and its direction
    bool sortAscending_ = false;
    PercentBase percentBase_ = PercentBase::Income;
    YearTotals totals_;
    MonthlyFigures figures_;
    QString inputBoxText_;  // the Input Box's last accepted text
    bool loading_ = true;
    QColor gridBackColor_;
    QColor gridTextColor_;
    QPixmap gridPicture_;

    QLabel* panel3D5_ = nullptr;
    QLabel* label1_ = nullptr;
    QComboBox* combo1_ = nullptr;
    QLabel* label8_ = nullptr;
    QLineEdit* text1_ = nullptr;
    QLineEdit* text2_ = nullptr;
    QLabel* panel3D4_ = nullptr;
    QTableView* grid_ = nullptr;
    BudgetGridModel* model_ = nullptr;
    std::array<QLabel*, 3> label2_{};
    std::array<QLabel*, kMonths> label3_{};
    std::array<QLabel*, kMonths> label5_{};
    std::array<QLabel*, kMonths> label7_{};
    QPushButton* command8_ = nullptr;
    QPushButton* command7_ = nullptr;
    QPushButton* command2_ = nullptr;
    QPushButton* command4_ = nullptr;
    QPushButton* command6_ = nullptr;
    QPushButton* command15_ = nullptr;
    QPushButton* command5_ = nullptr;
    QPushButton* command3_ = nullptr;
    TotalsPanel* totalsPanel_ = nullptr;

    QAction* mOGB_ = nullptr;
    QAction* mOGT_ = nullptr;
    QAction* mODel_ = nullptr;
    QAction* mOIN_ = nullptr;
    QAction* mOCopy_ = nullptr;
    QAction* mOS_ = nullptr;
    QAction* mOSpell_ = nullptr;
    QAction* mOT_ = nullptr;
    QAction* mECR_ = nullptr;
    QAction* mECY_ = nullptr;
    QAction* mED_ = nullptr;
    QMenu* utilitiesMenu_ = nullptr;
    QAction* mUB_ = nullptr;
    QAction* mUR_ = nullptr;
    QAction* mUExcel_ = nullptr;
};

}  // namespace coinwell::budget
