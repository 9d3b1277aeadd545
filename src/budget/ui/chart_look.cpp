#include "budget/ui/chart_look.h"

#include <QImage>
#include <QPainter>
#include <array>

namespace coinwell::budget {

namespace {

// Distinct, print-friendly colours; series beyond them take them again in order.
constexpr std::array<QRgb, 16> kSeriesColors = {
    0x4472c4, 0xed7d31, 0x70ad47, 0xffc000, 0x5b9bd5, 0xa5a5a5, 0x9e480e, 0x264478,
    0x43682b, 0x997300, 0x7030a0, 0xc00000, 0x00b0a0, 0xff66cc, 0x806000, 0x00a0e0};

constexpr int kPatternSize = 16;

}  // namespace

QColor seriesColor(int series) {
    const auto index = static_cast<std::size_t>(series < 0 ? 0 : series) % kSeriesColors.size();
    return QColor::fromRgb(kSeriesColors[index]);
}

QBrush seriesBrush(int series, bool highlighted) {
    const QColor color = seriesColor(series);
    if (!highlighted) {
        return QBrush(color);
    }
    // Cross-hatching in a dark line over the series colour: the bar or slice stays recognisable
    // and stands out from every solid one.
    QImage tile(kPatternSize, kPatternSize, QImage::Format_RGB32);
    tile.fill(color.lighter(135));
    QPainter painter(&tile);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(color.darker(250), 2));
    painter.drawLine(0, 0, kPatternSize, kPatternSize);
    painter.drawLine(0, kPatternSize, kPatternSize, 0);
    painter.end();
    QBrush brush(tile);
    brush.setColor(color);
    return brush;
}

bool isHighlightBrush(const QBrush& brush) {
    return brush.style() == Qt::TexturePattern;
}

}  // namespace coinwell::budget
