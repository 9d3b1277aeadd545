#pragma once
// Tab through a block of controls as a reader reads it: row by row from the top, left to right
// in each row, whatever order they were made in (a keypad made digit by digit).

#include <QList>

class QWidget;

namespace coinwell {

// Chains `widgets` (siblings placed at fixed positions) by their rows; the first of them keeps
// its place in the screen's Tab order.
void orderTabByRows(QList<QWidget*> widgets);

}  // namespace coinwell
