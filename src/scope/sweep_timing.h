// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <chrono>
#include <functional>

#include "link/controller_image.h"

namespace tarvex {

using SweepTime = std::chrono::steady_clock::time_point;
using SweepClock = std::function<SweepTime()>;

// The time one column of the sweep stands for: the axis says 2 s for every
// 46 columns.
inline constexpr std::chrono::nanoseconds kSweepColumnTime{2'000'000'000LL / 46};

enum ScopeTraceId : int {
    TraceLambda,
    TraceActuator,
    TraceAttInit,
    TraceRpm,
    TraceTps,
    kScopeTraces
};

// What the samples of one column reach, per trace, in layout units above the
// rest level: the lowest and the highest of them.
struct ColumnSpan {
    std::array<int, kScopeTraces> low{}, high{};
    bool any = false;  // a sample has been taken into it
};

// Where the sweep stands in time.
struct SweepTiming {
    bool running = false;    // recording, with a column's interval open
    bool drawn = false;      // a column has been drawn since the buffers were reset
    SweepTime column_start;  // the start of the open interval
    ControllerImage latest;  // the latest sample taken in it
    ColumnSpan span;         // what the samples taken in it reach
};

}  // namespace tarvex
