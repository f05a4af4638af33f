// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>

#include "gfx/canvas.h"
#include "link/controller_image.h"
#include "link/link_state.h"
#include "link/readings_decoder.h"
#include "scope/sweep_timing.h"
#include "ui/size_modes.h"
#include "ui/ui_texts.h"

namespace tarvex {

constexpr int kScopeSlots = 400;

// The recorded traces and samples. Fixed arrays, allocated once with the
// program; the view's creation resets them.
struct ScopeBuffers {
    std::array<std::array<Point, kScopeSlots>, kScopeTraces> ScopeTrace{};
    // Pixel y of the highest and the lowest sample of each slot's column
    // (the point itself holds the latest).
    std::array<std::array<int, kScopeSlots>, kScopeTraces> top_y{}, bottom_y{};
    // Samples for the value cursor.
    std::array<std::int32_t, kScopeSlots> lambda_raw{}, actuator_raw{}, rpm{}, tps_raw{};
    std::array<std::uint8_t, kScopeSlots> lambda_type{}, state_bit{}, fuel_bits{};
    std::array<int, kScopeTraces> head_y{};
    int SweepColumn = 202;
    int ScopeOldCursor = 0;
    SweepTiming timing;  // the sweep's time axis
};

// The oscilloscope's state that outlives its view.
struct ScopeState {
    int ScopeCursorOn = 0;
    int ScopeCursorPos = 2;
    int ScopeConfigRead = 0;
    SweepClock clock;  // the sweep's clock: the monotonic clock unless a test sets its own
};

// What the scope drawing reads and writes.
struct Scope {
    ScopeBuffers& buf;
    ScopeState& state;
    const ControllerImage& image;
    const LinkState& link;
    const LayoutScale& scale;
    int SizeMode;
    const FontChoice& fonts;
    const UiTexts& texts;
    int& CurrentRpm;
    Rgb button_face;  // the background of the labels
};

// Heights above the rest level, in layout units, of each trace's sample.
int lambda_height(int raw, int lambda_type);
int actuator_height(int raw);
int rpm_height(int rpm);
int tps_height(int raw, int lambda_type);
// The cursor's slot after a scroll code of its bar (0 line left, 1 line
// right, 2 page left, 3 page right, 5 thumb track), kept within 2..395.
int cursor_scroll(int pos, int code, int thumb);
// The lambda sensor type text of a LambdaType, 14 characters, or empty.
std::string lambda_sensor_text(int lambda_type);
// The five traces' heights of a sample, in trace order.
std::array<int, kScopeTraces> sample_heights(const ControllerImage& sample);
// The span widened to reach a sample.
void widen(ColumnSpan& span, const ControllerImage& sample);

void ResetScopeBuffers(ScopeBuffers& buf, const LayoutScale& scale);
// The static picture: panel frames, labels, sensor-type texts, time axis.
void DrawScopeLayout(Canvas& c, Scope& s);
// One recording step and the live read-outs.
void RecordScopeTick(Canvas& c, Scope& s);
// The recording step alone: the sweep advances one column and draws the
// latest sample there, its segment reaching what the span reaches (as an
// oscilloscope's peak detection does); an empty span is the latest alone.
void record_scope_column(Canvas& c, Scope& s, const ControllerImage& latest,
                         const ColumnSpan& span = {});
// The read-outs of the live frame alone.
void draw_scope_readouts(Canvas& c, Scope& s);
// One cursor step at the bar's position c.
void DrawScopeCursor(Canvas& c, Scope& s, int bar_position);
// Frames and the stored traces.
void RedrawScopeTraces(Canvas& c, Scope& s);

}  // namespace tarvex
