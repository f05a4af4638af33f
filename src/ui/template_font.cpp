// SPDX-License-Identifier: MIT
#include "ui/template_font.h"

#include <QFontMetrics>
#include <QWidget>

namespace tarvex {

QFont template_font(int points) {
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(points * 96 / 72);
    return f;
}

DialogUnits dialog_units(const QFont& font) {
    const QFontMetrics fm(font);
    const int letters = fm.horizontalAdvance(
        QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ"));
    return {(letters / 26 + 1) / 2, fm.height()};
}

void place_in_dialog_units(QWidget* w, const DialogUnits& du, int x, int y, int width, int height) {
    const Rect r = du.map(x, y, width, height);
    w->setGeometry(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

}  // namespace tarvex
