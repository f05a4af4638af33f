#pragma once

#include <QFont>

#include "gfx/canvas.h"

namespace tarvex {

// The Qt font for a font spec: "Arial" (metric-compatible Liberation Sans),
// sized so that its character cell is spec.height pixels high and its average
// character spec.width pixels wide, without antialiasing. Fonts are made once
// per spec and kept.
const QFont& qt_font(const FontSpec& spec);

}  // namespace tarvex
