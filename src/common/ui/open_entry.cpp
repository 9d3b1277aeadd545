#include "common/ui/open_entry.h"

#include <QAbstractItemDelegate>
#include <QAbstractItemView>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>

namespace coinwell {

namespace {

struct OpenEditor {
    QAbstractItemView* view = nullptr;
    QWidget* editor = nullptr;
};

// The cell editor holding the window's focus: a child of a grid's viewport that the grid
// reports as the widget of its current cell.
OpenEditor openEditor(const QWidget* window) {
    QWidget* focus = QApplication::focusWidget();
    if (!focus || focus->window() != window) {
        return {};
    }
    for (QWidget* w = focus; w && w->parentWidget(); w = w->parentWidget()) {
        auto* view = qobject_cast<QAbstractItemView*>(w->parentWidget()->parentWidget());
        if (view && w->parentWidget() == view->viewport() &&
            view->indexWidget(view->currentIndex()) == w) {
            return {view, w};
        }
    }
    return {};
}

bool within(const QObject* object, const QWidget* ancestor) {
    for (; object; object = object->parent()) {
        if (object == ancestor) {
            return true;
        }
    }
    return false;
}

bool isEscape(const QEvent* event) {
    return static_cast<const QKeyEvent*>(event)->key() == Qt::Key_Escape;
}

}  // namespace

bool entryOpen(const QWidget* window) {
    return openEditor(window).editor != nullptr;
}

void commitOpenEntry(const QWidget* window) {
    const OpenEditor open = openEditor(window);
    if (!open.editor) {
        return;
    }
    QAbstractItemDelegate* delegate = open.view->itemDelegateForIndex(open.view->currentIndex());
    emit delegate->commitData(open.editor);
    emit delegate->closeEditor(open.editor, QAbstractItemDelegate::NoHint);
}

OpenEntryGuard::OpenEntryGuard(QWidget* window) : QObject(window), window_(window) {
    qApp->installEventFilter(this);
}

OpenEntryGuard::~OpenEntryGuard() {
    qApp->removeEventFilter(this);
}

bool OpenEntryGuard::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            const OpenEditor open = openEditor(window_);
            auto* widget = qobject_cast<QWidget*>(watched);
            // Presses in the editor are part of the typing; a scroll bar only moves the view.
            if (open.editor && widget && !within(widget, open.editor) &&
                !qobject_cast<QScrollBar*>(widget)) {
                commitOpenEntry(window_);
            }
            break;
        }
        case QEvent::KeyPress:
            // Keys given to a menu choose its items.
            if (qobject_cast<QMenu*>(watched) || qobject_cast<QMenuBar*>(watched)) {
                commitOpenEntry(window_);
            }
            break;
        case QEvent::ShortcutOverride: {
            // Esc belongs to the editor while it is open: it cancels the entry.
            const OpenEditor open = openEditor(window_);
            if (open.editor && watched == QApplication::focusWidget() && isEscape(event)) {
                event->accept();
                return true;
            }
            break;
        }
        case QEvent::Shortcut:
            commitOpenEntry(window_);
            break;
        case QEvent::Close:
            if (watched == window_) {
                commitOpenEntry(window_);
            }
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace coinwell
