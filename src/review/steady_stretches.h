// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <vector>

#include "review/drive_samples.h"
#include "review/review_thresholds.h"

namespace tarvex {

// Rows [first, last] (both included) of steady driving on one fuel.
struct Stretch {
    std::size_t first = 0, last = 0;
};

// The steady stretches on gas (or on petrol): rows with readings, the
// engine turning at `min_rpm` or more on that fuel, no cut-off, no switch-back
// speed, no learning run, rows at most max_row_gap_seconds apart, the speed
// within steady_rpm_band of the stretch's first row. After anything else
// (another fuel, a cut-off, a lost link) the first settle_seconds are left
// out; stretches shorter than min_stretch_seconds are dropped.
std::vector<Stretch> steady_stretches(const DriveSamples& d, bool gas, double min_rpm,
                                      const ReviewThresholds& limits = kReviewThresholds);

}  // namespace tarvex
