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

// Text as HTML shows it literally.
void appendEscaped(std::string& html, std::string_view text) {
    for (const char c : text) {
        switch (c) {
            case '&':
                html += "&amp;";
                break;
            case '<':
                html += "&lt;";
                break;
            case '>':
                html += "&gt;";
                break;
            case '"':
                html += "&quot;";
                break;
            default:
                html += c;
        }
    }
}

void appendCell(std::string& html, std::string_view tag, std::string_view text) {
    html += '<';
    html += tag;
    html += '>';
    appendEscaped(html, text);
    html += "</";
    html += tag;
    html += '>';
}

void appendTotalsRow(std::string& html, std::string_view label,
                     const std::array<std::string, kMonths>& months) {
    html += "<tr>";
    appendCell(html, "th", label);
    for (const std::string& month : months) {
        appendCell(html, "td", month);
    }
    html += "</tr>\n";
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

std::string budgetClipboardHtml(std::string_view year, const BudgetYear& budget,
                                const MonthlyCaptions& captions) {
    std::string html;
    html.reserve(16 * 1024);
    html += "<html><head><meta charset=\"utf-8\"><title>";
    appendEscaped(html, year);
    html += " Budget</title></head><body>\n<p>";
    appendEscaped(html, year);
    html += " Budget</p>\n<table border=\"1\">\n<tr>";
    for (int column = kItemColumn; column <= kLastMonthColumn; ++column) {
        appendCell(html, "th", gridHeading(column));
    }
    html += "</tr>\n";
    for (const BudgetItem& item : budget.items) {
        if (item.name.empty()) {
            continue;
        }
        html += "<tr>";
        appendCell(html, "td", item.name);
        for (const std::string& amount : item.amounts) {
            appendCell(html, "td", amount);
        }
        html += "</tr>\n";
    }
    appendTotalsRow(html, "Total Expenses:", captions.expenses);
    appendTotalsRow(html, "Total Income:", captions.income);
    appendTotalsRow(html, "Balance:", captions.balance);
    html += "</table>\n</body></html>\n";
    return html;
}

MessageRequest budgetCopiedMessage() {
    return {"Current Budget has been copied to the Windows Clipboard.", "Copy Option",
            MessageIcon::Information, MessageButtons::Ok, Answer::Ok};
}

}  // namespace coinwell::budget
