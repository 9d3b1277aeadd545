#include "budget/ui/pie_3d_view.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "budget/ui/chart_look.h"
#include "common/ui/qt_text.h"

namespace coinwell::budget {

namespace {

constexpr double kDegrees = std::numbers::pi / 180.0;

struct Ellipse {
    QPointF centre;
    double rx = 0;
    double ry = 0;
    double depth = 0;

    // A point on the rim of the top face at an angle (counter-clockwise from three o'clock).
    QPointF rim(double degrees, double drop = 0) const {
        return {centre.x() + rx * std::cos(degrees * kDegrees),
                centre.y() - ry * std::sin(degrees * kDegrees) + drop};
    }
    QRectF box() const { return {centre.x() - rx, centre.y() - ry, 2 * rx, 2 * ry}; }
};

// The part of the outer wall of a slice that faces the viewer: the front half of the rim
// (180 to 360 degrees) within the slice.
void addFrontWall(QPainterPath& path, const Ellipse& e, double from, double to) {
    // Bring the slice into 0..720 so that it can meet the front half at 180..360 or 540..720.
    while (from < 0) {
        from += 360;
        to += 360;
    }
    for (const double frontStart : {180.0, 540.0}) {
        const double a = std::max(from, frontStart);
        const double b = std::min(to, frontStart + 180);
        if (b <= a) {
            continue;
        }
        QPainterPath wall;
        const int steps = std::max(2, static_cast<int>(std::ceil((b - a) / 4)));
        for (int i = 0; i <= steps; ++i) {
            const QPointF p = e.rim(a + (b - a) * i / steps);
            i == 0 ? wall.moveTo(p) : wall.lineTo(p);
        }
        for (int i = steps; i >= 0; --i) {
            wall.lineTo(e.rim(a + (b - a) * i / steps, e.depth));
        }
        wall.closeSubpath();
        path.addPath(wall);
    }
}

QPolygonF radialFace(const Ellipse& e, double degrees) {
    const QPointF rim = e.rim(degrees);
    return QPolygonF({e.centre, rim, rim + QPointF(0, e.depth), e.centre + QPointF(0, e.depth)});
}

}  // namespace

Pie3DView::Pie3DView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Chart2D1Pie"));
}

void Pie3DView::setSeries(const std::vector<ChartSeries>& series) {
    series_ = series;
    layout_ = layoutPie(series_);
    note_ = toQString(pieNegativeNote(series_, layout_));
    update();
}

void Pie3DView::setState(const ChartState& state) {
    state_ = state;
    update();
}

void Pie3DView::setBackgroundColor(const QColor& color) {
    background_ = color;
    update();
}

void Pie3DView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.fillRect(rect(), background_);

    QRectF area = QRectF(rect()).adjusted(8, 8, -8, -8);
    if (!note_.isEmpty()) {
        QFont small = font();
        small.setPixelSize(11);
        painter.setFont(small);
        const QRectF noteArea(area.left(), area.bottom() - 30, area.width(), 30);
        painter.setPen(QColor(150, 0, 0));
        painter.drawText(noteArea, Qt::AlignCenter | Qt::TextWordWrap, note_);
        area.setBottom(noteArea.top() - 4);
    }
    if (area.width() < 20 || area.height() < 20) {
        return;
    }

    // Elevation 20: the top face is seen at 20 degrees, a circle foreshortened to sin 20 of its
    // height; depth 20: the wall is 20 % of the radius high, foreshortened by cos 20. An exploded
    // slice needs room for its offset on every side.
    const double flatten = std::sin(kPieElevation * kDegrees);
    const double wall = kPieDepth / 100.0 * std::cos(kPieElevation * kDegrees);
    const double room = 1.0 + kHighlightSliceOffset / 100.0;
    const double rx =
        std::min(area.width() / (2 * room), area.height() / (2 * room * flatten + wall));
    Ellipse base;
    base.rx = rx;
    base.ry = rx * flatten;
    base.depth = rx * wall;
    base.centre = QPointF(area.center().x(), area.center().y() - base.depth / 2);

    if (layout_.slices.empty()) {
        painter.setPen(QPen(QColor(90, 90, 90), 1, Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(base.box());
        return;
    }

    // Each slice's own ellipse, moved along its middle when it is pulled out.
    std::vector<Ellipse> ellipses;
    for (const PieSlice& slice : layout_.slices) {
        Ellipse e = base;
        const int offset = state_.sliceOffset(slice.series);
        if (offset > 0) {
            const double mid = slice.midAngle() * kDegrees;
            e.centre += QPointF(std::cos(mid) * rx * offset / 100.0,
                                -std::sin(mid) * base.ry * offset / 100.0);
        }
        ellipses.push_back(e);
    }

    // Walls first, from the back of the pie to its front, then every top.
    std::vector<std::size_t> order(layout_.slices.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        order[i] = i;
    }
    std::sort(order.begin(), order.end(), [this](std::size_t a, std::size_t b) {
        return std::sin(layout_.slices[a].midAngle() * kDegrees) >
               std::sin(layout_.slices[b].midAngle() * kDegrees);
    });
    const QPen edge(QColor(40, 40, 40, 140), 0.8);
    for (const std::size_t i : order) {
        const PieSlice& slice = layout_.slices[i];
        const Ellipse& e = ellipses[i];
        const QColor side = seriesColor(slice.series).darker(150);
        painter.setPen(edge);
        painter.setBrush(side);
        if (slice.spanAngle < 360) {
            painter.drawPolygon(radialFace(e, slice.startAngle));
            painter.drawPolygon(radialFace(e, slice.startAngle + slice.spanAngle));
        }
        QPainterPath front;
        addFrontWall(front, e, slice.startAngle, slice.startAngle + slice.spanAngle);
        painter.drawPath(front);
    }
    for (std::size_t i = 0; i < layout_.slices.size(); ++i) {
        const PieSlice& slice = layout_.slices[i];
        painter.setPen(edge);
        painter.setBrush(seriesBrush(slice.series, state_.patterned(slice.series)));
        const QRectF box = ellipses[i].box();
        if (slice.spanAngle >= 360) {
            painter.drawEllipse(box);
        } else {
            painter.drawPie(box, static_cast<int>(std::lround(slice.startAngle * 16)),
                            static_cast<int>(std::lround(slice.spanAngle * 16)));
        }
    }
}

}  // namespace coinwell::budget
