#include "budget/core/budget_print_document.h"

#include <algorithm>
#include <cmath>

#include "common/core/format_number.h"
#include "common/core/number_text.h"

namespace coinwell::budget {

namespace {

using print::PageDocument;

// Where the text of every page starts: a quarter inch from the top, where printers can ink.
constexpr int kPageTop = 360;
// The budget table: its rules run from 10 to the page width less 10; item names start at 75.
constexpr int kRuleInset = 10;
constexpr int kNameLeft = 75;
constexpr int kBelowDateLine = 100;
constexpr int kRuleGap = 10;
constexpr int kHeadingSpacing = 30;
constexpr int kRowSpacing = 15;
constexpr int kBalanceSpacing = 30;
// A page of items is full this close to the bottom; the totals block needs this much room.
constexpr int kPageFullRoom = 600;
constexpr int kTotalsBlockRoom = 1000;
// The totals document starts a new page this close to the bottom.
constexpr int kTotalsPageEnd = 400;

constexpr std::string_view kAmountPattern = "#####.00";
constexpr std::string_view kMoneyPattern = "$##,###,###";
constexpr std::string_view kPercentPattern = "##0.00%";
constexpr print::ColorNumber kRed = 0x000080;  // the sixteen-colour palette's red (index 4)

constexpr std::array<TableColumnDivisors, kMonths> kMonthDivisors{{{5.57, 4.3, 6.25},
                                                                   {4, 3.3, 4.28},
                                                                   {3.15, 2.7, 3.3},
                                                                   {2.6, 2.28, 2.7},
                                                                   {2.21, 1.97, 2.275},
                                                                   {1.91, 1.74, 1.965},
                                                                   {1.67, 1.551, 1.735},
                                                                   {1.52, 1.4, 1.545},
                                                                   {1.365, 1.275, 1.4},
                                                                   {1.25, 1.173, 1.275},
                                                                   {1.155, 1.083, 1.172},
                                                                   {1.06, 1.005, 1.082}}};

int at(double width, double divisor) {
    return static_cast<int>(std::lround(width / divisor));
}

// The smaller sizes of the documents never go below one point, whatever size was chosen.
double sizeLess(double size, double less) {
    return std::max(1.0, size - less);
}

class BudgetTableLayout {
  public:
    BudgetTableLayout(PageDocument& doc, const print::PrintPanelSettings& settings,
                      const BudgetTableSource& source, GridlineMode gridlines)
        : doc_(doc),
          settings_(settings),
          source_(source),
          gridlines_(gridlines),
          width_(doc.pageWidth()),
          height_(doc.pageHeight()),
          title_(source.familyName + " Home Budget For " + source.year) {}

    void run() {
        doc_.setFont(settings_.font());
        doc_.setTextColor(source_.textColor);
        doc_.setLineColor(source_.textColor);
        doc_.setMargins({});
        doc_.startDocument();
        int next = 1;
        bool continued = false;
        while (true) {
            pageHeader(continued);
            // A page the last row filled goes on as well: the totals get a page of their own
            // with the whole header.
            if (!printRows(next)) {
                break;
            }
            columnRules();
            doc_.newPage();
            continued = true;
        }
        if (doc_.currentY() > height_ - kTotalsBlockRoom) {
            columnRules();
            doc_.newPage();
            doc_.setCurrentY(kPageTop);
            doc_.setFontSize(sizeLess(settings_.fontSize, 4));
            doc_.setSpaceAfter(0);
            doc_.printAt(kNameLeft, dateLine_);
            doc_.newLine();
            tableTop_ = doc_.currentY();
            // The block stands in a box of its own on the new page.
            rule(false);
        }
        totalsBlock();
        doc_.endDocument();
    }

  private:
    bool ruled() const { return gridlines_ != GridlineMode::None; }

    void pageHeader(bool continued) {
        doc_.setCurrentY(kPageTop);
        doc_.setSpaceAfter(0);
        doc_.setFontSize(settings_.fontSize);
        doc_.setBold(true);
        doc_.printCentred(at(width_, 2), title_);
        doc_.newLine();
        doc_.setFontSize(sizeLess(settings_.fontSize, 6));
        doc_.setBold(false);
        dateLine_ = printedDateLine(source_.today, continued);
        doc_.printCentred(at(width_, 2), dateLine_);
        doc_.newLine();
        doc_.setFontSize(settings_.fontSize);
        doc_.setCurrentY(doc_.currentY() + kBelowDateLine);
        doc_.setSpaceAfter(kHeadingSpacing);
        tableTop_ = doc_.currentY();
        rule(true);
        doc_.printAt(at(width_, kItemHeadingDivisor), gridHeading(kItemColumn));
        for (int m = 0; m < kMonths; ++m) {
            doc_.printAt(at(width_, kMonthDivisors[static_cast<std::size_t>(m)].heading),
                         gridHeading(kFirstMonthColumn + m));
        }
        doc_.newLine();
        rule(true);
        doc_.setSpaceAfter(kRowSpacing);
        setRowFont();
    }

    void setRowFont() {
        const bool portrait = doc_.orientation() == print::Orientation::Portrait;
        doc_.setFontSize(sizeLess(settings_.fontSize, portrait ? 4 : 2));
    }

    // A rule across the table; the heading rules leave a small gap under them.
    void rule(bool moveDown) {
        if (!ruled()) {
            return;
        }
        doc_.horizontalRule(kRuleInset, width_ - kRuleInset, doc_.currentY());
        if (moveDown) {
            doc_.setCurrentY(doc_.currentY() + kRuleGap);
        }
    }

    void columnRules() {
        if (!ruled()) {
            return;
        }
        const int bottom = doc_.currentY();
        doc_.verticalRule(kRuleInset, tableTop_, bottom);
        for (const TableColumnDivisors& column : kMonthDivisors) {
            doc_.verticalRule(at(width_, column.rule), tableTop_, bottom);
        }
        doc_.verticalRule(width_ - kRuleInset, tableTop_, bottom);
    }

    static bool rowHasContent(const BudgetItem& item) {
        return !item.name.empty() || std::any_of(item.amounts.begin(), item.amounts.end(),
                                                 [](const std::string& a) { return !a.empty(); });
    }

    // Prints the rows from `next` on until the page is full; true when a row filled it (`next`
    // is then the first row not printed).
    bool printRows(int& next) {
        while (next <= kItemRows) {
            const BudgetItem& item = source_.budget.items[static_cast<std::size_t>(next - 1)];
            ++next;
            if (!rowHasContent(item)) {
                continue;
            }
            doc_.printAt(kNameLeft, item.name);
            for (int m = 0; m < kMonths; ++m) {
                const auto month = static_cast<std::size_t>(m);
                doc_.printRightAligned(at(width_, kMonthDivisors[month].value),
                                       formatNumber(item.amounts[month], kAmountPattern));
            }
            doc_.newLine();
            if (gridlines_ == GridlineMode::All) {
                rule(false);
            }
            if (doc_.currentY() > height_ - kPageFullRoom) {
                return true;
            }
        }
        return false;
    }

    void totalsBlock() {
        setRowFont();
        static const char* const captions[3] = {"Total Expenses: ", "Total Income: ", "Balance: "};
        const std::array<std::string, kMonths>* texts[3] = {&source_.expenses, &source_.income,
                                                            &source_.balance};
        for (int line = 0; line < 3; ++line) {
            doc_.setSpaceAfter(line < 2 ? kRowSpacing : kBalanceSpacing);
            doc_.setTextColor(source_.textColor);
            doc_.printAt(kNameLeft, captions[line]);
            for (int m = 0; m < kMonths; ++m) {
                const auto month = static_cast<std::size_t>(m);
                const bool red = line == 2 && source_.balanceNegative[month];
                doc_.setTextColor(red ? kRed : source_.textColor);
                doc_.printRightAligned(at(width_, kMonthDivisors[month].value),
                                       formatNumber((*texts[line])[month], kAmountPattern));
            }
            doc_.setTextColor(source_.textColor);
            doc_.newLine();
            rule(false);
        }
        columnRules();
    }

    PageDocument& doc_;
    const print::PrintPanelSettings& settings_;
    const BudgetTableSource& source_;
    GridlineMode gridlines_;
    const int width_;
    const int height_;
    const std::string title_;
    std::string dateLine_;
    int tableTop_ = 0;
};

class TotalsLayout {
  public:
    TotalsLayout(PageDocument& doc, const print::PrintPanelSettings& settings,
                 const TotalsSource& source)
        : doc_(doc),
          settings_(settings),
          source_(source),
          width_(doc.pageWidth()),
          height_(doc.pageHeight()) {}

    void run(bool printGraph, const std::string& pictureFile) {
        doc_.setFont(settings_.font());
        doc_.setTextColor(source_.textColor);
        doc_.setLineColor(source_.textColor);
        doc_.setMargins({});
        doc_.startDocument();
        pageHeader();
        if (printGraph) {
            const bool portrait = doc_.orientation() == print::Orientation::Portrait;
            doc_.setCurrentY(static_cast<int>(std::lround(height_ / (portrait ? 2.05 : 1.6))));
            const PictureRect r = chartPictureRect(doc_.orientation());
            doc_.drawPicture(pictureFile, r.x, r.y, r.width, r.height);
        }
        doc_.printCentred(at(width_, 5), "Item");
        doc_.printCentred(at(width_, 2), "Total");
        doc_.printCentred(at(width_, 1.3), "Percentage");
        doc_.newLine();
        for (const TotalsRow& row : source_.totals.rows) {
            roomForLine();
            printFigures(row.name, row.total, row.percent);
        }
        const YearTotals& totals = source_.totals;
        const std::string* lines[3][2] = {{&totals.expenses, &totals.expensesPercent},
                                          {&totals.income, &totals.incomePercent},
                                          {&totals.balance, &totals.balancePercent}};
        static const char* const captions[3] = {"Total Expenses: ", "Total Income: ", "Balance: "};
        for (int line = 0; line < 3; ++line) {
            roomForLine();
            doc_.horizontalRule(at(width_, 8), at(width_, 1.23), doc_.currentY());
            const bool red = line == 2 && totals.balanceNegative;
            doc_.setTextColor(red ? kRed : source_.textColor);
            printFigures(captions[line], *lines[line][0], *lines[line][1]);
            doc_.setTextColor(source_.textColor);
        }
        roomForLine();
        doc_.newLine();
        roomForLine();
        doc_.printAt(at(width_, 8), "Percentage " + source_.percentBaseCaption);
        doc_.newLine();
        doc_.endDocument();
    }

  private:
    void pageHeader() {
        doc_.setCurrentY(kPageTop);
        doc_.setFontSize(settings_.fontSize);
        doc_.printCentred(at(width_, 2), "BUDGET TOTALS FOR " + plainNumberText(source_.year));
        doc_.newLine();
        doc_.setFontSize(sizeLess(settings_.fontSize, 4));
        doc_.printCentred(at(width_, 2), printedDateLine(source_.today, doc_.pageNumber() > 1));
        doc_.newLine();
        doc_.setFontSize(sizeLess(settings_.fontSize, 2));
    }

    // A line at or past the page's end goes on a new page under the header.
    void roomForLine() {
        if (doc_.currentY() >= height_ - kTotalsPageEnd) {
            doc_.newPage();
            pageHeader();
        }
    }

    void printFigures(const std::string& name, const std::string& total,
                      const std::string& percent) {
        doc_.printAt(at(width_, 8), name);
        // Texts that are not plain numbers (a percentage already with its sign) print as they are.
        doc_.printRightAligned(at(width_, 1.88), formatNumber(total, kMoneyPattern));
        doc_.printRightAligned(at(width_, 1.24), formatNumber(percent, kPercentPattern));
        doc_.newLine();
    }

    PageDocument& doc_;
    const print::PrintPanelSettings& settings_;
    const TotalsSource& source_;
    const int width_;
    const int height_;
};

}  // namespace

PictureRect chartPictureRect(print::Orientation orientation) {
    const auto inches = [](double value) { return static_cast<int>(std::lround(value * 1440)); };
    if (orientation == print::Orientation::Portrait) {
        return {inches(0.36), inches(0.84), inches(7.3), inches(4.15)};
    }
    return {inches(0.31), inches(0.7), inches(9.9), inches(4.4)};
}

const std::array<TableColumnDivisors, kMonths>& monthColumnDivisors() {
    return kMonthDivisors;
}

std::string printedDateLine(const DateTime& today, bool continued) {
    return "Printed: " + formatDate(today, "Long Date") + (continued ? " (Continued)" : "");
}

void layoutBudgetTable(PageDocument& doc, const print::PrintPanelSettings& settings,
                       const BudgetTableSource& source, GridlineMode gridlines) {
    BudgetTableLayout(doc, settings, source, gridlines).run();
}

void layoutTotalsDocument(PageDocument& doc, const print::PrintPanelSettings& settings,
                          const TotalsSource& source, bool printGraph,
                          const std::string& pictureFile) {
    TotalsLayout(doc, settings, source).run(printGraph, pictureFile);
}

}  // namespace coinwell::budget
