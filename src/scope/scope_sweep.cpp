// SPDX-License-Identifier: MIT
#include "scope/scope_sweep.h"

#include <algorithm>

namespace tarvex {

namespace {

// Columns drawn at most for one tick: one whole sweep.
constexpr long kMaxColumnsAtOnce = 395;

}  // namespace

void record_scope_tick_at(Canvas& c, Scope& s, SweepTime now) {
    SweepTiming& t = s.buf.timing;
    if (s.state.ScopeCursorOn || s.link.NoConnection) {
        t.running = false;
    } else if (!t.running || now < t.column_start) {
        t.running = true;
        t.column_start = now;
        t.latest = s.image;
        t.span = {};
        // The first sample of a new recording shows at once; the interval
        // after it starts empty.
        if (!t.drawn)
            record_scope_column(c, s, s.image);
        else
            widen(t.span, s.image);
        t.drawn = true;
    } else {
        const long over = static_cast<long>((now - t.column_start) / kSweepColumnTime);
        for (long i = 0; i < std::min(over, kMaxColumnsAtOnce); ++i)
            record_scope_column(c, s, t.latest, i == 0 ? t.span : ColumnSpan{});
        t.column_start += over * kSweepColumnTime;
        if (over > 0)
            t.span = {};
        t.latest = s.image;
        widen(t.span, s.image);
    }
    draw_scope_readouts(c, s);
}

void pause_scope_sweep(ScopeBuffers& buf) {
    buf.timing.running = false;
}

SweepTime scope_now(const ScopeState& state) {
    return state.clock ? state.clock() : std::chrono::steady_clock::now();
}

}  // namespace tarvex
