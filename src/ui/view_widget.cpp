// SPDX-License-Identifier: MIT
#include "ui/view_widget.h"

#include <QPainter>
#include <QResizeEvent>

#include <cmath>

namespace tarvex {

ViewWidget::ViewWidget(int view, int template_id, QWidget* parent)
    : QWidget(parent), view_(view), template_id_(template_id) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAutoFillBackground(false);
}

void ViewWidget::present() {
    update();
}

void ViewWidget::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    window_paint();
}

void ViewWidget::place(int x, int y, int w, int h) {
    move(x, y);
    resize(w, h);
    // A hidden widget gets its resize event only when shown; drawing may
    // come first.
    fit_surface(QSize(w, h));
}

void ViewWidget::resizeEvent(QResizeEvent* event) {
    fit_surface(event->size());
    QWidget::resizeEvent(event);
}

void ViewWidget::fit_surface(QSize size) {
    // Drawn at the screen's pixel ratio, laid out in logical pixels.
    const qreal ratio = devicePixelRatioF();
    const QSize pixels(static_cast<int>(std::ceil(size.width() * ratio)),
                       static_cast<int>(std::ceil(size.height() * ratio)));
    if (surface_.size() == pixels && surface_.devicePixelRatio() == ratio)
        return;
    QImage next(pixels, QImage::Format_RGB32);
    next.setDevicePixelRatio(ratio);
    next.fill(palette().color(QPalette::Window));
    if (!surface_.isNull()) {
        QPainter p(&next);
        p.drawImage(0, 0, surface_);
    }
    surface_ = std::move(next);
}

void ViewWidget::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    if (surface_.devicePixelRatio() != 1.0) {
        // Pixel for pixel; the painter is clipped to the area to paint.
        p.drawImage(0, 0, surface_);
        return;
    }
    // Rectangle by rectangle: a tick touches a few small areas far apart.
    for (const QRect& r : event->region())
        p.drawImage(r, surface_, r);
}

}  // namespace tarvex
