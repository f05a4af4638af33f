// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "review/drive_samples.h"

namespace tarvex {

// One channel under the two cursors and between them.
struct ChannelReadout {
    // The value of the last row at or before each cursor; none when that row
    // has no readings (or the cursor lies before the first row).
    std::optional<std::int32_t> at_a, at_b;
    // Over the rows with readings from the one in force at the earlier cursor
    // to the one in force at the later, both included (so cursors together
    // give the value there); none when there is no such row. The mean is over
    // rows, which come at the poll's steady pace.
    std::optional<std::int32_t> min, max;
    std::optional<double> mean;
};

struct CursorReadout {
    double a = 0, b = 0;   // seconds from the first row
    double between_s = 0;  // b - a
    std::array<ChannelReadout, kChannelCount> channels;
};

CursorReadout cursor_readout(const DriveSamples& d, double a, double b);

// The shown stretch of a drive, in seconds from its first row: what zoom,
// pan, Home/End and "fit all" change. It never leaves [0, length] and never
// gets narrower than min_span (nor wider than the drive).
struct TimeWindow {
    double t0 = 0, t1 = 1;
    double length = 1;
    double min_span = 0.2;

    double span() const { return t1 - t0; }
    void fit(double drive_length);
    // factor < 1 zooms in, > 1 out, keeping the time at `at` (0 left edge,
    // 1 right edge) where it is.
    void zoom(double factor, double at = 0.5);
    // By a share of the shown span: negative to the left.
    void pan(double share);
    void home();
    void end();

  private:
    void clamp();
};

}  // namespace tarvex
