#pragma once
// How the budget chart's series look, shared by its bars, its pie and its legend: a colour per
// series and the highlight, a hatch over that colour.

#include <QBrush>
#include <QColor>

namespace coinwell::budget {

QColor seriesColor(int series);
// The normal solid fill, or the highlight pattern over the same colour.
QBrush seriesBrush(int series, bool highlighted);
// True for a brush made by seriesBrush(..., true).
bool isHighlightBrush(const QBrush& brush);

}  // namespace coinwell::budget
