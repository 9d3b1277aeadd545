#pragma once
// The Home Calculator screen: income, debts, cash, loan length, rate and an optional monthly
// limit in; the home the household can afford, its loan, down payment, closing costs and the
// limiting factor out. The calculation and the report live in homecalc/core; the screen moves
// texts between its controls and them, and embeds the print options panel for the report.

#include <functional>

#include "common/core/date_time.h"
#include "homecalc/core/home_boxes.h"
#include "homecalc/core/home_report.h"
#include "shell/ui/tool_screen.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace coinwell::print {
class PrintPanel;
}

namespace coinwell::homecalc {

class HomeCalc : public ToolScreen {
    Q_OBJECT
  public:
    HomeCalc(AppContext& context, QWidget* mainScreen);
    ~HomeCalc() override;

    // cmdCalcPmts: the income check, the calculation and its results on the screen.
    void calculate();

    // What the screen shows, as the copy and the print read it.
    HomeReportSource readScreen() const;
    // Label3 holds a result.
    bool showsResults() const;
    print::PrintPanel* printPanel() const { return printPanel_; }

    // The date the report carries (today, unless a test fixes it).
    void setClock(std::function<DateTime()> clock) { clock_ = std::move(clock); }

  protected:
    void copyToClipboard() override;
    void openPrintOptions() override;
    bool printPanelShown() const override;
    void closePrintPanel() override;
    void panelColorChanged(const QColor& color) override;
    void preparePopupMenu() override;
    void activated() override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildControls();
    void buildInputSection();
    void buildResultsSection();
    void buildButtons();
    void connectControls();
    void buildPrintPanel();
    void loadStoredRate();

    void boxChanged(QLineEdit* box, HomeBox kind);
    void loanLengthChosen();
    void showResults(const HomeResultTexts& texts);
    void clearResults();
    void setPrintingEnabled(bool enabled);
    void storeRate();
    DateTime today() const;

    std::function<DateTime()> clock_;
    HomeReportSource printed_;  // what the print options panel lays out
    bool focusedOnce_ = false;

    QGroupBox* inputSection_ = nullptr;          // SSPanel3
    QGroupBox* resultsSection_ = nullptr;        // SSPanel1
    QLineEdit* incomeBox_ = nullptr;             // Text1
    QLineEdit* debtBox_ = nullptr;               // Text2
    QLineEdit* cashBox_ = nullptr;               // Text3
    QComboBox* loanLengthList_ = nullptr;        // Combo1
    QLineEdit* rateBox_ = nullptr;               // Text4
    QLineEdit* limitBox_ = nullptr;              // Text5
    QLabel* homePrice_ = nullptr;                // Label3
    QLabel* housingPayment_ = nullptr;           // Label6
    QLabel* loanAmount_ = nullptr;               // Label7
    QLabel* downPayment_ = nullptr;              // Label8
    QLabel* closingCosts_ = nullptr;             // Label9
    QLabel* downPercent_ = nullptr;              // Label10
    QLabel* limitingFactor_ = nullptr;           // Label16
    QPushButton* calculateButton_ = nullptr;     // cmdCalcPmts
    QPushButton* printOptionsButton_ = nullptr;  // Command1
    QPushButton* exitButton_ = nullptr;          // cmdExit
    print::PrintPanel* printPanel_ = nullptr;    // SSPanel80
};

}  // namespace coinwell::homecalc
