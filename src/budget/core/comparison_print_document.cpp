#include "budget/core/comparison_print_document.h"

#include <algorithm>
#include <cmath>

#include "budget/core/year_planning_texts.h"

namespace coinwell::budget {

namespace {

using print::PageDocument;

constexpr int kPageTop = 360;
constexpr int kPageEnd = 400;  // a new page starts this close to the bottom
constexpr int kSideMargin = 720;
constexpr int kGapAbovePicture = 240;
constexpr int kHeadingGap = 60;

// Where the columns stand, as shares of the page width: the name's left edge, then the right
// edges of the two totals, the change and its percentage.
constexpr double kNameLeft = 0.08;
constexpr std::array<double, kComparisonColumns - 1> kRightEdges = {0.50, 0.64, 0.79, 0.93};

int share(int width, double part) {
    return static_cast<int>(std::lround(width * part));
}

double sizeLess(double size, double less) {
    return std::max(1.0, size - less);
}

class ComparisonLayout {
  public:
    ComparisonLayout(PageDocument& doc, const print::PrintPanelSettings& settings,
                     const ComparisonPrintSource& source)
        : doc_(doc),
          settings_(settings),
          source_(source),
          width_(doc.pageWidth()),
          height_(doc.pageHeight()) {}

    void run(const std::string& pictureFile) {
        doc_.setFont(settings_.font());
        doc_.setTextColor(source_.textColor);
        doc_.setLineColor(source_.textColor);
        doc_.setMargins({});
        doc_.startDocument();
        pageHeader();
        const auto rows = source_.comparison.gridTexts();
        const std::size_t firstTotal = rows.size() - 3;
        for (std::size_t r = 1; r < rows.size(); ++r) {
            roomForLine();
            if (r == firstTotal) {
                rule();
            }
            printRow(rows[r]);
        }
        if (!pictureFile.empty()) {
            const PictureRect size = comparisonChartSize(width_);
            const int top = doc_.currentY() + kGapAbovePicture;
            if (top + size.height <= height_ - kPageEnd) {
                doc_.drawPicture(pictureFile, (width_ - size.width) / 2, top, size.width,
                                 size.height);
                doc_.setCurrentY(top + size.height);
            }
        }
        doc_.endDocument();
    }

  private:
    void pageHeader() {
        doc_.setCurrentY(kPageTop);
        doc_.setFontSize(settings_.fontSize);
        doc_.setBold(true);
        const YearComparison& comparison = source_.comparison;
        doc_.printCentred(width_ / 2, comparisonTitle(comparison.yearA, comparison.yearB));
        doc_.newLine();
        doc_.setBold(settings_.bold);
        doc_.setFontSize(sizeLess(settings_.fontSize, 4));
        doc_.printCentred(width_ / 2, printedDateLine(source_.today, doc_.pageNumber() > 1));
        doc_.newLine();
        doc_.setFontSize(sizeLess(settings_.fontSize, 2));
        doc_.setCurrentY(doc_.currentY() + kHeadingGap);
        printRow(comparison.gridTexts().front());
        rule();
    }

    void rule() {
        doc_.horizontalRule(share(width_, kNameLeft), share(width_, kRightEdges.back()),
                            doc_.currentY());
        doc_.setCurrentY(doc_.currentY() + 30);
    }

    void roomForLine() {
        if (doc_.currentY() >= height_ - kPageEnd) {
            doc_.newPage();
            pageHeader();
        }
    }

    void printRow(const std::array<std::string, kComparisonColumns>& row) {
        doc_.printAt(share(width_, kNameLeft), row[0]);
        for (std::size_t c = 1; c < row.size(); ++c) {
            doc_.printRightAligned(share(width_, kRightEdges[c - 1]), row[c]);
        }
        doc_.newLine();
    }

    PageDocument& doc_;
    const print::PrintPanelSettings& settings_;
    const ComparisonPrintSource& source_;
    const int width_;
    const int height_;
};

}  // namespace

PictureRect comparisonChartSize(int pageWidth) {
    const int width = pageWidth - 2 * kSideMargin;
    return {0, 0, width, width / 2};
}

void layoutComparisonDocument(PageDocument& doc, const print::PrintPanelSettings& settings,
                              const ComparisonPrintSource& source, const std::string& pictureFile) {
    ComparisonLayout(doc, settings, source).run(pictureFile);
}

}  // namespace coinwell::budget
