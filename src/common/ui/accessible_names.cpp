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
#include <QTableView>
#include <QTextEdit>

namespace coinwell {

namespace {

bool needsCaption(const QWidget* widget) {
    if (!widget->accessibleName().isEmpty()) {
        return false;
    }
    // The box inside a list box takes the list box's name (below).
    if (qobject_cast<const QComboBox*>(widget->parentWidget())) {
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
    // A grid is named by its screen: the caption above it belongs to the boxes there.
    if (qobject_cast<const QTableView*>(widget)) {
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
QLabel* captionOf(const QWidget* box) {
    const QWidget* parent = box->parentWidget();
    if (!parent) {
        return nullptr;
    }
    const QRect boxRect = box->geometry();
    QLabel* best = nullptr;
    int bestDistance = std::numeric_limits<int>::max();
    bool bestOnLine = false;
    for (QLabel* label : parent->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
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
    return best;
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
        QLabel* caption = captionOf(widget);
        QString name = caption ? spokenCaption(caption->text()) : QString();
        // Readers on Linux say a list box's value as its name and find its caption through the
        // label's buddy. A caption with an "&" would turn that into an access key: left alone.
        if (caption && !caption->buddy() && !caption->text().contains(QLatin1Char('&')) &&
            qobject_cast<QComboBox*>(widget)) {
            caption->setBuddy(widget);
        }
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
