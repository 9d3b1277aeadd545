#include "print/ui/qt_text_measurer.h"

#include <cmath>

namespace coinwell::print {

QFont twipFont(const FontSpec& font) {
    QFont qfont(QString::fromStdString(font.name));
    qfont.setPixelSize(std::max(1, static_cast<int>(std::lround(font.size * 20.0))));
    qfont.setBold(font.bold);
    qfont.setItalic(font.italic);
    qfont.setUnderline(font.underline);
    qfont.setStrikeOut(font.strikethrough);
    // Unhinted outlines scale linearly, so widths measured here hold at any printer resolution.
    qfont.setHintingPreference(QFont::PreferNoHinting);
    qfont.setKerning(true);
    return qfont;
}

const QtTextMeasurer::Entry& QtTextMeasurer::entry(const FontSpec& font) const {
    if (last_ != nullptr && font == lastFont_) {
        return *last_;
    }
    const QString key = QStringLiteral("%1|%2|%3%4%5%6")
                            .arg(QString::fromStdString(font.name))
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
        found = cache_.insert(key, std::make_shared<Entry>(Entry{fm, metrics}));
    }
    lastFont_ = font;
    last_ = found.value().get();
    return *last_;
}

double QtTextMeasurer::textWidth(const FontSpec& font, std::string_view text) const {
    return entry(font).fontMetrics.horizontalAdvance(
        QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

FontMetrics QtTextMeasurer::metrics(const FontSpec& font) const {
    return entry(font).metrics;
}

}  // namespace coinwell::print
