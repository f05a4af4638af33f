// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>

#include "gfx/canvas.h"

namespace tarvex {

// The Qt font for a cell font: "Arial" (metric-compatible Liberation Sans),
// sized so that its character cell is font.height pixels high and its average
// character font.width pixels wide, without antialiasing. Each is made once
// and kept.
const QFont& qt_font(const CellFont& font);

// The average character width of a font in pixels: the mean advance of the
// lowercase letters and the space, weighted by their frequency in English
// text (the classic definition of a font's average width).
double average_char_width(const QFont& font);

}  // namespace tarvex
