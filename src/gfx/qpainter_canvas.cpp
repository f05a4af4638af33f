// SPDX-License-Identifier: MIT
#include "gfx/qpainter_canvas.h"

#include <QFontMetrics>
#include <QPolygon>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include <vector>

#include "gfx/qt_fonts.h"
#include "gfx/text_codec.h"

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

QPainterCanvas::QPainterCanvas(QImage& surface) : painter_(&surface) {
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, false);
    painter_.setRenderHint(QPainter::SmoothPixmapTransform, false);
}

QPainterCanvas::~QPainterCanvas() = default;

void QPainterCanvas::set_pen(Pen pen) {
    QPen p(qcolor(pen.color));
    if (pen.width <= 1) {
        p.setWidth(0);  // cosmetic: exactly one pixel
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
    if (pen.width <= 1) {
        // Fill and outline pixel-exactly: l..r-1, t..b-1.
        painter_.fillRect(QRect(r.left, r.top, r.right - r.left, r.bottom - r.top),
                          qcolor(brush.color));
        const QColor pc = qcolor(pen.color);
        painter_.fillRect(QRect(r.left, r.top, r.right - r.left, 1), pc);
        painter_.fillRect(QRect(r.left, r.bottom - 1, r.right - r.left, 1), pc);
        painter_.fillRect(QRect(r.left, r.top, 1, r.bottom - r.top), pc);
        painter_.fillRect(QRect(r.right - 1, r.top, 1, r.bottom - r.top), pc);
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
    set_pen(pen);
    painter_.setBrush(qcolor(brush.color));
    painter_.drawRoundedRect(outline_rect(r), corner_w / 2.0, corner_h / 2.0, Qt::AbsoluteSize);
}

void QPainterCanvas::ellipse(Rect bounds, Pen pen, Brush brush) {
    bounds = normalized(bounds);
    if (bounds.right <= bounds.left || bounds.bottom <= bounds.top)
        return;
    set_pen(pen);
    painter_.setBrush(qcolor(brush.color));
    painter_.drawEllipse(outline_rect(bounds));
}

void QPainterCanvas::line(Point from, Point to, Pen pen) {
    if (from == to)
        return;
    set_pen(pen);
    if (pen.width <= 1) {
        // GDI leaves out the end point: stop one step short along the major axis.
        const int dx = to.x - from.x, dy = to.y - from.y;
        const int steps = std::max(std::abs(dx), std::abs(dy));
        const QPointF end(from.x + dx * (steps - 1) / static_cast<double>(steps),
                          from.y + dy * (steps - 1) / static_cast<double>(steps));
        if (steps == 1) {
            painter_.drawPoint(from.x, from.y);
            return;
        }
        painter_.drawLine(QPointF(from.x, from.y),
                          QPointF(std::round(end.x()), std::round(end.y())));
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
        set_pen(pen);
        painter_.drawPolyline(poly);
    }
    line(points[points.size() - 2], points.back(), pen);
}

void QPainterCanvas::text(Point at, std::string_view bytes, const CellFont& font, Rgb fg, Rgb bg) {
    if (bytes.empty())
        return;
    const QFont& f = qt_font(font);
    const QString s = QString::fromUtf8(to_utf8(bytes, font.charset));
    QFontMetrics m(f);
    const int width = m.horizontalAdvance(s);
    painter_.fillRect(QRect(at.x, at.y, width, font.height), qcolor(bg));
    painter_.setFont(f);
    painter_.setPen(qcolor(fg));
    // The cell is font.height high; centre the font's own ascent + descent in it.
    const int slack = font.height - (m.ascent() + m.descent());
    painter_.drawText(at.x, at.y + slack / 2 + m.ascent(), s);
}

}  // namespace tarvex
