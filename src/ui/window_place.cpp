// SPDX-License-Identifier: MIT
#include "ui/window_place.h"

#include <QScreen>
#include <QWidget>

namespace tarvex {

void place_over(QWidget& window, QSize want, const QWidget* parent) {
    want = want.boundedTo(window.screen()->availableGeometry().size());
    const QWidget* over = parent ? parent->window() : nullptr;
    if (over)
        want = want.boundedTo(over->size());
    window.resize(want);
    if (over)
        window.move(over->geometry().center() - window.rect().center());
}

}  // namespace tarvex
