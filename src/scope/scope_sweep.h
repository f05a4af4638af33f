// SPDX-License-Identifier: MIT
#pragma once

#include "scope/scope_trace.h"

namespace tarvex {

// A recording tick on a true time axis: the sweep advances one column for
// each 2000/46 ms of the clock while it records, drawn once the column's
// interval is over. A column reaches the lowest and the highest sample taken
// in its interval and ends at the latest, which the value cursor shows. An
// interval without a sample repeats the one before (at most one sweep of
// them). The first sample after the buffers were reset is drawn at once, in
// a column of its own. The read-outs follow every tick. A tick that records
// nothing (link lost, cursor on) pauses the sweep: recording starts a fresh
// interval.
void record_scope_tick_at(Canvas& c, Scope& s, SweepTime now);

// The sweep stops for ticks that do not get to record (the value cursor,
// the program-information dialog).
void pause_scope_sweep(ScopeBuffers& buf);

// Now on the scope's clock.
SweepTime scope_now(const ScopeState& state);

}  // namespace tarvex
