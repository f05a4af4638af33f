// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <utility>

namespace tarvex {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

struct Pen {
    Rgb color;
    int width = 1;
    friend bool operator==(const Pen&, const Pen&) = default;
};

struct Brush {
    Rgb color;
    friend bool operator==(const Brush&, const Brush&) = default;
};

struct Point {
    int x = 0, y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

// Half-open: covers left..right-1 and top..bottom-1.
struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;
    friend bool operator==(const Rect&, const Rect&) = default;
};

enum class Charset : std::uint8_t { CentralEuropean = 238, Cyrillic = 204 };

// An "Arial" font: a character cell `height` pixels high whose average
// character is `width` pixels wide.
struct CellFont {
    int height = 0;
    int width = 0;
    int weight = 400;
    Charset charset = Charset::CentralEuropean;
    friend bool operator==(const CellFont&, const CellFont&) = default;
};

// A drawing surface with GDI semantics: shapes are outlined with the pen and
// filled with the brush, rectangles are half-open, text is opaque (its
// character cells are filled with the background colour first) and placed by
// the top-left corner of its first cell. Nothing is antialiased. Texts are
// single-byte strings in the font's character set.
class Canvas {
  public:
    virtual ~Canvas() = default;
    virtual void rectangle(Rect r, Pen pen, Brush brush) = 0;
    // Corners are quarters of a corner_w x corner_h ellipse.
    virtual void round_rect(Rect r, int corner_w, int corner_h, Pen pen, Brush brush) = 0;
    virtual void ellipse(Rect bounds, Pen pen, Brush brush) = 0;
    // The end point is not drawn, as with a GDI line.
    virtual void line(Point from, Point to, Pen pen) = 0;
    virtual void polyline(std::span<const Point> points, Pen pen) = 0;
    virtual void text(Point at, std::string_view bytes, const CellFont& font, Rgb fg, Rgb bg) = 0;
    // How far right of its point a text drawn in the font reaches, in pixels.
    virtual int text_width(std::string_view bytes, const CellFont& font) = 0;
};

// A rectangle with its edges in order.
inline Rect normalized(Rect r) {
    if (r.right < r.left)
        std::swap(r.left, r.right);
    if (r.bottom < r.top)
        std::swap(r.top, r.bottom);
    return r;
}

}  // namespace tarvex
