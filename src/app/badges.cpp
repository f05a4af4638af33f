// SPDX-License-Identifier: MIT
#include "app/badges.h"

#include <QFont>
#include <QPainter>

namespace tarvex {

QPixmap language_badge(const char* code, bool checked) {
    QPixmap pm(14, 12);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    p.setBrush(checked ? QColor(0, 0, 255) : QColor(128, 128, 128));
    p.drawRect(0, 0, 14, 12);
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(9);
    f.setBold(true);
    f.setStyleStrategy(QFont::NoAntialias);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, 14, 12), Qt::AlignCenter, QString::fromLatin1(code));
    return pm;
}

QIcon language_badge_icon(const char* code, bool checked) {
    const QPixmap badge = language_badge(code, checked);
    QIcon icon;
    for (QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled, QIcon::Active, QIcon::Selected})
        for (QIcon::State state : {QIcon::Off, QIcon::On})
            icon.addPixmap(badge, mode, state);
    return icon;
}

}  // namespace tarvex
