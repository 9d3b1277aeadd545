#include "shell/ui/proportional_resizer.h"

#include <QEvent>
#include <QGroupBox>
#include <QLayout>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QTableView>

namespace coinwell {

namespace {

shell::LayoutRect toLayout(const QRect& rect) {
    return {rect.x(), rect.y(), rect.width(), rect.height()};
}

QRect toQRect(const shell::LayoutRect& rect) {
    return {rect.left, rect.top, rect.width, rect.height};
}

shell::LayoutSize toLayout(const QSize& size) {
    return {size.width(), size.height()};
}

bool layoutHolds(const QLayout* layout, const QWidget* widget) {
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem* item = layout->itemAt(i);
        if (item == nullptr) {
            continue;
        }
        if (item->widget() == widget) {
            return true;
        }
        if (const QLayout* inner = item->layout(); inner != nullptr && layoutHolds(inner, widget)) {
            return true;
        }
    }
    return false;
}

bool managedByLayout(const QWidget* widget) {
    const QWidget* parent = widget->parentWidget();
    const QLayout* layout = parent != nullptr ? parent->layout() : nullptr;
    return layout != nullptr && layoutHolds(layout, widget);
}

bool leftAlone(const QWidget* widget) {
    const QVariant flag = widget->property("proportionalResize");
    return widget->isWindow() || (flag.isValid() && !flag.toBool());
}

// Plain containers hold controls at positions of their own; anything else is one control.
bool isContainer(const QWidget* widget) {
    const QMetaObject* meta = widget->metaObject();
    if (meta == &QWidget::staticMetaObject || meta == &QFrame::staticMetaObject ||
        qobject_cast<const QGroupBox*>(widget) != nullptr ||
        qobject_cast<const QStackedWidget*>(widget) != nullptr) {
        return true;
    }
    return widget->property("proportionalContainer").toBool();
}

int fixedExtent(const QHeaderView* header) {
    if (header->orientation() == Qt::Horizontal) {
        return header->minimumHeight() == header->maximumHeight() ? header->maximumHeight() : -1;
    }
    return header->minimumWidth() == header->maximumWidth() ? header->maximumWidth() : -1;
}

double fontSize(const QFont& font, bool& pixel) {
    pixel = font.pointSizeF() <= 0;
    return pixel ? font.pixelSize() : font.pointSizeF();
}

// The style sheet with every font size multiplied by factor (pixels stay whole, at least 1).
QString scaleSheetFonts(const QString& sheet, double factor) {
    if (qFuzzyCompare(factor, 1.0)) {
        return sheet;
    }
    static const QRegularExpression fontSize(
        QStringLiteral(R"((font-size\s*:\s*)(\d+(?:\.\d+)?)\s*(px|pt))"),
        QRegularExpression::CaseInsensitiveOption);
    QString out;
    qsizetype last = 0;
    auto matches = fontSize.globalMatch(sheet);
    while (matches.hasNext()) {
        const QRegularExpressionMatch match = matches.next();
        out += QStringView(sheet).mid(last, match.capturedStart() - last);
        const double size = match.captured(2).toDouble() * factor;
        const bool pixels =
            match.captured(3).compare(QLatin1String("px"), Qt::CaseInsensitive) == 0;
        const QString number = pixels ? QString::number(std::max(1, qRound(size)))
                                      : QString::number(std::max(1.0, size), 'f', 2);
        out += match.captured(1) + number + match.captured(3);
        last = match.capturedEnd();
    }
    out += QStringView(sheet).mid(last);
    return out;
}

}  // namespace

ProportionalResizer::ProportionalResizer(QWidget* container)
    : QObject(container), container_(container) {
    container->installEventFilter(this);
}

void ProportionalResizer::setRoots(const QList<QWidget*>& roots) {
    roots_.clear();
    for (QWidget* root : roots) {
        roots_.append(root);
    }
    rootsSet_ = true;
}

void ProportionalResizer::keepPlace(QWidget* widget) {
    keepPlace_.insert(widget);
    if (known_.contains(widget)) {
        Control& control = controls_[known_.value(widget)];
        if (control.widget == widget) {
            control.keepPlace = true;
        }
    }
}

void ProportionalResizer::collect(QWidget* widget, std::vector<QWidget*>& out) const {
    if (leftAlone(widget)) {
        return;
    }
    out.push_back(widget);
    if (!isContainer(widget)) {
        return;
    }
    for (QObject* child : widget->children()) {
        if (auto* childWidget = qobject_cast<QWidget*>(child)) {
            collect(childWidget, out);
        }
    }
}

std::vector<QWidget*> ProportionalResizer::controlsNow() const {
    std::vector<QWidget*> out;
    if (!container_) {
        return out;
    }
    if (rootsSet_) {
        for (const QPointer<QWidget>& root : roots_) {
            if (root && root->parentWidget() == container_) {
                collect(root, out);
            }
        }
    } else {
        for (QObject* child : container_->children()) {
            if (auto* childWidget = qobject_cast<QWidget*>(child)) {
                collect(childWidget, out);
            }
        }
    }
    return out;
}

ProportionalResizer::Control& ProportionalResizer::controlFor(QWidget* widget) {
    const auto found = known_.constFind(widget);
    if (found != known_.cend() && controls_[*found].widget == widget) {
        return controls_[*found];
    }
    // New here (or a new widget where a deleted one was): laid out for the present size.
    Control control;
    control.widget = widget;
    control.applied = widget->geometry();
    control.designFont = widget->font();
    control.appliedFont = control.designFont;
    control.keepPlace = keepPlace_.contains(widget);
    control.designSheet = widget->styleSheet();
    control.designSheetScale = layout_.scale().font();
    control.appliedSheet = control.designSheet;
    const double size = fontSize(control.designFont, control.pixelFont);
    control.index = layout_.addCurrent(toLayout(control.applied), size);
    controls_.push_back(control);
    known_.insert(widget, controls_.size() - 1);
    findHeaders(widget);
    return controls_.back();
}

void ProportionalResizer::findHeaders(QWidget* widget) {
    auto* table = qobject_cast<QTableView*>(widget);
    if (table == nullptr) {
        return;
    }
    const shell::LayoutScale scale = layout_.scale();
    for (QHeaderView* header : {table->horizontalHeader(), table->verticalHeader()}) {
        // Columns go with the width, rows with the height; a header's fixed extent across
        // goes the other way.
        const bool columns = header->orientation() == Qt::Horizontal;
        const double along = columns ? scale.x : scale.y;
        const double across = columns ? scale.y : scale.x;
        Header entry;
        entry.header = header;
        entry.appliedDefault = header->defaultSectionSize();
        entry.designDefault = entry.appliedDefault / along;
        entry.appliedFixed = fixedExtent(header);
        entry.designFixed = entry.appliedFixed < 0 ? -1 : entry.appliedFixed / across;
        headers_.push_back(entry);
    }
}

void ProportionalResizer::takeHeaderChanges(Header& entry) {
    QHeaderView* header = entry.header;
    const bool columns = header->orientation() == Qt::Horizontal;
    const shell::LayoutScale scale = layout_.scale();
    const double along = columns ? scale.x : scale.y;
    const double across = columns ? scale.y : scale.x;
    if (header->defaultSectionSize() != entry.appliedDefault) {
        entry.appliedDefault = header->defaultSectionSize();
        entry.designDefault = entry.appliedDefault / along;
    }
    if (const int fixed = fixedExtent(header); fixed != entry.appliedFixed) {
        entry.appliedFixed = fixed;
        entry.designFixed = fixed < 0 ? -1 : fixed / across;
    }
}

void ProportionalResizer::layOutHeader(Header& entry) {
    QHeaderView* header = entry.header;
    const bool columns = header->orientation() == Qt::Horizontal;
    const shell::LayoutScale scale = layout_.scale();
    const double along = columns ? scale.x : scale.y;
    const double across = columns ? scale.y : scale.x;
    const int sectionSize = std::max(1, qRound(entry.designDefault * along));
    if (sectionSize != header->defaultSectionSize()) {
        header->setDefaultSectionSize(sectionSize);
    }
    entry.appliedDefault = header->defaultSectionSize();
    if (entry.designFixed >= 0) {
        const int fixed = std::max(1, qRound(entry.designFixed * across));
        if (fixed != entry.appliedFixed) {
            if (columns) {
                header->setFixedHeight(fixed);
            } else {
                header->setFixedWidth(fixed);
            }
        }
        entry.appliedFixed = fixedExtent(header);
    }
}

void ProportionalResizer::recordDesign() {
    if (!container_) {
        return;
    }
    layout_ = shell::ProportionalLayout(toLayout(container_->size()));
    controls_.clear();
    headers_.clear();
    known_.clear();
    for (QWidget* widget : controlsNow()) {
        controlFor(widget);
    }
    recorded_ = true;
}

void ProportionalResizer::takeScreenChanges(Control& control) {
    QWidget* widget = control.widget;
    const QRect now = widget->geometry();
    if (now.topLeft() != control.applied.topLeft() && !control.keepPlace) {
        layout_.placeOnly(control.index, now.x(), now.y());
    }
    if (now.size() != control.applied.size()) {
        layout_.sizeOnly(control.index, now.width(), now.height());
    }
    control.applied = now;
    if (widget->styleSheet() != control.appliedSheet) {
        control.designSheet = widget->styleSheet();
        control.designSheetScale = layout_.scale().font();
        control.appliedSheet = control.designSheet;
    }
    const QFont font = widget->font();
    if (font != control.appliedFont) {
        control.designFont = font;
        control.appliedFont = font;
        layout_.setFontSize(control.index, fontSize(font, control.pixelFont));
    }
}

void ProportionalResizer::layOut(Control& control) {
    QWidget* widget = control.widget;
    // A layout that took the control over sizes it; its font still follows.
    if (!managedByLayout(widget)) {
        QRect target = toQRect(layout_.rect(control.index));
        if (control.keepPlace) {
            target.moveTopLeft(widget->pos());
        }
        if (target != widget->geometry()) {
            widget->setGeometry(target);
        }
        control.applied = widget->geometry();
    }
    if (!control.designSheet.isEmpty()) {
        const QString sheet =
            scaleSheetFonts(control.designSheet, layout_.scale().font() / control.designSheetScale);
        if (sheet != widget->styleSheet()) {
            widget->setStyleSheet(sheet);
        }
        control.appliedSheet = widget->styleSheet();
    }
    const double size = layout_.fontSize(control.index);
    if (size > 0) {
        QFont font = control.designFont;
        if (control.pixelFont) {
            font.setPixelSize(std::max(1, qRound(size)));
        } else {
            font.setPointSizeF(size);
        }
        if (font != widget->font()) {
            widget->setFont(font);
        }
        control.appliedFont = widget->font();
    }
}

void ProportionalResizer::apply() {
    if (!recorded_ || !container_ || applying_) {
        return;
    }
    const QSize now = container_->size();
    if (now.isEmpty()) {
        return;  // a collapsed window keeps its controls as they were
    }
    applying_ = true;
    // What the screen did since the last pass is taken at the old size, then all follow the
    // new one, outer controls before inner ones.
    const std::vector<QWidget*> widgets = controlsNow();
    std::vector<std::size_t> order;
    order.reserve(widgets.size());
    for (QWidget* widget : widgets) {
        const bool isNew =
            !known_.contains(widget) || controls_[known_.value(widget)].widget != widget;
        Control& control = controlFor(widget);
        if (!isNew) {
            takeScreenChanges(control);
        }
        order.push_back(known_.value(widget));
    }
    for (Header& header : headers_) {
        if (header.header) {
            takeHeaderChanges(header);
        }
    }
    layout_.resize(toLayout(now));
    for (std::size_t i : order) {
        Control& control = controls_[i];
        if (control.widget) {
            layOut(control);
        }
    }
    for (Header& header : headers_) {
        if (header.header) {
            layOutHeader(header);
        }
    }
    applying_ = false;
    emit rescaled();
}

bool ProportionalResizer::eventFilter(QObject* watched, QEvent* event) {
    if (watched == container_ && event->type() == QEvent::Resize) {
        apply();
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace coinwell
