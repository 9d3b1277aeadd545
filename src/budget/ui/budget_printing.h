#pragma once
// The Home Budget's printing through the print options panel: "&Print Options" lays out the
// budget table, "&Print Grid Data" on the Totals For Year panel the year totals (with a picture
// of the chart when "Print Graph" is checked). The budget's own options sit on the panel: the
// "Print Options" gridline choice and "Print Graph". The printer font opens as GColor4.Fil keeps
// it and is kept there again by "&Exit Print Options".

#include <QObject>
#include <array>

#include "budget/core/budget_print_document.h"
#include "print/ui/print_panel.h"

class QCheckBox;
class QGroupBox;
class QRadioButton;

namespace coinwell::budget {

class BudgetScreen;
class TotalsChart;

class BudgetPrinting : public QObject {
    Q_OBJECT
  public:
    // Print (the budget table), Print Totals, or a document another part lays out.
    enum class Mode { Print, PrintTotals, Other };

    BudgetPrinting(BudgetScreen& screen, TotalsChart& chart);

    // Print Options (Command2, mOPrt) and Print Grid Data (Command14).
    void openBudgetTable();
    void openTotals();
    // Another part's document (the comparison of two years), laid out by layout.
    void openDocument(print::RebuildDocument layout);
    // SSOption83(k) and SSCheck1.
    void chooseGridlines(int mode);
    void setPrintGraph(bool on);

    Mode mode() const { return mode_; }
    GridlineMode gridlines() const { return gridlines_; }
    print::PrintPanel* panel() const { return panel_; }

    // What the screen shows, as the documents print it.
    BudgetTableSource tableSource() const;
    TotalsSource totalsSource() const;
    // Writes the chart's picture for the totals document (on white paper), as "Chartxxx.jpg" in
    // the current folder; false when it could not be written.
    bool saveChartPicture(print::Orientation orientation);

  private:
    // The screen was set up as it opens (and again after a restore): the grid's text colour,
    // all gridlines and Print Graph.
    void screenSetUp();
    void followGridTextColor();
    void open(Mode mode);
    void buildOptions();
    // Sizes the options to their captions in the current letters and reserves that room.
    void placeOptions();
    bool eventFilter(QObject* watched, QEvent* event) override;
    void rebuild(print::PageDocument& doc, const print::PrintPanelSettings& settings);
    void panelClosed();

    BudgetScreen& screen_;
    TotalsChart& chart_;
    print::PrintPanel* panel_ = nullptr;
    Mode mode_ = Mode::Print;
    print::RebuildDocument otherLayout_;
    GridlineMode gridlines_ = GridlineMode::All;
    print::ColorNumber gridTextColor_ = 0;  // the grid text colour the settings last took
    QGroupBox* printOptionsFrame_ = nullptr;
    std::array<QRadioButton*, 3> gridlineOptions_{};
    QCheckBox* printGraph_ = nullptr;
};

// Gives a Home Budget screen the chart on its Totals For Year panel and its printing.
void attachChartAndPrinting(BudgetScreen& screen);

}  // namespace coinwell::budget
