#include "budget/core/budget_clipboard.h"

namespace coinwell::budget {

namespace {

constexpr const char* kCrLf = "\r\n";
// More blanks than any font needs for 60 pixels: a font that draws a blank with no width
// cannot keep the filling going.
constexpr int kMostFillBlanks = 60;

void appendMonths(std::string& text, const std::array<std::string, kMonths>& months) {
    for (const std::string& month : months) {
        text += '\t';
        text += month;
    }
    text += kCrLf;
}

}  // namespace

std::string budgetClipboardText(std::string_view year, const BudgetYear& budget,
                                const MonthlyCaptions& captions, const PixelWidth& pixelWidth) {
    std::string text = std::string(year) + " Budget" + kCrLf + kCrLf;
    text += std::string(8, ' ') + "Item" + std::string(20, ' ');
    for (int column = kFirstMonthColumn; column <= kLastMonthColumn; ++column) {
        if (column != kFirstMonthColumn) {
            text += '\t';
        }
        text += gridHeading(column);
    }
    text += '\r';

    for (const BudgetItem& item : budget.items) {
        if (item.name.empty()) {
            continue;
        }
        std::string name = item.name;
        for (int blanks = 0; blanks < kMostFillBlanks && pixelWidth(name) < kItemNamePixels;
             ++blanks) {
            name += ' ';
        }
        text += name;
        for (const std::string& amount : item.amounts) {
            text += '\t';
            text += amount;
        }
        text += '\r';
    }

    text += "Total Expenses:";
    appendMonths(text, captions.expenses);
    text += "Total Income:      ";
    appendMonths(text, captions.income);
    text += "Balance:          ";
    appendMonths(text, captions.balance);
    return text;
}

MessageRequest budgetCopiedMessage() {
    return {"Current Budget has been copied to the Windows Clipboard.", "Copy Option",
            MessageIcon::Information, MessageButtons::Ok, Answer::Ok};
}

}  // namespace coinwell::budget
