// SPDX-License-Identifier: MIT
#include "scope/schema.h"

#include <cstdint>

namespace tarvex {

SchemaLayout schema_setup(int size_mode, int client_w, int client_h) {
    SchemaLayout s;
    if (size_mode == 1 || size_mode == 2) {
        const bool small = size_mode == 1;
        s.DiagramOrigin = {10, 10};
        s.viewport_w = small ? 600 : 750;
        s.viewport_h = small ? 370 : 485;
        s.bars = true;
        s.hbar = small ? Rect{10, 380, 610, 395} : Rect{10, 495, 760, 515};
        s.vbar = small ? Rect{610, 10, 625, 380} : Rect{760, 10, 780, 495};
        s.max_x = kDiagramWidth - s.viewport_w;
        s.max_y = kDiagramHeight - s.viewport_h;
    } else {
        // Halves truncated toward zero, as integer division does.
        s.DiagramOrigin = {(client_w - kDiagramWidth) / 2, (client_h - kDiagramHeight) / 2};
    }
    return s;
}

int scroll_offset(int offset, int code, int thumb, int max) {
    const auto umax = static_cast<unsigned>(max);
    switch (code) {
        case 5:
            return static_cast<std::int16_t>(thumb);
        case 3:
        case 1: {
            const unsigned v = static_cast<unsigned>(offset + (code == 3 ? 50 : 10));
            return v > umax ? max : static_cast<int>(v);
        }
        case 2:
        case 0: {
            const unsigned v = static_cast<unsigned>(offset - (code == 2 ? 50 : 10));
            return v == 0 || v > umax ? 1 : static_cast<int>(v);
        }
        default:
            return offset;
    }
}

int diagram_bitmap_for(const std::string& code) {
    if (code == "pol")
        return 179;
    if (code == "rus")
        return 1014;
    if (code == "lit")
        return 192;
    return 182;
}

const char* diagram_picture_for(const std::string& code) {
    switch (diagram_bitmap_for(code)) {
        case 179:
            return ":/art/schema_pol.png";
        case 1014:
            return ":/art/schema_rus.png";
        case 192:
            return ":/art/schema_lit.png";
        default:
            return ":/art/schema_ang.png";
    }
}

}  // namespace tarvex
