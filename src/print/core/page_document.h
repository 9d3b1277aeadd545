#pragma once
// A printed document as a list of pages of positioned items (texts, rules, pictures), all in twips
// (1/1440 inch) measured from the top-left corner of the paper. Screens build one through the
// calls below the way a print routine drives a page printer: set the font, move the current
// position, print a text or a paragraph, start a new page. One Qt renderer draws the result on
// the preview, the printer, a PDF file or a page picture.
//
// Text widths come from a TextMeasurer: real font metrics in the program, a fixed-pitch one in
// tests and benchmarks.

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace coinwell::print {

using ColorNumber = std::uint32_t;  // red in the low byte, blue in the high byte

struct FontSpec {
    std::string name = "Times New Roman";
    double size = 14;  // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikethrough = false;

    bool operator==(const FontSpec&) const = default;
};

// Vertical metrics of a font, in twips.
struct FontMetrics {
    int ascent = 0;
    int descent = 0;
    int lineHeight = 0;  // distance from one line's top to the next one's
};

class TextMeasurer {
  public:
    virtual ~TextMeasurer() = default;
    // Width of the text in twips when drawn in the font.
    virtual double textWidth(const FontSpec& font, std::string_view text) const = 0;
    virtual FontMetrics metrics(const FontSpec& font) const = 0;
};

// Every character half an em wide; a line 1.15 em high. Deterministic, for tests and benchmarks.
class FixedPitchMeasurer : public TextMeasurer {
  public:
    double textWidth(const FontSpec& font, std::string_view text) const override;
    FontMetrics metrics(const FontSpec& font) const override;
};

enum class Orientation { Portrait = 0, Landscape = 1 };

struct PaperSize {
    int width = 12240;   // portrait width, twips (Letter: 8.5 in)
    int height = 15840;  // portrait height, twips (Letter: 11 in)

    bool operator==(const PaperSize&) const = default;
};

inline constexpr PaperSize kLetterPaper{12240, 15840};

struct Margins {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool operator==(const Margins&) const = default;
};

// A text with its top-left corner at (x, y); the baseline lies ascent below y.
struct TextItem {
    int x = 0;
    int y = 0;
    std::string text;
    FontSpec font;
    ColorNumber color = 0;
    int width = 0;
    int ascent = 0;
};

// A straight line from (x1, y1) to (x2, y2).
struct RuleItem {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    int thickness = 15;  // twips; one screen pixel
    ColorNumber color = 0;
};

// A picture file drawn stretched into a rectangle.
struct PictureItem {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    std::string file;
};

using PageItem = std::variant<TextItem, RuleItem, PictureItem>;

struct Page {
    int number = 1;
    int width = 0;  // paper width and height in the page's orientation
    int height = 0;
    Margins margins;  // as they stood when the page ended (for the guide lines)
    std::vector<PageItem> items;
};

class PageDocument {
  public:
    explicit PageDocument(const TextMeasurer& measurer) : measurer_(&measurer) {}

    // Paper and orientation; page width and height follow the orientation.
    void setPaper(PaperSize portrait) { paper_ = portrait; }
    PaperSize paper() const { return paper_; }
    void setOrientation(Orientation orientation) { orientation_ = orientation; }
    Orientation orientation() const { return orientation_; }
    int pageWidth() const;
    int pageHeight() const;

    void setMargins(Margins margins) { margins_ = margins; }
    const Margins& margins() const { return margins_; }
    // Left and right paragraph indents, added to the margins.
    void setIndents(int left, int right);
    int leftIndent() const { return leftIndent_; }
    int rightIndent() const { return rightIndent_; }

    void setFont(const FontSpec& font) { font_ = font; }
    const FontSpec& font() const { return font_; }
    void setFontName(std::string name) { font_.name = std::move(name); }
    void setFontSize(double size) { font_.size = size; }
    void setBold(bool on) { font_.bold = on; }
    void setItalic(bool on) { font_.italic = on; }
    void setUnderline(bool on) { font_.underline = on; }
    void setStrikethrough(bool on) { font_.strikethrough = on; }
    void setTextColor(ColorNumber color) { textColor_ = color; }
    ColorNumber textColor() const { return textColor_; }
    void setLineColor(ColorNumber color) { lineColor_ = color; }
    void setLineThickness(int twips) { lineThickness_ = twips; }

    // Line spacing in percent of the font's line height (100 = single); space added after each
    // printed line, in twips.
    void setLineSpacing(int percent) { lineSpacing_ = percent; }
    void setSpaceAfter(int twips) { spaceAfter_ = twips; }
    // Distance from one printed line to the next in the current font and spacing.
    int lineHeight() const;

    // Discards all pages and starts page 1 at the top-left margin corner.
    void startDocument();
    void endDocument() { open_ = false; }
    bool isOpen() const { return open_; }
    // Starts a new page; the position goes to the top-left margin corner.
    void newPage();
    int pageNumber() const { return static_cast<int>(pages_.size()); }

    int currentX() const { return x_; }
    int currentY() const { return y_; }
    void setCurrentX(int x) { x_ = x; }
    void setCurrentY(int y) { y_ = y; }

    double textWidth(std::string_view text) const;

    // Prints the text at the current position, wrapped inside the margins and indents, and moves
    // to the start of the next line. An empty text prints an empty line; a line break in the
    // text (CR LF, CR or LF) starts a new line. When a line would run past the bottom margin, it
    // goes to a new page.
    void printParagraph(std::string_view text);
    // Prints the text at the current position without ending the line; x moves past it.
    void printText(std::string_view text);
    // Prints the text on the current line with its centre, left edge or right edge at x.
    void printCentred(int centreX, std::string_view text);
    void printAt(int leftX, std::string_view text);
    void printRightAligned(int rightX, std::string_view text);
    // Ends the current line: y moves down one line, x to the left margin and indent.
    void newLine();

    void drawLine(int x1, int y1, int x2, int y2);
    void horizontalRule(int x1, int x2, int y) { drawLine(x1, y, x2, y); }
    void verticalRule(int x, int y1, int y2) { drawLine(x, y1, x, y2); }
    void drawPicture(std::string file, int x, int y, int width, int height);

    const std::vector<Page>& pages() const { return pages_; }
    const TextMeasurer& measurer() const { return *measurer_; }

  private:
    Page& page();
    int lineStartX() const { return margins_.left + leftIndent_; }
    void addText(int x, std::string_view text, double width);

    const TextMeasurer* measurer_;
    PaperSize paper_ = kLetterPaper;
    Orientation orientation_ = Orientation::Portrait;
    Margins margins_;
    int leftIndent_ = 0;
    int rightIndent_ = 0;
    FontSpec font_;
    ColorNumber textColor_ = 0;
    ColorNumber lineColor_ = 0;
    int lineThickness_ = 15;
    int lineSpacing_ = 100;
    int spaceAfter_ = 0;
    bool open_ = false;
    int x_ = 0;
    int y_ = 0;
    std::vector<Page> pages_;
};

// The texts of a page in order, one a line, for tests and diagnostics.
std::vector<std::string> pageTexts(const Page& page);

}  // namespace coinwell::print
