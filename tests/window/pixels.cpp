// SPDX-License-Identifier: MIT
#include "window/pixels.h"

#include <algorithm>

namespace tarvex::window_test {

int count_colours(const QImage& image, const QRect& area, const std::vector<QRgb>& colours,
                  const std::vector<QRect>& except) {
    const QRect r = area & image.rect();
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = r.left(); x <= r.right(); ++x) {
            const QRgb c = line[x] | 0xFF000000u;
            if (std::find(colours.begin(), colours.end(), c) == colours.end())
                continue;
            const bool excepted = std::any_of(except.begin(), except.end(),
                                              [&](const QRect& e) { return e.contains(x, y); });
            if (!excepted)
                ++n;
        }
    }
    return n;
}

QRgb pixel(const QImage& image, QPoint p) {
    return image.rect().contains(p) ? image.pixel(p) | 0xFF000000u : 0;
}

}  // namespace tarvex::window_test
