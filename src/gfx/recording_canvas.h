// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

#include "gfx/canvas.h"

namespace tarvex {

// A canvas that records every call, for tests of what is drawn where.
class RecordingCanvas final : public Canvas {
  public:
    enum class Kind { Rectangle, RoundRect, Ellipse, Line, Polyline, Text };
    struct Call {
        Kind kind;
        Rect rect;  // Rectangle, RoundRect, Ellipse
        int corner_w = 0, corner_h = 0;
        std::vector<Point> points;  // Line (2 points), Polyline
        Pen pen;
        Brush brush;
        std::string text;  // Text: the bytes drawn
        CellFont font;
        Rgb fg, bg;
    };

    void rectangle(Rect r, Pen pen, Brush brush) override;
    void round_rect(Rect r, int corner_w, int corner_h, Pen pen, Brush brush) override;
    void ellipse(Rect bounds, Pen pen, Brush brush) override;
    void line(Point from, Point to, Pen pen) override;
    void polyline(std::span<const Point> points, Pen pen) override;
    void text(Point at, std::string_view bytes, const CellFont& font, Rgb fg, Rgb bg) override;
    // Every character taken as the font's average width.
    int text_width(std::string_view bytes, const CellFont& font) override;

    const std::vector<Call>& calls() const { return calls_; }
    void clear() { calls_.clear(); }
    // Calls of one kind, in order.
    std::vector<Call> of_kind(Kind kind) const;
    // The first text call drawing exactly these bytes, or null.
    const Call* find_text(std::string_view bytes) const;

  private:
    std::vector<Call> calls_;
};

}  // namespace tarvex
