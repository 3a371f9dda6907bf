#include "window_placement.h"

#include <algorithm>

namespace tavrolin::qt {

QPoint placedWindow(QSize frame, const QRect& area) {
    return {area.x() + std::max(0, (area.width() - frame.width()) / 2),
            area.y() + std::max(0, (area.height() - frame.height()) / 2)};
}

} // namespace tavrolin::qt
