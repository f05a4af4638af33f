// SPDX-License-Identifier: MIT
#pragma once

#include "scope/scope_trace.h"

namespace tarvex {

// A recording tick on a true time axis: the sweep advances one column for
// each 2000/46 ms of the clock while it records, each column showing the
// latest sample taken in its interval, drawn once the interval is over. An
// interval without a sample repeats the one before (at most one sweep of
// them). The read-outs follow every tick. A tick that records nothing (link
// lost, cursor on) pauses the sweep: recording starts a fresh interval.
void RecordScopeTickAt(Canvas& c, Scope& s, SweepTime now);

// The sweep stops for ticks that do not get to record (the value cursor,
// the program-information dialog).
void PauseScopeSweep(ScopeBuffers& buf);

// Now on the scope's clock.
SweepTime scope_now(const ScopeState& state);

}  // namespace tarvex
