#pragma once
// Text widths and line heights of real fonts for the page document, in twips: the font is set
// up 20 pixels to the point, so one pixel of its metrics is one twip (finer than any printer).
// The renderer draws with the same fonts, so what is measured is what is printed.

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <array>
#include <memory>

#include "print/core/page_document.h"

namespace coinwell::print {

// The Qt font of a page font, sized in twips (setPixelSize): draw it through a painter scaled
// to twips.
QFont twipFont(const FontSpec& font);

class QtTextMeasurer : public TextMeasurer {
  public:
    double textWidth(const FontSpec& font, std::string_view text) const override;
    FontMetrics metrics(const FontSpec& font) const override;

  private:
    struct Entry {
        QFontMetricsF fontMetrics;
        FontMetrics metrics;
        // Advances of the printable ASCII characters, measured on first use (negative before).
        mutable std::array<double, 128> advances;
    };
    const Entry& entry(const FontSpec& font) const;

    mutable QHash<QString, std::shared_ptr<Entry>> cache_;
    mutable FontSpec lastFont_;
    mutable const Entry* last_ = nullptr;
};

}  // namespace coinwell::print
