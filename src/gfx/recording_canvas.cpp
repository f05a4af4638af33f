// SPDX-License-Identifier: MIT
#include "gfx/recording_canvas.h"

namespace tarvex {

void RecordingCanvas::rectangle(Rect r, Pen pen, Brush brush) {
    Call c{Kind::Rectangle, r, 0, 0, {}, pen, brush, {}, {}, {}, {}};
    calls_.push_back(std::move(c));
}

void RecordingCanvas::round_rect(Rect r, int corner_w, int corner_h, Pen pen, Brush brush) {
    Call c{Kind::RoundRect, r, corner_w, corner_h, {}, pen, brush, {}, {}, {}, {}};
    calls_.push_back(std::move(c));
}

void RecordingCanvas::ellipse(Rect bounds, Pen pen, Brush brush) {
    Call c{Kind::Ellipse, bounds, 0, 0, {}, pen, brush, {}, {}, {}, {}};
    calls_.push_back(std::move(c));
}

void RecordingCanvas::line(Point from, Point to, Pen pen) {
    Call c{Kind::Line, {}, 0, 0, {from, to}, pen, {}, {}, {}, {}, {}};
    calls_.push_back(std::move(c));
}

void RecordingCanvas::polyline(std::span<const Point> points, Pen pen) {
    Call c{Kind::Polyline, {}, 0, 0, {points.begin(), points.end()}, pen, {}, {}, {}, {}, {}};
    calls_.push_back(std::move(c));
}

void RecordingCanvas::text(Point at, std::string_view bytes, const CellFont& font, Rgb fg, Rgb bg) {
    Call c{Kind::Text, {at.x, at.y, at.x, at.y}, 0,    0,  {at}, {},
           {},         std::string(bytes),       font, fg, bg};
    calls_.push_back(std::move(c));
}

int RecordingCanvas::text_width(std::string_view bytes, const CellFont& font) {
    return static_cast<int>(bytes.size()) * font.width;
}

std::vector<RecordingCanvas::Call> RecordingCanvas::of_kind(Kind kind) const {
    std::vector<Call> out;
    for (const auto& c : calls_)
        if (c.kind == kind)
            out.push_back(c);
    return out;
}

const RecordingCanvas::Call* RecordingCanvas::find_text(std::string_view bytes) const {
    for (const auto& c : calls_)
        if (c.kind == Kind::Text && c.text == bytes)
            return &c;
    return nullptr;
}

}  // namespace tarvex
