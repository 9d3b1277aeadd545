#pragma once
// The Loan Calculator's Copy and Print Options: reads what the screen shows, puts the text on
// the clipboard, and lays the pages out in the print options panel over the screen.

#include <memory>

#include "loan/core/loan_copy_text.h"
#include "loan/ui/loan_sheet.h"
#include "print/ui/print_panel.h"

namespace coinwell::loan {

class LoanOutput : public LoanSheetOutput {
  public:
    explicit LoanOutput(LoanSheet& sheet);
    ~LoanOutput() override;

    void copyToClipboard(LoanSheet& sheet) override;
    void openPrintOptions(LoanSheet& sheet) override;
    bool printPanelShown() const override;
    void closePrintPanel() override;
    void panelColorChanged(const QColor& color) override;
    void activated() override;

    print::PrintPanel* panel() const { return panel_; }

    // What the output reads from the screen; for Copy only the rows of the selection (all rows
    // of a schedule) are read.
    static LoanOutputSource readScreen(const LoanSheet& sheet);

  private:
    LoanSheet& sheet_;
    print::PrintPanel* panel_ = nullptr;
    LoanOutputSource printed_;
    SelectionBlock block_;
};

// The output every Loan Calculator screen is given.
std::unique_ptr<LoanSheetOutput> makeLoanOutput(LoanSheet& sheet);

}  // namespace coinwell::loan
