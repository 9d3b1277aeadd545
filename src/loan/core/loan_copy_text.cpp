#include "loan/core/loan_copy_text.h"

#include <cmath>
#include <limits>
#include <stdexcept>

#include "common/core/format_number.h"
#include "common/core/number_parse.h"
#include "common/core/number_text.h"
#include "common/core/text_trim.h"

namespace coinwell::loan {

namespace {

constexpr std::string_view kCrLf = "\r\n";
constexpr char kTab = '\t';
// A header label is padded to at least the width of this text when payments are in the hundreds.
constexpr std::string_view kPaddingSample = "testtttt";
constexpr int kMostPaddingBlanks = 64;

std::optional<std::int16_t> to16(int value) {
    if (value < std::numeric_limits<std::int16_t>::min() ||
        value > std::numeric_limits<std::int16_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(value);
}

std::string lengthLabel(double length, LengthUnit unit) {
    return plainNumberText(length) + (unit == LengthUnit::Years ? " Years" : " Months");
}

// The label and its separator in the header line, chosen by the size of the payments.
std::string headerEntry(std::string label, float lastRowPayment,
                        const ScreenTextWidth& screenTextWidth) {
    if (lastRowPayment >= 1000) {
        return label + kTab;
    }
    if (lastRowPayment > 99) {
        const double wanted = screenTextWidth(kPaddingSample);
        for (int blanks = 0; blanks < kMostPaddingBlanks && screenTextWidth(label) < wanted;
             ++blanks) {
            label += ' ';
        }
        return label + kTab;
    }
    return label;
}

void appendRows(std::string& text, const GridView& grid, int top, int bottom, int left, int right) {
    for (int r = top; r <= bottom; ++r) {
        if (trimBlanks(grid.text(r, 0)).empty()) {
            break;
        }
        text += grid.text(r, 0);
        text += kTab;
        for (int c = left; c <= right; ++c) {
            if (c > left) {
                text += kTab;
            }
            text += grid.text(r, c);
        }
        text += kCrLf;
    }
}

std::string scheduleSummary(const LoanOutputSource& source) {
    std::string text;
    text += "Interest on Loan = " + source.rateText + std::string(kCrLf);
    text += "Total Amount of Interest = " + formatNumber(source.totalInterest, "Currency") +
            std::string(kCrLf);
    text += "Monthly Payment Amount = " + formatNumber(source.payment, "Currency") +
            std::string(kCrLf) + std::string(kCrLf);
    text += "The following list shows" + std::string(kCrLf);
    text += "Col.1: Payment No.        " + std::string(1, kTab) +
            "Col.2: Amount towards Principal," + std::string(kCrLf);
    text += "Col.3: Amount of Interest" + std::string(1, kTab) + "Col.4: Principal Remaining" +
            std::string(kCrLf);
    text += "Col.5: Interest Paid:";
    if (source.extraPayments) {
        text += kTab + std::string("Col.6: Extra Payment");
    }
    text += std::string(kCrLf) + std::string(kCrLf);
    return text;
}

std::string purchaseSummary(const LoanOutputSource& source) {
    const LoanInputs& inputs = source.inputs;
    std::string text;
    text +=
        "Purchase Amount = " + formatNumber(source.purchaseText, "Currency") + std::string(kCrLf);
    text += "Amount Down = " +
            formatNumber(std::fabs(inputs.loanAmount - inputs.purchaseAmount), "Currency") +
            std::string(kCrLf);
    text += "Actual Loan Amount = " +
            formatNumber(std::fabs(parseLeadingNumber(source.loanAmountLabel)), "Currency") +
            std::string(kCrLf) + std::string(kCrLf);
    return text;
}

}  // namespace

bool showsSchedule(const GridView& grid) {
    return grid.text(0, 1).starts_with("Amount");
}

double headerLength(const GridView& grid, int column) {
    std::string_view header = grid.text(0, column);
    // The header starts with the line break of the grid's cells (line feed, carriage return).
    const auto start = header.find_first_not_of(" \r\n");
    header = start == std::string_view::npos ? std::string_view{} : header.substr(start);
    return parseLeadingNumber(header);
}

std::optional<std::string> loanCopyText(const LoanOutputSource& source,
                                        const ScreenTextWidth& screenTextWidth) {
    const GridView& grid = source.grid;
    try {
        std::optional<SelectionBlock> block = selectionBlock(grid);
        if (!block) {
            return std::nullopt;
        }
        std::string text;
        const bool schedule = showsSchedule(grid);
        if (schedule) {
            const auto lastRow = to16(grid.rows() - 1);
            if (!lastRow) {
                return std::nullopt;
            }
            const std::int16_t lastColumn = source.extraPayments ? 5 : 4;
            *block = SelectionBlock{1, *lastRow, 1, lastColumn};
            text += scheduleSummary(source);
        } else {
            text += purchaseSummary(source);
            text += kTab;
            for (int c = block->left; c <= block->right; ++c) {
                text += headerEntry(lengthLabel(headerLength(grid, c), source.inputs.lengthUnit),
                                    source.lastRowPayment, screenTextWidth);
            }
            text += kCrLf;
        }
        appendRows(text, grid, block->top, block->bottom, block->left, block->right);
        text += '\r';
        if (schedule && source.extraPayments) {
            text += std::string(kCrLf) + source.payoffText + std::string(kCrLf) + source.savedText +
                    std::string(kCrLf);
        }
        if (!schedule && source.inputs.lengthUnit == LengthUnit::Years) {
            text += std::string(kCrLf) + std::string(kCrLf) + source.noteText;
        }
        return text;
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

MessageRequest loanCopiedMessage() {
    return {"Data has been copied to the Windows Clipboard.", "Copy Option",
            MessageIcon::Information, MessageButtons::Ok, Answer::Ok};
}

void copyLoanToClipboard(Dialogs& dialogs, const LoanOutputSource& source,
                         const ScreenTextWidth& screenTextWidth) {
    const std::optional<std::string> text = loanCopyText(source, screenTextWidth);
    if (!text) {
        dialogs.message(tooLargeSelectionMessage());
        return;
    }
    dialogs.setClipboardText(*text);
    dialogs.message(loanCopiedMessage());
}

}  // namespace coinwell::loan
