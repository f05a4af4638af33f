// SPDX-License-Identifier: MIT
#include "gfx/qpainter_canvas.h"

#include <QFontMetrics>
#include <QPolygon>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include <vector>

#include "gfx/qt_fonts.h"
#include "gfx/text_codec.h"
#include "gfx/text_images.h"

namespace tarvex {

namespace {

QColor qcolor(Rgb c) {
    return QColor(c.r, c.g, c.b);
}

// The outline of a shape occupying the half-open rectangle r, for a pen of
// width w: Qt centres the pen on the path, GDI keeps a 1-pixel outline on the
// shape's edge pixels.
QRect outline_rect(const Rect& r) {
    return QRect(r.left, r.top, r.right - r.left - 1, r.bottom - r.top - 1);
}

}  // namespace

QPainterCanvas::QPainterCanvas(QImage& surface, TextMemo* memo)
    : surface_(surface), painter_(&surface), memo_(memo), ratio_(surface.devicePixelRatio()) {
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, false);
    painter_.setRenderHint(QPainter::SmoothPixmapTransform, false);
    if (memo_)
        memo_->fit(surface.size());
}

QPainterCanvas::~QPainterCanvas() = default;

void QPainterCanvas::fill(const QRect& r, Rgb c) {
    // Solid opaque fills are written straight into a 32-bit surface: the same
    // pixels as the painter's, without its machinery.
    const QImage::Format f = surface_.format();
    const bool direct = (f == QImage::Format_RGB32 || f == QImage::Format_ARGB32 ||
                         f == QImage::Format_ARGB32_Premultiplied) &&
                        surface_.isDetached();
    if (!direct) {
        painter_.fillRect(r, qcolor(c));
        return;
    }
    const QRect in = device_rect(r).intersected(surface_.rect());
    const std::uint32_t pixel =
        0xFF000000u | (std::uint32_t{c.r} << 16) | (std::uint32_t{c.g} << 8) | std::uint32_t{c.b};
    for (int y = in.top(); y <= in.bottom(); ++y) {
        auto* line = reinterpret_cast<std::uint32_t*>(surface_.scanLine(y));
        std::fill(line + in.left(), line + in.left() + in.width(), pixel);
    }
}

QRectF QPainterCanvas::shape_rect(const Rect& r, int pen_width) const {
    const QPointF shift = pen_point({0, 0}, pen_width);
    return QRectF(outline_rect(r)).translated(shift);
}

QRect QPainterCanvas::device_rect(const QRect& r) const {
    if (ratio_ == 1.0)
        return r;
    // Edges to the nearest device pixel: rectangles that meet still meet.
    auto px = [this](int v) { return static_cast<int>(std::lround(v * ratio_)); };
    return QRect(QPoint(px(r.left()), px(r.top())),
                 QPoint(px(r.left() + r.width()) - 1, px(r.top() + r.height()) - 1));
}

QPointF QPainterCanvas::pen_point(Point p, int pen_width) const {
    // Above one device pixel a pixel-wide pen covers the logical pixel whose
    // corner is p, as a one-pixel pen does at ratio 1.
    const double shift = ratio_ != 1.0 && pen_width <= 1 ? 0.5 : 0.0;
    return QPointF(p.x + shift, p.y + shift);
}

void QPainterCanvas::touched(const QRect& r, int pen_width, bool by_text) {
    const int m = pen_width <= 1 ? 1 : pen_width;
    const QRect area = r.normalized().adjusted(-m, -m, m, m);
    if (memo_ && !by_text)
        memo_->drawn_over(area);
    damage_.push_back(area);
}

QRegion QPainterCanvas::damage() const {
    QRegion region;
    for (const QRect& r : damage_)
        region += r;
    return region;
}

void QPainterCanvas::set_pen(Pen pen) {
    QPen p(qcolor(pen.color));
    if (pen.width <= 1) {
        // Exactly one pixel: cosmetic at ratio 1, else one logical pixel wide.
        p.setWidth(ratio_ == 1.0 ? 0 : 1);
        p.setCapStyle(Qt::SquareCap);
    } else {
        p.setWidth(pen.width);
        p.setCapStyle(Qt::RoundCap);
        p.setJoinStyle(Qt::RoundJoin);
    }
    painter_.setPen(p);
}

void QPainterCanvas::rectangle(Rect r, Pen pen, Brush brush) {
    r = normalized(r);
    if (r.right <= r.left || r.bottom <= r.top)
        return;
    touched(QRect(r.left, r.top, r.right - r.left, r.bottom - r.top), pen.width);
    if (pen.width <= 1) {
        // Fill and outline pixel-exactly: l..r-1, t..b-1. A strip two pixels
        // thin is all outline, and an outline in the fill's colour is fill.
        const QRect all(r.left, r.top, r.right - r.left, r.bottom - r.top);
        if (pen.color == brush.color || all.width() <= 2 || all.height() <= 2) {
            fill(all, pen.color);
            return;
        }
        fill(all, brush.color);
        fill(QRect(r.left, r.top, r.right - r.left, 1), pen.color);
        fill(QRect(r.left, r.bottom - 1, r.right - r.left, 1), pen.color);
        fill(QRect(r.left, r.top, 1, r.bottom - r.top), pen.color);
        fill(QRect(r.right - 1, r.top, 1, r.bottom - r.top), pen.color);
        return;
    }
    set_pen(pen);
    painter_.setBrush(qcolor(brush.color));
    painter_.drawRect(outline_rect(r));
}

void QPainterCanvas::round_rect(Rect r, int corner_w, int corner_h, Pen pen, Brush brush) {
    r = normalized(r);
    if (r.right <= r.left || r.bottom <= r.top)
        return;
    touched(QRect(r.left, r.top, r.right - r.left, r.bottom - r.top), pen.width);
    set_pen(pen);
    painter_.setBrush(qcolor(brush.color));
    if (ratio_ == 1.0)
        painter_.drawRoundedRect(outline_rect(r), corner_w / 2.0, corner_h / 2.0, Qt::AbsoluteSize);
    else
        painter_.drawRoundedRect(shape_rect(r, pen.width), corner_w / 2.0, corner_h / 2.0,
                                 Qt::AbsoluteSize);
}

void QPainterCanvas::ellipse(Rect bounds, Pen pen, Brush brush) {
    bounds = normalized(bounds);
    if (bounds.right <= bounds.left || bounds.bottom <= bounds.top)
        return;
    touched(QRect(bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top),
            pen.width);
    set_pen(pen);
    painter_.setBrush(qcolor(brush.color));
    if (ratio_ == 1.0)
        painter_.drawEllipse(outline_rect(bounds));
    else
        painter_.drawEllipse(shape_rect(bounds, pen.width));
}

void QPainterCanvas::line(Point from, Point to, Pen pen) {
    if (from == to)
        return;
    touched(QRect(QPoint(from.x, from.y), QPoint(to.x, to.y)), pen.width);
    set_pen(pen);
    if (pen.width <= 1) {
        // GDI leaves out the end point: stop one step short along the major axis.
        const int dx = to.x - from.x, dy = to.y - from.y;
        const int steps = std::max(std::abs(dx), std::abs(dy));
        const QPointF end(from.x + dx * (steps - 1) / static_cast<double>(steps),
                          from.y + dy * (steps - 1) / static_cast<double>(steps));
        if (steps == 1) {
            painter_.drawPoint(pen_point(from, pen.width));
            return;
        }
        const Point last{static_cast<int>(std::round(end.x())),
                         static_cast<int>(std::round(end.y()))};
        painter_.drawLine(pen_point(from, pen.width), pen_point(last, pen.width));
        return;
    }
    painter_.drawLine(from.x, from.y, to.x, to.y);
}

void QPainterCanvas::polyline(std::span<const Point> points, Pen pen) {
    if (points.size() < 2)
        return;
    // All but the last segment in one call; the last one leaves out its end
    // point, as a GDI polyline does.
    if (points.size() > 2) {
        QPolygon poly(static_cast<int>(points.size() - 1));
        for (std::size_t i = 0; i + 1 < points.size(); ++i)
            poly.setPoint(static_cast<int>(i), points[i].x, points[i].y);
        touched(poly.boundingRect(), pen.width);
        set_pen(pen);
        if (ratio_ == 1.0 || pen.width > 1) {
            painter_.drawPolyline(poly);
        } else {
            QPolygonF shifted(poly.size());
            for (int i = 0; i < poly.size(); ++i)
                shifted[i] = pen_point({poly[i].x(), poly[i].y()}, pen.width);
            painter_.drawPolyline(shifted);
        }
    }
    line(points[points.size() - 2], points.back(), pen);
}

void QPainterCanvas::text(Point at, std::string_view bytes, const CellFont& font, Rgb fg, Rgb bg) {
    if (bytes.empty())
        return;
    const QPoint point(at.x, at.y);
    std::string key = text_key(bytes, font, fg, bg);
    if (memo_ && memo_->shows(point, key))
        return;
    QRect area;
    if (ratio_ == 1.0) {
        // Drawn once, then copied: the same pixels as drawing it here.
        const TextImage& t = text_image(bytes, font, fg, bg);
        area = QRect(point + t.offset, t.image.size());
        painter_.drawImage(area.topLeft(), t.image);
    } else {
        // Drawn at the surface's own resolution.
        area = text_reach(bytes, font).translated(point);
        draw_text_directly(painter_, at, bytes, font, fg, bg);
    }
    touched(area, 1, true);
    if (memo_)
        memo_->drawn_text(point, std::move(key), area);
}

int QPainterCanvas::text_width(std::string_view bytes, const CellFont& font) {
    // The character cells, or the glyphs where they reach further.
    const QFontMetrics m(qt_font(font));
    const QString s = QString::fromUtf8(to_utf8(bytes, font.charset));
    return std::max(m.horizontalAdvance(s), m.boundingRect(s).right() + 1);
}

}  // namespace tarvex
