// SPDX-License-Identifier: MIT
#pragma once

#include <QSize>

class QWidget;

namespace tarvex {

// Gives a window the size it wants, no larger than its screen or the window
// it opens over, and centres it over the latter: also where no window
// manager places it.
void place_over(QWidget& window, QSize want, const QWidget* parent);

}  // namespace tarvex
