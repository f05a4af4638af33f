// SPDX-License-Identifier: MIT
#pragma once

#include <gtest/gtest.h>

#include "gfx/recording_canvas.h"

namespace tarvex::testing {

// The last text drawn at p (the one that shows), or null.
inline const RecordingCanvas::Call* find_text_at(const RecordingCanvas& canvas, Point p) {
    const RecordingCanvas::Call* found = nullptr;
    for (const auto& c : canvas.calls())
        if (c.kind == RecordingCanvas::Kind::Text && c.points[0] == p)
            found = &c;
    return found;
}

// The last text drawn at p. When none was, the test fails and goes on with
// an empty call, so that a moved label fails its test, not the whole suite.
inline RecordingCanvas::Call text_at(const RecordingCanvas& canvas, Point p) {
    if (const auto* found = find_text_at(canvas, p))
        return *found;
    ADD_FAILURE() << "no text drawn at (" << p.x << ", " << p.y << ")";
    return {};
}

}  // namespace tarvex::testing
