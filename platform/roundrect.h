// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QRegion>

namespace Shapes {

// The pixels of a rounded rectangle whose corners are quarters of an ellipse of the given width
// and height: a pixel belongs to it when its centre lies inside. Right and bottom are those of
// the QRect (the last column and row inside). Empty for an empty rectangle.
QRegion roundRect(const QRect &rect, int ellipseWidth, int ellipseHeight);

} // namespace Shapes
