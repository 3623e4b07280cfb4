// SPDX-License-Identifier: GPL-3.0-or-later
#include "roundrect.h"

#include <QtMath>

#include <algorithm>

namespace Shapes {

QRegion roundRect(const QRect &rect, int ellipseWidth, int ellipseHeight)
{
    if (rect.isEmpty())
        return {};
    // An ellipse larger than the rectangle is cut down to it, so opposite corners never overlap.
    const double rx = std::min(std::max(ellipseWidth, 0), rect.width()) / 2.0;
    const double ry = std::min(std::max(ellipseHeight, 0), rect.height()) / 2.0;
    if (rx <= 0 || ry <= 0)
        return QRegion(rect);

    QRegion region;
    const int cornerRows = int(std::ceil(ry));
    // Rows clear of the corners are whole; each corner row is shortened by the same inset at
    // both ends, found from the pixel centre's distance to the ellipse.
    for (int i = 0; i < std::min(cornerRows, (rect.height() + 1) / 2); ++i) {
        const double dy = ry - (i + 0.5);
        const double t = 1.0 - (dy * dy) / (ry * ry);
        if (t < 0)
            continue;
        const double halfSpan = rx * std::sqrt(t);
        // Pixel x (from the left edge) is inside when rx - (x + 0.5) < halfSpan.
        const int inset = std::max(0, int(std::floor(rx - halfSpan - 0.5)) + 1);
        const int width = rect.width() - 2 * inset;
        if (width <= 0)
            continue;
        region += QRect(rect.left() + inset, rect.top() + i, width, 1);
        const int mirrored = rect.bottom() - i;
        if (mirrored != rect.top() + i)
            region += QRect(rect.left() + inset, mirrored, width, 1);
    }
    const int middleTop = rect.top() + cornerRows;
    const int middleBottom = rect.bottom() - cornerRows;
    if (middleBottom >= middleTop)
        region += QRect(rect.left(), middleTop, rect.width(), middleBottom - middleTop + 1);
    return region;
}

} // namespace Shapes
