#pragma once
// Year planning on the Home Budget: Copy To Next Year with a change (Edit > "Copy To Next Year
// with C&hange...", mECYC) and Compare Years (Options > "Compare &Years...", mOCompare, with its
// panel Compare1). Attached to a screen by attachYearPlanning; with neither command used the
// screen behaves as it does without them.

#include <QObject>
#include <QTemporaryDir>

#include "budget/core/year_comparison.h"

class QAction;

namespace coinwell::budget {

class BudgetScreen;
class ComparePanel;

class YearPlanning : public QObject {
    Q_OBJECT
  public:
    explicit YearPlanning(BudgetScreen& screen);

    // mECYC: the percentage, the copy question, the changed copy of the saved file.
    void copyToNextYearWithChange();
    // mOCompare: the panel with the year before the one on screen (when saved) and that year.
    void openComparison();
    // cmdCompareClose and Esc; also when the Totals For Year panel opens or another year loads.
    void closeComparison();
    bool comparisonShown() const;
    // The years chosen in the lists, read from their saved files and compared.
    void compareChosenYears();
    // cmdComparePrint and cmdCompareCopy.
    void printComparison();
    void copyComparison();

    const YearComparison& comparison() const { return comparison_; }
    ComparePanel* panel() const { return panel_; }

  private:
    void addMenuItems();
    // The years offered: those saved in the program folder and the one on screen.
    std::vector<std::string> offeredYears() const;
    std::string chartPicture(int pageWidth);

    BudgetScreen& screen_;
    ComparePanel* panel_ = nullptr;
    QAction* mECYC_ = nullptr;
    QAction* mOCompare_ = nullptr;
    YearComparison comparison_;
    QTemporaryDir pictureFolder_;  // the chart picture of the printed comparison
};

// Adds both commands and the panel to a Home Budget screen.
YearPlanning* attachYearPlanning(BudgetScreen& screen);

}  // namespace coinwell::budget
