#include "budget/ui/chart_legend.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace coinwell::budget {

namespace {

constexpr int kLargestLabelPixels = 12;
constexpr int kSmallestLabelPixels = 8;
constexpr int kSpacing = 4;

}  // namespace

ChartLegend::ChartLegend(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Chart2D1Legend"));
}

void ChartLegend::setEntries(std::vector<Entry> entries) {
    entries_ = std::move(entries);
    update();
}

void ChartLegend::setEntryBrush(int index, const QBrush& brush) {
    if (index >= 0 && index < static_cast<int>(entries_.size())) {
        entries_[static_cast<std::size_t>(index)].brush = brush;
        update();
    }
}

void ChartLegend::paintEvent(QPaintEvent*) {
    if (entries_.empty()) {
        return;
    }
    QPainter painter(this);
    const int count = static_cast<int>(entries_.size());
    const QRect area = rect().adjusted(kSpacing, kSpacing, -kSpacing, -kSpacing);
    // The largest letters at which every entry fits, in as few columns as the height allows.
    QFont font = this->font();
    int rows = count;
    int lineHeight = 0;
    for (int pixels = kLargestLabelPixels; pixels >= kSmallestLabelPixels; --pixels) {
        font.setPixelSize(pixels);
        lineHeight = QFontMetrics(font).height() + 2;
        rows = std::max(1, area.height() / lineHeight);
        const int columns = (count + rows - 1) / rows;
        // Room for about six letters of a label beside its swatch.
        if (columns == 1 || area.width() / columns >= 6 * pixels) {
            break;
        }
    }
    const int columns = (count + rows - 1) / rows;
    const int columnWidth = area.width() / columns;
    painter.setFont(font);
    const QFontMetrics metrics(font);
    const int swatch = std::max(6, metrics.ascent() - 1);
    for (int i = 0; i < count; ++i) {
        const Entry& entry = entries_[static_cast<std::size_t>(i)];
        const int x = area.left() + (i / rows) * columnWidth;
        const int y = area.top() + (i % rows) * lineHeight;
        if (y + lineHeight > area.bottom() + lineHeight) {
            continue;
        }
        const QRect box(x, y + (lineHeight - swatch) / 2, swatch, swatch);
        painter.setPen(QPen(QColor(60, 60, 60), 1));
        painter.setBrush(entry.brush);
        painter.drawRect(box);
        painter.setPen(palette().color(QPalette::WindowText));
        const int textLeft = box.right() + kSpacing + 1;
        const QString text =
            metrics.elidedText(entry.label, Qt::ElideRight, columnWidth - (textLeft - x) - 2);
        painter.drawText(QRect(textLeft, y, columnWidth - (textLeft - x), lineHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, text);
    }
}

}  // namespace coinwell::budget
