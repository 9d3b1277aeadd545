#include "common/tests/support/modal_watchdog.h"

#include <QApplication>
#include <QDebug>
#include <QDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QWidget>

namespace coinwell {

ModalWatchdog::ModalWatchdog(int intervalMs) {
    timer_.setInterval(intervalMs);
    QObject::connect(&timer_, &QTimer::timeout, this, [this] { check(); });
    timer_.start();
}

ModalWatchdog::~ModalWatchdog() {
    timer_.stop();
    if (!failures_.isEmpty()) {
        qWarning().noquote() << "ModalWatchdog closed real dialogs:" << verify();
    }
}

void ModalWatchdog::check() {
    if (paused_) {
        return;
    }
    // Collect first: closing a dialog may delete or hide others.
    QList<QPointer<QWidget>> found;
    if (QWidget* modal = QApplication::activeModalWidget()) {
        found.append(modal);
    }
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible() &&
            (widget->isModal() || qobject_cast<QDialog*>(widget) != nullptr) &&
            !found.contains(widget)) {
            found.append(widget);
        }
    }
    for (const QPointer<QWidget>& widget : found) {
        if (widget && widget->isVisible() && !allowed_.contains(widget->objectName())) {
            closeDialog(widget);
        }
    }
}

void ModalWatchdog::closeDialog(QWidget* widget) {
    QString description =
        QStringLiteral("real dialog %1 \"%2\"")
            .arg(QString::fromLatin1(widget->metaObject()->className()), widget->windowTitle());
    if (!widget->objectName().isEmpty()) {
        description += QStringLiteral(" (%1)").arg(widget->objectName());
    }
    if (auto* box = qobject_cast<QMessageBox*>(widget)) {
        description += QStringLiteral(": ") + box->text();
    } else if (auto* input = qobject_cast<QInputDialog*>(widget)) {
        description += QStringLiteral(": ") + input->labelText();
    }
    failures_.append(description);
    qWarning().noquote() << "ModalWatchdog:" << description;
    if (auto* dialog = qobject_cast<QDialog*>(widget)) {
        dialog->reject();
    } else {
        widget->close();
    }
}

}  // namespace coinwell
