#include "common/ui/tab_order.h"

#include <algorithm>

#include <QWidget>

namespace coinwell {

void orderTabByRows(QList<QWidget*> widgets) {
    std::stable_sort(widgets.begin(), widgets.end(), [](const QWidget* a, const QWidget* b) {
        const QRect ra = a->geometry();
        const QRect rb = b->geometry();
        return ra.y() != rb.y() ? ra.y() < rb.y() : ra.x() < rb.x();
    });
    for (qsizetype i = 1; i < widgets.size(); ++i) {
        QWidget::setTabOrder(widgets[i - 1], widgets[i]);
    }
}

}  // namespace coinwell
