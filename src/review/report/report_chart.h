// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "gfx/canvas.h"
#include "review/envelope.h"

namespace tarvex {

// A small strip chart of one channel over a whole drive, for the report:
// the min/max envelope of each pixel column (so that no spike is lost),
// columns on gas on a tinted ground, a grid with its values on the left and
// minutes:seconds below.
struct ReportChart {
    int width = 330, height = 120;     // logical pixels
    std::vector<ColumnRange> columns;  // one per pixel column of the plot
    std::vector<std::uint8_t> bands;   // row_bit/band_bit per column
    double unit_per_count = 1;         // value shown = count * unit_per_count
    int decimals = 0;                  // of the values beside the grid
    char decimal_separator = '.';
    double duration_s = 0;         // of the drive: the time axis
    bool from_zero = true;         // the value axis starts at 0 or below
    std::optional<double> marker;  // a level drawn across (shown units)
    Rgb color{0, 70, 160};
};

// Seconds as minutes and seconds, or hours too: "2:05", "1:02:03".
std::string time_label(double seconds);

// Where the plot lies inside the chart: the columns to ask the envelope for
// are its width.
Rect report_plot_area(int width, int height);

// Draws the chart onto the canvas, filling [0, width) x [0, height).
void draw_report_chart(Canvas& canvas, const ReportChart& chart);

}  // namespace tarvex
