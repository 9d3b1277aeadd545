#pragma once
// The Loan Calculator screen: purchase amount, down payment, a range of loan lengths and a range
// of rates in; a table of monthly payments and the amortization schedule of any of its cells out,
// in the grid Grid1. The computation lives in loan/core; this screen only keeps the stored
// values up to date and presents the results.
//
// Copy and Print Options are handed to a LoanSheetOutput (the output code), which reads the
// screen through the accessors below.

#include <functional>
#include <memory>
#include <string>

#include "loan/core/amortization.h"
#include "loan/core/loan_inputs.h"
#include "loan/core/loan_request.h"
#include "loan/core/payment_table.h"
#include "shell/ui/table_grid.h"
#include "shell/ui/tool_screen.h"

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

namespace coinwell::loan {

class ExtraPaymentsPanel;
class LoanGridModel;
class LoanSheet;

// The screen's results leave it through this interface: Copy, Print Options and the print
// options panel laid over the screen.
class LoanSheetOutput {
  public:
    virtual ~LoanSheetOutput() = default;
    // Edit > Copy and the popup's Copy.
    virtual void copyToClipboard(LoanSheet& sheet) = 0;
    // Options > Print Options.
    virtual void openPrintOptions(LoanSheet& sheet) = 0;
    virtual bool printPanelShown() const { return false; }
    // Esc while the print options panel is shown.
    virtual void closePrintPanel() {}
    virtual void panelColorChanged(const QColor& color) { Q_UNUSED(color); }
    // Each activation of the screen, after the central panel is placed.
    virtual void activated() {}
};

using LoanSheetOutputFactory = std::function<std::unique_ptr<LoanSheetOutput>(LoanSheet&)>;

class LoanSheet : public ToolScreen {
    Q_OBJECT
  public:
    LoanSheet(AppContext& context, QWidget* mainScreen);
    ~LoanSheet() override;

    // The output code every new screen is given (set once by the program at start).
    static void setOutputFactory(LoanSheetOutputFactory factory);
    LoanSheetOutput* output() const { return output_.get(); }

    // ---- what the output code reads --------------------------------------------------------
    const LoanInputs& inputs() const { return inputs_; }
    // The table last built by Show Payments (null before), and the schedule while it is shown
    // (with the applied extra payments, if any).
    const PaymentTable* paymentTable() const { return table_.get(); }
    const AmortizationSchedule* schedule() const {
        return inputs_.scheduleShown ? shownSchedule() : nullptr;
    }
    bool showsSchedule() const { return inputs_.scheduleShown; }
    // Cell texts exactly as the grid holds them (header row and first column included).
    std::string gridText(int row, int column) const;
    int gridRows() const;
    int gridColumns() const;
    GridSelection gridSelection() const;
    TableGrid* grid() const { return grid_; }
    QColor gridTextColor() const { return grid_->textColor(); }
    std::string purchaseText() const;        // txtPurchTotl
    std::string downPaymentText() const;     // txtDwnPay
    std::string downPaymentCaption() const;  // lblDwnPay
    std::string loanAmountCaption() const;   // Label3
    std::string noteText() const;            // Label1
    bool noteVisible() const;                // Label1 shows in the Years unit
    std::string payoffText() const;          // lblPayoff of the extra payments panel
    std::string interestSavedText() const;   // lblSaved

    // ---- the steps of the screen (also run by its controls) --------------------------------
    void showPayments();      // cmdCalcPmts
    void showAmortization();  // cmdCalcAmort, and a double click on a table cell
    void setDownPaymentMode(DownPaymentMode mode);  // mnuOptDwn
    void setLengthUnit(LengthUnit unit);            // mnuOptLen
    // The extra payments panel: cmdExtraPay opens it; its Apply, Clear and Close.
    void openExtraPayments();
    void applyExtraPayments();
    void clearExtraPayments();
    void closeExtraPayments();
    ExtraPaymentsPanel* extraPaymentsPanel() const { return extraPanel_; }

    // Presents the results in Grid1.
    void showPaymentTable();
    void showSchedule();
    GridFit fitPaymentGrid() const;

  protected:
    void handleEscape() override;
    void copyToClipboard() override;
    void openPrintOptions() override;
    bool printPanelShown() const override;
    void closePrintPanel() override;
    void panelColorChanged(const QColor& color) override;
    void preparePopupMenu() override;
    void activated() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildControls();
    void buildMenus();
    void prepareGrid();

    void purchaseChanged();
    void downPaymentChanged();
    void lengthChanged(QLineEdit* box, double& stored);
    void rateChosen(QComboBox* box, double& stored);
    bool filterBox(QLineEdit* box);
    void showLoanAmount();
    void gridClicked();
    void gridDoubleClicked();
    void gridSelectionChanged();
    bool currentCellCanAmortize() const;
    QWidget* boxWidget(LoanBox box) const;
    const AmortizationSchedule* shownSchedule() const {
        return extraSchedule_ ? extraSchedule_.get() : schedule_.get();
    }
    // The applied extra payments end: the described schedule, the panel's entries and labels.
    void dropExtraPayments();
    // The grid no longer shows a schedule: no extra payments to enter.
    void scheduleLeftTheGrid();

    LoanInputs inputs_;
    std::shared_ptr<PaymentTable> table_;
    std::shared_ptr<AmortizationSchedule> schedule_;
    std::shared_ptr<AmortizationSchedule> extraSchedule_;  // with the applied extras, if any
    std::unique_ptr<LoanSheetOutput> output_;
    bool loading_ = true;

    QLabel* lblPurchTotl_ = nullptr;
    QLineEdit* txtPurchTotl_ = nullptr;
    QLabel* lblDwnPay_ = nullptr;
    QLineEdit* txtDwnPay_ = nullptr;
    QLabel* label2_ = nullptr;
    QLabel* label3_ = nullptr;
    QGroupBox* ssPanel1_ = nullptr;
    QGroupBox* ssPanel2_ = nullptr;
    QLineEdit* txtLenMin_ = nullptr;
    QLineEdit* txtLenMax_ = nullptr;
    QComboBox* comIntrMin_ = nullptr;
    QComboBox* comIntrMax_ = nullptr;
    QPushButton* cmdCalcPmts_ = nullptr;
    QPushButton* cmdCalcAmort_ = nullptr;
    QPushButton* cmdExtraPay_ = nullptr;
    ExtraPaymentsPanel* extraPanel_ = nullptr;
    QPushButton* cmdExit_ = nullptr;
    QLabel* label1_ = nullptr;
    QLabel* imgGraphic_ = nullptr;  // the picture of the grid's top-left cell
    TableGrid* grid_ = nullptr;
    LoanGridModel* model_ = nullptr;

    QAction* mOCopy_ = nullptr;
    QAction* mO3_ = nullptr;
    QAction* optDwn_[2] = {nullptr, nullptr};
    QAction* optLen_[2] = {nullptr, nullptr};
};

}  // namespace coinwell::loan
