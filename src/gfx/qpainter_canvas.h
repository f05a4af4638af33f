// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QPainter>

#include "gfx/canvas.h"

namespace tarvex {

// A canvas over QPainter into a view's surface image, with GDI's pixel rules
// and no antialiasing. The painter stays active for the canvas's lifetime.
class QPainterCanvas final : public Canvas {
  public:
    explicit QPainterCanvas(QImage& surface);
    ~QPainterCanvas() override;
    QPainterCanvas(const QPainterCanvas&) = delete;
    QPainterCanvas& operator=(const QPainterCanvas&) = delete;

    void rectangle(Rect r, Pen pen, Brush brush) override;
    void round_rect(Rect r, int corner_w, int corner_h, Pen pen, Brush brush) override;
    void ellipse(Rect bounds, Pen pen, Brush brush) override;
    void line(Point from, Point to, Pen pen) override;
    void polyline(std::span<const Point> points, Pen pen) override;
    void text(Point at, std::string_view bytes, const CellFont& font, Rgb fg, Rgb bg) override;

  private:
    void set_pen(Pen pen);
    QPainter painter_;
};

}  // namespace tarvex
