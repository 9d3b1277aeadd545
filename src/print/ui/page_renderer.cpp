#include "print/ui/page_renderer.h"

#include <QFileInfo>
#include <QHash>
#include <QPainter>
#include <QPrinter>
#include <cmath>

#include "common/ui/colors.h"
#include "common/ui/qt_text.h"
#include "print/ui/qt_text_measurer.h"

namespace coinwell::print {

namespace {

constexpr double kTwipsPerInch = 1440.0;

void paintGuideLines(QPainter& painter, const Page& page) {
    QPen pen(QColor(128, 128, 128), 0, Qt::DashLine);
    pen.setCosmetic(true);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    // A margin of 0 would put its line on the paper's edge, where it cannot be seen: keep it
    // a hair inside.
    const auto inside = [](int margin) { return std::max(margin, 15); };
    const QRectF area(QPointF(inside(page.margins.left), inside(page.margins.top)),
                      QPointF(page.width - inside(page.margins.right),
                              page.height - inside(page.margins.bottom)));
    painter.drawRect(area);
}

}  // namespace

void paintPage(QPainter& painter, const Page& page, double dotsPerInch,
               const RenderOptions& options) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    const double scale = dotsPerInch / kTwipsPerInch;
    painter.scale(scale, scale);
    QHash<QString, QImage> pictures;
    FontSpec currentFont;
    bool fontSet = false;
    for (const PageItem& item : page.items) {
        if (const auto* text = std::get_if<TextItem>(&item)) {
            if (!fontSet || !(text->font == currentFont)) {
                painter.setFont(twipFont(text->font));
                currentFont = text->font;
                fontSet = true;
            }
            painter.setPen(toQColor(text->color));
            painter.drawText(QPointF(text->x, text->y + text->ascent), toQString(text->text));
        } else if (const auto* rule = std::get_if<RuleItem>(&item)) {
            QPen pen(toQColor(rule->color));
            pen.setWidthF(std::max(rule->thickness, 1));
            pen.setCapStyle(Qt::FlatCap);
            painter.setPen(pen);
            painter.drawLine(QPointF(rule->x1, rule->y1), QPointF(rule->x2, rule->y2));
        } else if (const auto* picture = std::get_if<PictureItem>(&item)) {
            const QString file = toQString(picture->file);
            if (!pictures.contains(file)) {
                // Read only from a regular file: never block on a pipe of that name.
                pictures.insert(file, QFileInfo(file).isFile() ? QImage(file) : QImage());
            }
            const QImage& image = pictures[file];
            // A missing picture is skipped, as every failed picture is.
            if (!image.isNull()) {
                painter.drawImage(QRectF(picture->x, picture->y, picture->width, picture->height),
                                  image);
            }
        }
    }
    if (options.guideLines) {
        paintGuideLines(painter, page);
    }
    painter.restore();
}

bool printPages(QPrinter& printer, const std::vector<Page>& pages,
                const std::function<bool(int, int)>& beforePage, const RenderOptions& options) {
    QPainter painter;
    const int count = static_cast<int>(pages.size());
    for (int i = 0; i < count; ++i) {
        if (beforePage && !beforePage(i, count)) {
            if (painter.isActive()) {
                printer.abort();
                painter.end();
            }
            return false;
        }
        if (i == 0) {
            if (!painter.begin(&printer)) {
                return false;
            }
        } else if (!printer.newPage()) {
            painter.end();
            return false;
        }
        paintPage(painter, pages[static_cast<std::size_t>(i)], printer.resolution(), options);
    }
    if (painter.isActive()) {
        return painter.end();
    }
    return count == 0;
}

QImage pageImage(const Page& page, double dotsPerInch, const RenderOptions& options) {
    const int width = static_cast<int>(std::lround(page.width * dotsPerInch / kTwipsPerInch));
    const int height = static_cast<int>(std::lround(page.height * dotsPerInch / kTwipsPerInch));
    QImage image(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32);
    const int dotsPerMeter = static_cast<int>(std::lround(dotsPerInch / 0.0254));
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);
    QPainter painter(&image);
    paintPage(painter, page, dotsPerInch, options);
    painter.end();
    return image;
}

}  // namespace coinwell::print
