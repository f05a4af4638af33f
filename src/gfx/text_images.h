// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QPainter>
#include <QRect>

#include <string>
#include <string_view>

#include "gfx/canvas.h"

namespace tarvex {

// Draws opaque text as the canvas does: the character cells filled with bg,
// the glyphs in fg on top (they may reach a little past the cells).
void draw_text_directly(QPainter& painter, Point at, std::string_view bytes, const CellFont& font,
                        Rgb fg, Rgb bg);

// A text drawn once into an image that is transparent outside what
// draw_text_directly would touch, so that blending it over a surface gives
// the same pixels as drawing the text there.
struct TextImage {
    QImage image;   // premultiplied ARGB
    QPoint offset;  // of the image's top-left corner from the text's point
};

// Where a text drawn at (0, 0) may touch: its cells and its glyphs.
QRect text_reach(std::string_view bytes, const CellFont& font);

// What tells texts apart: the bytes, the font and both colours.
std::string text_key(std::string_view bytes, const CellFont& font, Rgb fg, Rgb bg);

// The image of a text, drawn at its first use and kept, a bounded number of
// them (the oscilloscope's read-outs draw the same few texts over and over;
// shaping and drawing glyphs costs far more than copying them).
const TextImage& text_image(std::string_view bytes, const CellFont& font, Rgb fg, Rgb bg);

}  // namespace tarvex
