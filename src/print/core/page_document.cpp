#include "print/core/page_document.h"

#include <algorithm>
#include <cmath>

namespace coinwell::print {

namespace {

constexpr double kTwipsPerPoint = 20.0;

int roundTwips(double value) {
    return static_cast<int>(std::lround(value));
}

// Splits a paragraph at blanks into lines no wider than the widths allowed; a word wider than a
// whole line stands on a line of its own.
std::vector<std::string_view> wrapLines(const PageDocument& doc, std::string_view text,
                                        double firstWidth, double otherWidth) {
    std::vector<std::string_view> lines;
    if (text.empty() || doc.textWidth(text) <= firstWidth) {
        lines.push_back(text);
        return lines;
    }
    std::size_t start = 0;
    double available = firstWidth;
    while (start < text.size()) {
        std::string_view rest = text.substr(start);
        if (doc.textWidth(rest) <= available) {
            lines.push_back(rest);
            break;
        }
        // The longest run of whole words that fits.
        std::size_t fit = 0;
        std::size_t blank = rest.find(' ');
        while (blank != std::string_view::npos) {
            if (doc.textWidth(rest.substr(0, blank)) > available) {
                break;
            }
            fit = blank;
            blank = rest.find(' ', blank + 1);
        }
        if (fit == 0) {
            fit = rest.find(' ');
            if (fit == std::string_view::npos) {
                lines.push_back(rest);
                break;
            }
        }
        lines.push_back(rest.substr(0, fit));
        start += fit;
        while (start < text.size() && text[start] == ' ') {
            ++start;
        }
        available = otherWidth;
    }
    return lines;
}

}  // namespace

double FixedPitchMeasurer::textWidth(const FontSpec& font, std::string_view text) const {
    return static_cast<double>(text.size()) * font.size * kTwipsPerPoint / 2.0;
}

FontMetrics FixedPitchMeasurer::metrics(const FontSpec& font) const {
    const double em = font.size * kTwipsPerPoint;
    return {roundTwips(em * 0.9), roundTwips(em * 0.25), roundTwips(em * 1.15)};
}

int PageDocument::pageWidth() const {
    return orientation_ == Orientation::Portrait ? paper_.width : paper_.height;
}

int PageDocument::pageHeight() const {
    return orientation_ == Orientation::Portrait ? paper_.height : paper_.width;
}

void PageDocument::setIndents(int left, int right) {
    leftIndent_ = left;
    rightIndent_ = right;
}

int PageDocument::lineHeight() const {
    const int height = measurer_->metrics(font_).lineHeight;
    return roundTwips(static_cast<double>(height) * lineSpacing_ / 100.0) + spaceAfter_;
}

void PageDocument::startDocument() {
    pages_.clear();
    open_ = true;
    newPage();
}

void PageDocument::newPage() {
    Page next;
    next.number = static_cast<int>(pages_.size()) + 1;
    next.width = pageWidth();
    next.height = pageHeight();
    next.margins = margins_;
    pages_.push_back(std::move(next));
    x_ = lineStartX();
    y_ = margins_.top;
}

Page& PageDocument::page() {
    if (pages_.empty()) {
        startDocument();
    }
    Page& current = pages_.back();
    current.margins = margins_;
    return current;
}

double PageDocument::textWidth(std::string_view text) const {
    return measurer_->textWidth(font_, text);
}

void PageDocument::addText(int x, std::string_view text, double width) {
    const FontMetrics metrics = measurer_->metrics(font_);
    // A line that would run past the bottom margin goes to the next page, as on a printer.
    if (y_ > margins_.top && y_ + metrics.lineHeight > pageHeight() - margins_.bottom) {
        newPage();
    }
    if (text.empty()) {
        page();
        return;
    }
    TextItem item;
    item.x = x;
    item.y = y_;
    item.text = std::string(text);
    item.font = font_;
    item.color = textColor_;
    item.width = roundTwips(width);
    item.ascent = metrics.ascent;
    page().items.emplace_back(std::move(item));
}

void PageDocument::printParagraph(std::string_view text) {
    // A line break inside the text (CR LF, CR or LF) starts a new line, as on the printer.
    const std::size_t lineBreak = text.find_first_of("\r\n");
    if (lineBreak != std::string_view::npos) {
        const std::size_t width = text.compare(lineBreak, 2, "\r\n") == 0 ? 2 : 1;
        printParagraph(text.substr(0, lineBreak));
        printParagraph(text.substr(lineBreak + width));
        return;
    }
    const int rightEdge = pageWidth() - margins_.right - rightIndent_;
    const double firstWidth = rightEdge - std::max(x_, lineStartX());
    const double otherWidth = rightEdge - lineStartX();
    for (std::string_view line : wrapLines(*this, text, firstWidth, otherWidth)) {
        const int x = std::max(x_, lineStartX());
        addText(x, line, textWidth(line));
        newLine();
    }
}

void PageDocument::printText(std::string_view text) {
    const double width = textWidth(text);
    addText(x_, text, width);
    x_ += roundTwips(width);
}

void PageDocument::printCentred(int centreX, std::string_view text) {
    const double width = textWidth(text);
    addText(centreX - roundTwips(width / 2.0), text, width);
}

void PageDocument::printAt(int leftX, std::string_view text) {
    addText(leftX, text, textWidth(text));
}

void PageDocument::printRightAligned(int rightX, std::string_view text) {
    const double width = textWidth(text);
    addText(rightX - roundTwips(width), text, width);
}

void PageDocument::newLine() {
    y_ += lineHeight();
    x_ = lineStartX();
}

void PageDocument::drawLine(int x1, int y1, int x2, int y2) {
    page().items.emplace_back(RuleItem{x1, y1, x2, y2, lineThickness_, lineColor_});
}

void PageDocument::drawPicture(std::string file, int x, int y, int width, int height) {
    page().items.emplace_back(PictureItem{x, y, width, height, std::move(file)});
}

std::vector<std::string> pageTexts(const Page& page) {
    std::vector<std::string> texts;
    for (const PageItem& item : page.items) {
        if (const auto* text = std::get_if<TextItem>(&item)) {
            texts.push_back(text->text);
        }
    }
    return texts;
}

}  // namespace coinwell::print
