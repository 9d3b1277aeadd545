#include "common/ui/accessible_names.h"

#include <limits>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTextEdit>

namespace coinwell {

namespace {

bool needsCaption(const QWidget* widget) {
    if (!widget->accessibleName().isEmpty()) {
        return false;
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        return button->text().isEmpty();
    }
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        // A label showing a result (a figure, not a caption) is read with its caption.
        Q_UNUSED(label);
        return false;
    }
    return qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QComboBox*>(widget) ||
           qobject_cast<const QAbstractSpinBox*>(widget) ||
           qobject_cast<const QAbstractItemView*>(widget) ||
           qobject_cast<const QAbstractSlider*>(widget) || qobject_cast<const QTextEdit*>(widget) ||
           qobject_cast<const QPlainTextEdit*>(widget);
}

QString spokenCaption(QString text) {
    text.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    text = text.simplified();
    while (text.endsWith(QLatin1Char(':'))) {
        text.chop(1);
    }
    return text.trimmed();
}

// The caption of `box` among its sibling labels: on the same line to its left, else above it,
// overlapping its columns; the nearest wins.
QString captionOf(const QWidget* box) {
    const QWidget* parent = box->parentWidget();
    if (!parent) {
        return {};
    }
    const QRect boxRect = box->geometry();
    const QLabel* best = nullptr;
    int bestDistance = std::numeric_limits<int>::max();
    bool bestOnLine = false;
    for (const QLabel* label : parent->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        if (label->isHidden() || spokenCaption(label->text()).isEmpty()) {
            continue;
        }
        const QRect r = label->geometry();
        const bool sameLine =
            r.top() < boxRect.bottom() && r.bottom() > boxRect.top() && r.left() < boxRect.left();
        const bool above = r.bottom() <= boxRect.top() + 2 && r.left() < boxRect.right() &&
                           r.right() > boxRect.left();
        if (!sameLine && !above) {
            continue;
        }
        const int distance = sameLine ? boxRect.left() - r.right() : boxRect.top() - r.bottom();
        if ((sameLine && !bestOnLine) || (sameLine == bestOnLine && distance < bestDistance)) {
            best = label;
            bestDistance = distance;
            bestOnLine = sameLine;
        }
    }
    return best ? spokenCaption(best->text()) : QString();
}

// A box alone in a titled frame ("Memory") is named by the frame.
QString groupTitleOf(const QWidget* widget) {
    for (const QWidget* p = widget->parentWidget(); p; p = p->parentWidget()) {
        if (const auto* group = qobject_cast<const QGroupBox*>(p)) {
            return spokenCaption(group->title());
        }
    }
    return {};
}

}  // namespace

void nameControlsByCaptions(QWidget* root) {
    for (QWidget* widget : root->findChildren<QWidget*>()) {
        if (!needsCaption(widget)) {
            continue;
        }
        QString name = captionOf(widget);
        if (name.isEmpty()) {
            name = spokenCaption(widget->toolTip());
        }
        if (name.isEmpty()) {
            name = groupTitleOf(widget);
        }
        if (!name.isEmpty()) {
            widget->setAccessibleName(name);
        }
    }
    // The box of an editable list is read on its own: it takes the list's name.
    for (QComboBox* combo : root->findChildren<QComboBox*>()) {
        QLineEdit* box = combo->lineEdit();
        if (box && box->accessibleName().isEmpty()) {
            box->setAccessibleName(combo->accessibleName());
        }
    }
}

}  // namespace coinwell
