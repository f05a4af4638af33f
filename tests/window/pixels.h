// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QImage>
#include <QRect>

#include <vector>

namespace tarvex::window_test {

// Pixels of the colours inside area, leaving out the pixels inside any of
// the excepted rectangles.
int count_colours(const QImage& image, const QRect& area, const std::vector<QRgb>& colours,
                  const std::vector<QRect>& except = {});
inline int count_colour(const QImage& image, const QRect& area, QRgb colour) {
    return count_colours(image, area, {colour});
}
// The colour of one pixel, or 0 outside the picture.
QRgb pixel(const QImage& image, QPoint p);

}  // namespace tarvex::window_test
