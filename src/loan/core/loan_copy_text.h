#pragma once
// What the Loan Calculator's Copy puts on the clipboard: the block of the payment table the grid
// selection covers, or the whole amortization schedule, as text with a summary in front. The
// output reads what the grid shows (its cell texts and selection) and the screen's values, taken
// together in a LoanOutputSource.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "common/core/dialogs.h"
#include "common/core/grid_view.h"
#include "loan/core/loan_inputs.h"

namespace coinwell::loan {

// The grid shows a schedule when the header of column 1 begins with "Amount".
bool showsSchedule(const GridView& grid);

// The rest of the screen the output reads.
struct LoanOutputSource {
    GridView grid;
    std::string purchaseText;     // the purchase box
    std::string loanAmountLabel;  // Label3: the loan amount as plain number text
    std::string downText;         // the down payment box
    std::string downCaption;      // lblDwnPay: "Percent Down" / "Amount Down"
    LoanInputs inputs;            // purchaseAmount, loanAmount, downValue, downMode, lengthUnit
    float lastRowPayment = 0;
    ColorNumber textColor = 0;  // the grid's text colour: the printed text takes it
    bool noteVisible = true;    // Label1, shown in the Years unit
    std::string noteText;
    // The schedule's summary (while the grid shows one).
    std::string rateText;
    double totalInterest = 0;
    double payment = 0;
    // With extra payments applied: the grid's sixth column and the panel's two result labels.
    bool extraPayments = false;
    std::string payoffText;  // lblPayoff
    std::string savedText;   // lblSaved
};

// The loan length a column's header shows (the number after the line break); throws
// coinwell::NumberOverflow for a number beyond the double range.
double headerLength(const GridView& grid, int column);

// Width of a text in the screen's font (any unit), for the blank padding of the header line.
using ScreenTextWidth = std::function<double(std::string_view)>;

// The clipboard text, CRLF line breaks. Nothing when the text cannot be built (a number that
// cannot be read, a row or column beyond the 16-bit range).
std::optional<std::string> loanCopyText(const LoanOutputSource& source,
                                        const ScreenTextWidth& screenTextWidth);

// Copy: builds the text and puts it on the clipboard with "Data has been copied ...", or shows
// "Too Large a Selection" and leaves the clipboard as it was.
void copyLoanToClipboard(Dialogs& dialogs, const LoanOutputSource& source,
                         const ScreenTextWidth& screenTextWidth);

MessageRequest loanCopiedMessage();

}  // namespace coinwell::loan
