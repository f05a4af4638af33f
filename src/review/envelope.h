// SPDX-License-Identifier: MIT
#pragma once

#include <climits>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "review/drive_samples.h"

namespace tarvex {

// The lowest and highest value of a channel within one pixel column; empty
// when no row of the column has readings.
struct ColumnRange {
    std::int32_t min = INT32_MAX, max = INT32_MIN;
    bool empty() const { return min > max; }
    void add(std::int32_t v) {
        min = v < min ? v : min;
        max = v > max ? v : max;
    }
    void add(const ColumnRange& r) {
        min = r.min < min ? r.min : min;
        max = r.max > max ? r.max : max;
    }
};

// Band bits of a column beside those of row_bit: some row of it was on
// petrol with readings, or had no readings (link lost, not yet answered,
// another generation).
namespace band_bit {
enum : std::uint8_t { Petrol = 0x40, NoReadings = 0x80 };
}

// Splits the time [t0, t1) (seconds from the first row) into `columns` equal
// columns: column j holds rows [bounds[j], bounds[j + 1]). A column narrower
// than the gap between two rows holds none.
std::vector<std::size_t> column_bounds(const DriveSamples& d, double t0, double t1,
                                       std::size_t columns);

// The min/max envelope of every channel of a drive, for strip charts that
// keep every extreme at every zoom: each column gets the minimum and maximum
// of all its rows, so no spike disappears. Built once when a drive is
// opened (a pyramid of minima and maxima over blocks of 8, 16, 32 ... rows,
// about 2 bytes a row per channel), it answers any range of rows in a few
// dozen steps, so that any zoom or pan of hours of rows redraws at once.
// Keeps a reference to the samples, which must outlive it.
class DriveEnvelope {
  public:
    explicit DriveEnvelope(const DriveSamples& d);

    // Min and max of a channel per column, over the rows with readings.
    void channel(Channel c, const std::vector<std::size_t>& bounds,
                 std::vector<ColumnRange>& out) const;
    // The row_bit and band_bit bits that any row of each column has (0 for
    // a column without rows): what the bands of fuel, LPG off, cut-off,
    // learning and link show.
    void bands(const std::vector<std::size_t>& bounds, std::vector<std::uint8_t>& out) const;
    // The same for one range of rows [first, last).
    ColumnRange range(Channel c, std::size_t first, std::size_t last) const;
    std::uint8_t band(std::size_t first, std::size_t last) const;

    std::size_t memory_bytes() const;

  private:
    static constexpr std::size_t kLeafShift = 3;  // blocks of 8 rows at the bottom
    std::uint8_t band_of(std::size_t row) const;

    const DriveSamples& d_;
    std::vector<std::vector<ColumnRange>> levels_[kChannelCount];
    std::vector<std::vector<std::uint8_t>> band_levels_;
};

}  // namespace tarvex
