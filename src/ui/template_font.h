// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>
#include <QRect>

#include "ui/dialog_units.h"

class QWidget;

namespace tarvex {

// The font of a dialog template: "MS Sans Serif" of a point size, as the
// metric-compatible Liberation Sans of the same size at 96 dpi.
QFont template_font(int points);
// Its base units: the mean width of the letters and the height.
DialogUnits dialog_units(const QFont& font);
// Places a widget at a rectangle in dialog units.
void place_in_dialog_units(QWidget* w, const DialogUnits& du, int x, int y, int width, int height);

}  // namespace tarvex
