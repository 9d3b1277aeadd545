#include "print/ui/qt_text_measurer.h"

#include <cmath>
#include "common/ui/qt_text.h"

namespace coinwell::print {

QFont twipFont(const FontSpec& font) {
    QFont qfont(toQString(font.name));
    qfont.setPixelSize(std::max(1, static_cast<int>(std::lround(font.size * 20.0))));
    qfont.setBold(font.bold);
    qfont.setItalic(font.italic);
    qfont.setUnderline(font.underline);
    qfont.setStrikeOut(font.strikethrough);
    // Unhinted outlines scale linearly, so widths measured here hold at any printer resolution.
    qfont.setHintingPreference(QFont::PreferNoHinting);
    // Without kerning a line of plain text is as wide as its characters' advances added up,
    // which lets the measurer add cached advances instead of laying every text out.
    qfont.setKerning(false);
    return qfont;
}

const QtTextMeasurer::Entry& QtTextMeasurer::entry(const FontSpec& font) const {
    if (last_ != nullptr && font == lastFont_) {
        return *last_;
    }
    const QString key = QStringLiteral("%1|%2|%3%4%5%6")
                            .arg(toQString(font.name))
                            .arg(font.size)
                            .arg(font.bold)
                            .arg(font.italic)
                            .arg(font.underline)
                            .arg(font.strikethrough);
    auto found = cache_.find(key);
    if (found == cache_.end()) {
        const QFontMetricsF fm(twipFont(font));
        FontMetrics metrics;
        metrics.ascent = static_cast<int>(std::lround(fm.ascent()));
        metrics.descent = static_cast<int>(std::lround(fm.descent()));
        metrics.lineHeight = static_cast<int>(std::lround(fm.lineSpacing()));
        auto created = std::make_shared<Entry>(Entry{fm, metrics, {}});
        created->advances.fill(-1);
        found = cache_.insert(key, std::move(created));
    }
    lastFont_ = font;
    last_ = found.value().get();
    return *last_;
}

double QtTextMeasurer::textWidth(const FontSpec& font, std::string_view text) const {
    const Entry& found = entry(font);
    double width = 0;
    for (const char c : text) {
        const auto code = static_cast<unsigned char>(c);
        if (code < 32 || code >= 127) {
            // Anything beyond plain ASCII is laid out whole.
            return found.fontMetrics.horizontalAdvance(toQString(text));
        }
        double& advance = found.advances[code];
        if (advance < 0) {
            advance = found.fontMetrics.horizontalAdvance(QChar(code));
        }
        width += advance;
    }
    return width;
}

FontMetrics QtTextMeasurer::metrics(const FontSpec& font) const {
    return entry(font).metrics;
}

}  // namespace coinwell::print
