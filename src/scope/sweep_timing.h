// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <functional>

#include "link/controller_image.h"

namespace tarvex {

using SweepTime = std::chrono::steady_clock::time_point;
using SweepClock = std::function<SweepTime()>;

// The time one column of the sweep stands for: the axis says 2 s for every
// 46 columns.
inline constexpr std::chrono::nanoseconds kSweepColumnTime{2'000'000'000LL / 46};

// Where the sweep stands in time.
struct SweepTiming {
    bool running = false;    // recording, with a column's interval open
    SweepTime column_start;  // the start of the open interval
    ControllerImage latest;  // the latest sample taken in it
};

}  // namespace tarvex
