#pragma once

#include <QPointF>
#include <QSize>

namespace kotebu {

// Where a window of the given outer size goes to stand in the middle of the
// screen: single-precision halves, no rounding of its own and no clamping, so
// a window larger than the screen gets a negative position.
QPointF centeredPosition(QSize screen, QSize outerWindow);

} // namespace kotebu
