#include "print/core/print_panel_settings.h"

#include <cmath>

namespace coinwell::print {

namespace {

// Sizes Auto Size never goes beyond, so a measurer that cannot tell sizes apart cannot make it
// loop for ever.
constexpr float kSmallestSize = 1;
constexpr float kLargestSize = 1000;

}  // namespace

int autoSizeLetters(PrintingScreen screen) {
    return screen == PrintingScreen::Budget ? 78 : 76;
}

void PrintPanelSettings::resetForOpening() {
    fontName = "Times New Roman";
    bold = false;
    italic = false;
    fontSize = 14;
}

void PrintPanelSettings::resetForScreenLoad(ColorNumber textColor) {
    underline = false;
    strikethrough = false;
    color = textColor;
}

void PrintPanelSettings::resetForScreenLoad(PrintingScreen screen, ColorNumber textColor) {
    if (screen == PrintingScreen::HomeCalculator) {
        color = textColor;
    } else {
        resetForScreenLoad(textColor);
    }
}

FontSpec PrintPanelSettings::font() const {
    return FontSpec{fontName, fontSize, bold, italic, underline, strikethrough};
}

PrintPanelSettings& runPrintPanelSettings() {
    static PrintPanelSettings settings;
    return settings;
}

float autoSizeFont(PageDocument& doc, PrintPanelSettings& settings, int letters,
                   const std::function<void()>& yield) {
    doc.setMargins({});
    const std::string line(static_cast<std::size_t>(letters > 0 ? letters : 0), 'n');
    FontSpec font = settings.font();
    // Whole steps from a fractional size (from the font dialog) could end a point short of the
    // largest size that fits, and a second press would then give another size: step from the
    // whole size instead.
    float size = std::floor(settings.fontSize);
    const auto width = [&] {
        font.size = size;
        doc.setFont(font);
        return doc.textWidth(line);
    };
    const auto step = [&](float by) {
        size += by;
        if (yield) {
            yield();
        }
    };
    for (int pass = 0; pass < 2; ++pass) {
        const double page = doc.pageWidth();
        if (page <= width()) {
            while (size - 1 >= kSmallestSize && page < width()) {
                step(-1);
            }
        } else {
            while (size + 1 <= kLargestSize && page > width()) {
                step(1);
            }
        }
    }
    // Coming down from a size too large, the second pass grows one point past the fit again:
    // step back until the line fits.
    while (size - 1 >= kSmallestSize && doc.pageWidth() < width()) {
        step(-1);
    }
    settings.fontSize = std::floor(size);
    font.size = settings.fontSize;
    doc.setFont(font);
    return settings.fontSize;
}

}  // namespace coinwell::print
