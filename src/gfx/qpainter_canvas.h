// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QPainter>
#include <QRegion>

#include <vector>

#include "gfx/canvas.h"
#include "gfx/text_memo.h"

namespace tarvex {

// A canvas over QPainter into a view's surface image, with GDI's pixel rules
// and no antialiasing, in logical pixels whatever the surface's device pixel
// ratio: above 1 the same shapes come out finer, texts at the surface's
// resolution. The painter stays active for the canvas's lifetime.
// It keeps the pixels it has drawn on, so a view can show just those.
class QPainterCanvas final : public Canvas {
  public:
    // With a memo of the surface's texts, a text already shown where it is
    // drawn is left out.
    explicit QPainterCanvas(QImage& surface, TextMemo* memo = nullptr);
    ~QPainterCanvas() override;
    QPainterCanvas(const QPainterCanvas&) = delete;
    QPainterCanvas& operator=(const QPainterCanvas&) = delete;

    void rectangle(Rect r, Pen pen, Brush brush) override;
    void round_rect(Rect r, int corner_w, int corner_h, Pen pen, Brush brush) override;
    void ellipse(Rect bounds, Pen pen, Brush brush) override;
    void line(Point from, Point to, Pen pen) override;
    void polyline(std::span<const Point> points, Pen pen) override;
    void text(Point at, std::string_view bytes, const CellFont& font, Rgb fg, Rgb bg) override;
    int text_width(std::string_view bytes, const CellFont& font) override;

    // The area drawn on so far (pen widths and glyph overhangs included), in
    // a few rectangles.
    QRegion damage() const;

  private:
    void set_pen(Pen pen);
    QRect device_rect(const QRect& r) const;
    QPointF pen_point(Point p, int pen_width) const;
    QRectF shape_rect(const Rect& r, int pen_width) const;
    void fill(const QRect& r, Rgb c);
    void touched(const QRect& r, int pen_width, bool by_text = false);
    QImage& surface_;
    QPainter painter_;
    std::vector<QRect> damage_;
    TextMemo* memo_;
    qreal ratio_;
};

}  // namespace tarvex
