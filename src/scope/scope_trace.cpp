// SPDX-License-Identifier: MIT
#include "scope/scope_trace.h"

#include <algorithm>

#include "gfx/palette.h"
#include "link/conversions.h"
#include "ui/format.h"

namespace tarvex {

namespace pal = palette;

namespace {

constexpr int kRest[kScopeTraces] = {130, 240, 240, 350, 460};
constexpr Pen kPens[kScopeTraces] = {pal::kPenDarkOlive2, pal::kPenGreen2, pal::kPenDarkGreen,
                                     pal::kPenBlue2, pal::kPenNavy2};
constexpr int kBandTop[4] = {43, 153, 263, 373};
constexpr int kBandBottom[4] = {137, 247, 357, 467};
constexpr Rect kFrames[4] = {
    {198, 40, 600, 140}, {198, 150, 600, 250}, {198, 260, 600, 360}, {198, 370, 600, 470}};
// Order of the full repaints and the cursor repair.
constexpr ScopeTraceId kRedrawOrder[kScopeTraces] = {TraceLambda, TraceAttInit, TraceActuator,
                                                     TraceRpm, TraceTps};

// A vertical strip from pixel x0 to x1 in every band.
void strip(Canvas& c, const Scope& s, int x0, int x1, Pen pen, Brush brush) {
    for (int b = 0; b < 4; ++b)
        c.rectangle({x0, s.scale.y(kBandTop[b]), x1, s.scale.y(kBandBottom[b])}, pen, brush);
}

void white_strip(Canvas& c, const Scope& s, int x0, int x1) {
    strip(c, s, x0, x1, pal::kPenWhite, pal::kBrushWhite);
}

void sweep_marker(Canvas& c, const Scope& s, int column) {
    const int x = s.scale.x(column + 2);
    strip(c, s, x, x + 1, pal::kPenRed, pal::kBrushWhite);
}

void frames(Canvas& c, const Scope& s) {
    for (const Rect& f : kFrames)
        c.rectangle(s.scale.rect(f.left, f.top, f.right, f.bottom), pal::kPenBlack,
                    pal::kBrushWhite);
}

// What the read-outs show, of the live frame or of the sample under the cursor.
struct Shown {
    double lambda_volts;
    int actuator_step, rpm;
    TpsReading tps;
    Fuel fuel;
};

void readouts(Canvas& c, Scope& s, const Shown& v, bool from_cursor) {
    const LayoutScale& sc = s.scale;
    const CellFont& large = s.fonts.LargeFont;
    auto text = [&](int x, int y, const std::string& t, std::size_t n) {
        c.text(sc.pt(x, y), t.substr(0, n), large, pal::kBlack, pal::kWhite);
    };
    text(630, 70, format("%f", v.lambda_volts), 4);
    text(630, 180, format("%03dl", v.actuator_step), 3);
    s.CurrentRpm = v.rpm;
    text(630, 290, format("%04dl", v.rpm), 4);
    // A volts read-out and its unit; between them the view's ground again,
    // where a wider switch read-out ("OFF") may have reached.
    auto volts = [&](double value) {
        const std::string shown = format("%f", value).substr(0, 4);
        text(630, 400, shown, 4);
        const Point at = sc.pt(630, 400);
        const Rect gap{at.x + c.text_width(shown, large), at.y, sc.x(700), at.y + large.height};
        if (gap.left < gap.right)
            c.rectangle(gap, Pen{s.button_face, 1}, Brush{s.button_face});
        c.text(sc.pt(700, 400), "V", large, pal::kBlack, s.button_face);
    };
    if (v.tps.shown == TpsShown::None) {
        text(630, 400, "_.__", 4);
    } else if (v.tps.shown == TpsShown::SwitchOn || v.tps.shown == TpsShown::SwitchOff) {
        const std::string shown = v.tps.shown == TpsShown::SwitchOff ? "OFF" : " ON";
        text(630, 400, shown, 3);
        // The white box clears what a wider "OFF" left right of " ON". It
        // starts where the text drawn now ends, never left of its own place,
        // so that it cuts nothing of a text that reaches past that place, and
        // reaches down to the bottom of the text's cells at least.
        Rect r = from_cursor ? sc.rect(676, 400, 695, 436)
                             : Rect{0, sc.y(400), sc.x(698), round_half(436 * sc.ScaleY)};
        r.left = std::max(sc.x(676), sc.x(630) + c.text_width(shown, large));
        r.bottom = std::max(r.bottom, sc.y(400) + large.height);
        if (r.left < r.right)
            c.rectangle(r, pal::kPenWhite, pal::kBrushWhite);
        // A switch has no unit: a volts read-out's unit goes.
        const Point unit = sc.pt(700, 400);
        c.rectangle({unit.x, unit.y, unit.x + c.text_width("V", large), unit.y + large.height},
                    Pen{s.button_face, 1}, Brush{s.button_face});
    } else {
        volts(v.tps.volts);
    }
    // Fuel box.
    const bool gas = v.fuel == Fuel::Gas;
    c.rectangle(sc.rect(630, 465, 755, 505), pal::kPenBlack,
                gas ? pal::kBrushCyan : pal::kBrushGreen);
    if (gas)
        c.text(sc.pt(675, 475), s.texts[text_slot::LpgBox], s.fonts.SmallFont, pal::kBlack,
               pal::kCyan);
    else
        c.text(sc.pt(655, 475), s.texts[text_slot::PetrolBox], s.fonts.SmallFont, pal::kBlack,
               pal::kGreen);
}

// The points of one column at x: the extreme farther from the latest, the
// other extreme, then the latest, each left out when it repeats the point
// before. The number of points written.
int column_points(int x, int top, int bottom, int latest, Point* out) {
    const bool top_first = latest - top >= bottom - latest;
    int n = 0;
    for (int y : {top_first ? top : bottom, top_first ? bottom : top, latest})
        if (n == 0 || out[n - 1].y != y)
            out[n++] = {x, y};
    return n;
}

// The stored points of slot i of a trace, extremes included.
int slot_points(const ScopeBuffers& b, int t, std::size_t i, Point* out) {
    const auto tt = static_cast<std::size_t>(t);
    const Point& p = b.ScopeTrace[tt][i];
    return column_points(p.x, b.top_y[tt][i], b.bottom_y[tt][i], p.y, out);
}

}  // namespace

int lambda_height(int raw, int lambda_type) {
    int v = raw * 15 / 10;
    if ((lambda_type >> 4) != 0)
        v /= 5;
    return std::min(v, 80);
}

int actuator_height(int raw) {
    return raw / 3;
}

int rpm_height(int rpm) {
    return std::min(rpm / 100, 80);
}

int tps_height(int raw, int lambda_type) {
    int r = raw;
    if ((lambda_type & 7) != 7 && (lambda_type & 1))
        r = 255 - raw;
    return round_half(r / 3.1);
}

int cursor_scroll(int pos, int code, int thumb) {
    auto out_of_range = [](int v) { return static_cast<unsigned>(v) > 395u; };
    switch (code) {
        case 5:
            return static_cast<std::int16_t>(thumb);
        case 3:
            return out_of_range(pos + 10) ? 395 : pos + 10;
        case 2:
            return pos - 10 < 2 || out_of_range(pos - 10) ? 2 : pos - 10;
        case 1:
            return pos + 1 < 2 || out_of_range(pos + 1) ? 395 : pos + 1;
        case 0:
            return pos - 1 < 2 || out_of_range(pos - 1) ? 2 : pos - 1;
        default:
            return pos;
    }
}

std::string lambda_sensor_text(int lambda_type) {
    static const char* const texts[] = {"0 - 1 V       ",    "0 - 5 V  '-'     ",
                                        "0 - 5 V  '+'     ", "5 - 0 V  '-'     ",
                                        "5 - 0 V  '+'     ", "0,8 - 1,6 V   "};
    const int n = (lambda_type >> 4) & 0x0F;
    return n <= 5 ? std::string(texts[n]).substr(0, 14) : std::string();
}

void ResetScopeBuffers(ScopeBuffers& buf, const LayoutScale& scale) {
    for (int t = 0; t < kScopeTraces; ++t)
        for (int i = 0; i < kScopeSlots; ++i) {
            const auto tt = static_cast<std::size_t>(t), ii = static_cast<std::size_t>(i);
            buf.ScopeTrace[tt][ii] = {scale.x(i + 201), scale.y(kRest[t])};
            buf.top_y[tt][ii] = buf.bottom_y[tt][ii] = scale.y(kRest[t]);
        }
    buf.lambda_raw.fill(0);
    buf.actuator_raw.fill(0);
    buf.rpm.fill(0);
    buf.tps_raw.fill(0);
    buf.lambda_type.fill(0);
    buf.state_bit.fill(0);
    buf.fuel_bits.fill(0);
    buf.timing = {};
}

void DrawScopeLayout(Canvas& c, Scope& s) {
    const LayoutScale& sc = s.scale;
    frames(c, s);
    const CellFont& small = s.fonts.SmallFont;
    const CellFont& large = s.fonts.LargeFont;
    const int lt = s.image.LambdaType();
    const int n = lt & 0x0F;
    const int tps_slot = n == 0 ? 84 : n == 1 ? 85 : n <= 5 ? 86 : n == 6 ? 87 : n == 7 ? 88 : 89;
    struct Label {
        int x, y;
        std::string text;
        Rgb colour;
        bool large_font;
    };
    const Label labels[] = {
        {50, 60, s.texts[text_slot::LambdaTrace], pal::kOlive, false},
        {50, 90, lambda_sensor_text(lt), pal::kBlack, false},
        {50, 420, s.texts[tps_slot], pal::kBlack, false},
        {50, 190, s.texts[text_slot::ActuatorRange], pal::kBlack, false},
        {50, 320, s.texts[text_slot::SpeedRange], pal::kBlack, false},
        {700, 70, s.texts[text_slot::VoltUnit], pal::kBlack, true},
        {710, 190, s.texts[text_slot::StepUnit], pal::kBlack, false},
        {710, 300, s.texts[text_slot::SpeedUnit], pal::kBlack, false},
        {50, 170, s.texts[text_slot::ActuatorTrace], pal::kGreen, false},
        {50, 210, s.texts[text_slot::StartPositionTrace], pal::kDarkGreen, false},
        {50, 300, s.texts[text_slot::SpeedTrace], pal::kBlue, false},
        {50, 400, s.texts[text_slot::TpsTrace], pal::kNavy, false},
    };
    for (const Label& l : labels)
        if (!l.text.empty())
            c.text(sc.pt(l.x, l.y), l.text, l.large_font ? large : small, l.colour, s.button_face);
    c.text(sc.pt(130, 490), s.texts[text_slot::TimeAxis], small, pal::kBlack, s.button_face);
    for (int k = 0; k <= 8; ++k) {
        c.text(sc.pt(203 + 46 * k, 470), ".", small, pal::kBlack, s.button_face);
        c.text(sc.pt(196 + 46 * k, 490), format("%02ld", 2L * k).substr(0, 2), small, pal::kBlack,
               s.button_face);
    }
}

std::array<int, kScopeTraces> sample_heights(const ControllerImage& m) {
    return {lambda_height(m.LambdaVoltage(), m.LambdaType()), actuator_height(m.ActuatorStep()),
            actuator_height(m.AttInit()), rpm_height(live_engine_speed(m)),
            tps_height(m.TpsVoltage(), m.LambdaType())};
}

void widen(ColumnSpan& span, const ControllerImage& sample) {
    const auto h = sample_heights(sample);
    for (std::size_t t = 0; t < h.size(); ++t) {
        span.low[t] = span.any ? std::min(span.low[t], h[t]) : h[t];
        span.high[t] = span.any ? std::max(span.high[t], h[t]) : h[t];
    }
    span.any = true;
}

void record_scope_column(Canvas& c, Scope& s, const ControllerImage& m, const ColumnSpan& span) {
    const LayoutScale& sc = s.scale;
    ScopeBuffers& b = s.buf;
    const int q = s.SizeMode == 1 ? 1 : 0;
    const int rpm = live_engine_speed(m);
    const int S = ++b.SweepColumn;
    if (S > 203)
        white_strip(c, s, sc.x(199 - q) + q, sc.x(204));
    sweep_marker(c, s, S);
    white_strip(c, s, sc.x(S + q), sc.x(S + 2));
    const auto heights = sample_heights(m);
    for (int t = 0; t < kScopeTraces; ++t) {
        const auto tt = static_cast<std::size_t>(t);
        const int v = heights[tt];
        const int high = span.any ? std::max(span.high[tt], v) : v;
        const int low = span.any ? std::min(span.low[tt], v) : v;
        const int y = sc.y(kRest[t] - v);
        Point pts[4];
        pts[0] = {sc.x(S - 1), S == 203 ? y : b.head_y[tt]};
        const int n =
            1 + column_points(sc.x(S), sc.y(kRest[t] - high), sc.y(kRest[t] - low), y, pts + 1);
        if (n == 2)
            c.line(pts[0], pts[1], kPens[t]);
        else
            c.polyline(std::span<const Point>(pts, static_cast<std::size_t>(n)), kPens[t]);
        b.head_y[tt] = y;
        const auto slot = static_cast<std::size_t>(S - 200);
        b.ScopeTrace[tt][slot].y = y;
        b.top_y[tt][slot] = sc.y(kRest[t] - high);
        b.bottom_y[tt][slot] = sc.y(kRest[t] - low);
    }
    if (S > 595) {
        b.SweepColumn = 201;
        white_strip(c, s, sc.x(598), sc.x(599));
        white_strip(c, s, sc.x(199) + q, sc.x(203));
    }
    const auto slot = static_cast<std::size_t>(b.SweepColumn - 200);
    b.lambda_raw[slot] = m.LambdaVoltage();
    b.actuator_raw[slot] = m.ActuatorStep();
    b.rpm[slot] = rpm;
    b.tps_raw[slot] = m.TpsVoltage();
    b.lambda_type[slot] = m.LambdaType();
    b.state_bit[slot] = m.LiveStateBits() & 0x10;
    b.fuel_bits[slot] = m.LiveFuelBits();
}

void draw_scope_readouts(Canvas& c, Scope& s) {
    const Readings r = decode_readings(s.image, s.link);
    readouts(c, s,
             {r.lambda_volts, r.actuator_step, r.engine_speed_rpm, r.tps,
              reported_fuel(s.image.LiveFuelBits())},
             false);
}

void RecordScopeTick(Canvas& c, Scope& s) {
    if (!s.state.ScopeCursorOn && !s.link.NoConnection)
        record_scope_column(c, s, s.image);
    draw_scope_readouts(c, s);
}

void DrawScopeCursor(Canvas& c, Scope& s, int bar_position) {
    const LayoutScale& sc = s.scale;
    ScopeBuffers& b = s.buf;
    s.state.ScopeCursorPos = bar_position;
    const int cpos = bar_position;
    const int x = sc.x(cpos + 201);
    strip(c, s, x, x + 1, pal::kPenBlack, pal::kBrushWhite);
    if (b.ScopeOldCursor != cpos) {
        const int o = b.ScopeOldCursor;
        const int ox = sc.x(o + 201);
        strip(c, s, ox, ox + 1, pal::kPenWhite, pal::kBrushWhite);
        // Repair the traces under the old cursor line from the stored points.
        const int slots[3] = {o == 0 ? 0 : o - 1, o, o + 1};
        for (ScopeTraceId t : kRedrawOrder) {
            Point pts[9];
            int n = 0;
            for (int i : slots)
                n += slot_points(b, t, static_cast<std::size_t>(std::clamp(i, 0, kScopeSlots - 1)),
                                 pts + n);
            c.polyline(std::span<const Point>(pts, static_cast<std::size_t>(n)), kPens[t]);
        }
        b.ScopeOldCursor = cpos;
    }
    sweep_marker(c, s, b.SweepColumn);
    const auto slot = static_cast<std::size_t>(std::clamp(cpos, 0, kScopeSlots - 1));
    readouts(c, s,
             {sensor_voltage(static_cast<unsigned>(b.lambda_raw[slot])), b.actuator_raw[slot],
              b.rpm[slot],
              tps_reading(static_cast<unsigned>(b.tps_raw[slot]), b.lambda_type[slot],
                          b.state_bit[slot]),
              reported_fuel(b.fuel_bits[slot])},
             true);
}

void RedrawScopeTraces(Canvas& c, Scope& s) {
    frames(c, s);
    ScopeBuffers& b = s.buf;
    for (std::size_t t = 0; t < kScopeTraces; ++t) {
        b.ScopeTrace[t][0] = b.ScopeTrace[t][1] = b.ScopeTrace[t][2] = b.ScopeTrace[t][3];
        b.top_y[t][0] = b.top_y[t][1] = b.top_y[t][2] = b.top_y[t][3];
        b.bottom_y[t][0] = b.bottom_y[t][1] = b.bottom_y[t][2] = b.bottom_y[t][3];
    }
    // Each stored column with what its samples reached.
    std::array<Point, 396 * 3> pts;
    for (ScopeTraceId t : kRedrawOrder) {
        std::size_t n = 0;
        for (std::size_t i = 0; i < 396; ++i)
            n += static_cast<std::size_t>(slot_points(b, t, i, pts.data() + n));
        c.polyline(std::span<const Point>(pts.data(), n), kPens[t]);
    }
}

}  // namespace tarvex
