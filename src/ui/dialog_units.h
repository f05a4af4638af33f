// SPDX-License-Identifier: MIT
#pragma once

#include "gfx/canvas.h"

namespace tarvex {

// Dialog units to pixels for a font's base units (average character width
// and height), as the platform maps dialog templates.
struct DialogUnits {
    int base_x = 6, base_y = 13;
    Rect map(int x, int y, int w, int h) const {
        const int l = x * base_x / 4, t = y * base_y / 8;
        return {l, t, l + w * base_x / 4, t + h * base_y / 8};
    }
};

}  // namespace tarvex
