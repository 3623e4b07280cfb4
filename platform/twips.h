// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QRectF>
#include <QtMath>

// Designed places and sizes are in twips, 15 to a device-independent pixel; Qt's high-DPI
// scaling takes it from there.
namespace Twips {

constexpr float PerPixel = 15.0f;

inline int toPixels(float twips)
{
    return qRound(twips / PerPixel);
}

inline float fromPixels(int pixels)
{
    return float(pixels) * PerPixel;
}

// Both edges are rounded, so neighbouring controls stay neighbours in pixels.
inline QRect toPixels(const QRectF &twips)
{
    const int left = toPixels(float(twips.left()));
    const int top = toPixels(float(twips.top()));
    const int right = toPixels(float(twips.left() + twips.width()));
    const int bottom = toPixels(float(twips.top() + twips.height()));
    return QRect(left, top, right - left, bottom - top);
}

// Where a control designed at Left L with width W lies once its container lays out right to
// left: from containerWidth - L - W to containerWidth - L.
inline QRectF mirrored(const QRectF &twips, float containerWidth)
{
    return QRectF(double(containerWidth) - twips.left() - twips.width(), twips.top(),
                  twips.width(), twips.height());
}

} // namespace Twips
