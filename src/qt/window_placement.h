#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace tavrolin::qt {

// Where a window's frame goes on a screen's available area: centred where it fits. On an axis
// where it does not (a fixed-size window at a large scale on a small screen) it starts at the
// area's left or top edge, so that its title bar and left edge stay within reach.
QPoint placedWindow(QSize frame, const QRect& area);

} // namespace tavrolin::qt
