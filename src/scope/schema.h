// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "gfx/canvas.h"

namespace tarvex {

constexpr int kDiagramWidth = 961;
constexpr int kDiagramHeight = 636;

// Where and how much of the wiring diagram the Schema view shows.
struct SchemaLayout {
    Point DiagramOrigin;
    int viewport_w = kDiagramWidth, viewport_h = kDiagramHeight;  // DiagramViewport
    Point DiagramScroll;                                          // offsets in the picture
    bool bars = false;                                            // scroll bars shown
    Rect hbar, vbar;                                              // their places
    int max_x = 0, max_y = 0;                                     // scroll maxima
};

// The set-up for a size: the smallest two sizes show a part of the picture
// with scroll bars; the others centre the whole picture in the client area.
SchemaLayout schema_setup(int size_mode, int client_w, int client_h);

// A scroll bar's code applied to an offset: 0 line back, 1 line on, 2 page
// back, 3 page on, 5 thumb track (thumb taken as a signed 16-bit value);
// other codes change nothing. Steps back that reach 0 or wrap give 1; steps
// on past the maximum give the maximum.
int scroll_offset(int offset, int code, int thumb, int max);

// The diagram's resource number and picture for a language code; the English
// one for any code but the four with their own.
int diagram_bitmap_for(const std::string& language_code);
const char* diagram_picture_for(const std::string& language_code);

// The diagram's drawing for a language: every {{KEY}} of the drawing replaced
// by that key's label in the language's column of the label table (a tab-
// separated table whose first line is "key" and the language codes), the
// English column for any code but the four with their own. Empty when the
// table lacks the column or a key the drawing uses.
std::string diagram_drawing_for(const std::string& language_code, const std::string& drawing,
                                const std::string& labels);

}  // namespace tarvex
