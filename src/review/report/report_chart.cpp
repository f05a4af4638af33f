// SPDX-License-Identifier: MIT
#include "review/report/report_chart.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "ui/format.h"

namespace tarvex {

namespace {

constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kFrame{120, 120, 120};
constexpr Rgb kGrid{222, 222, 222};
constexpr Rgb kLabel{60, 60, 60};
constexpr Rgb kGasGround{226, 243, 226};
constexpr Rgb kNoReadings{236, 236, 236};
constexpr Rgb kMarker{230, 120, 0};
constexpr CellFont kFont{11, 5, 400, Charset::CentralEuropean};

// A grid step of 1, 2 or 5 times a power of ten giving about `lines` lines.
double nice_step(double span, int lines) {
    const double raw = span / lines;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 5.0, 10.0})
        if (raw <= m * power)
            return m * power;
    return 10 * power;
}

// A time-axis step in seconds that a fitter reads at a glance.
double time_step(double duration_s) {
    for (double s : {10.0, 30.0, 60.0, 120.0, 300.0, 600.0, 900.0, 1800.0, 3600.0, 7200.0})
        if (duration_s / s <= 6)
            return s;
    return 14400.0;
}

}  // namespace

std::string time_label(double seconds) {
    const long s = std::lround(seconds);
    return s >= 3600 ? format("%ld:%02ld:%02ld", s / 3600, s / 60 % 60, s % 60)
                     : format("%ld:%02ld", s / 60, s % 60);
}

Rect report_plot_area(int width, int height) {
    return {36, 4, width - 6, height - 16};
}

void draw_report_chart(Canvas& c, const ReportChart& chart) {
    const Rect plot = report_plot_area(chart.width, chart.height);
    c.rectangle({0, 0, chart.width, chart.height}, Pen{kWhite}, Brush{kWhite});

    // The value range: every column's extremes and the marker, on whole grid steps.
    double lo = INFINITY, hi = -INFINITY;
    for (const ColumnRange& r : chart.columns)
        if (!r.empty()) {
            lo = std::min(lo, r.min * chart.unit_per_count);
            hi = std::max(hi, r.max * chart.unit_per_count);
        }
    if (chart.marker) {
        lo = std::min(lo, *chart.marker);
        hi = std::max(hi, *chart.marker);
    }
    if (!(lo <= hi))
        lo = 0, hi = 1;
    if (chart.from_zero)
        lo = std::min(lo, 0.0);
    if (hi - lo < 1e-9)
        hi = lo + 1;
    const double step = nice_step(hi - lo, 4);
    lo = std::floor(lo / step) * step;
    hi = std::ceil(hi / step) * step;
    const int h = plot.bottom - 1 - plot.top;
    auto y_of = [&](double v) {
        return plot.bottom - 1 - static_cast<int>(std::lround((v - lo) / (hi - lo) * h));
    };

    // The ground: on gas tinted, without readings grey.
    for (std::size_t x = 0; x < chart.bands.size(); ++x) {
        const std::uint8_t b = chart.bands[x];
        const int px = plot.left + static_cast<int>(x);
        if (b & band_bit::NoReadings && !(b & row_bit::Readings))
            c.line({px, plot.top}, {px, plot.bottom}, Pen{kNoReadings});
        else if (b & row_bit::Gas)
            c.line({px, plot.top}, {px, plot.bottom}, Pen{kGasGround});
    }

    // The grid and its values.
    for (double v = lo; v <= hi + step / 2; v += step) {
        const int y = y_of(v);
        c.line({plot.left, y}, {plot.right, y}, Pen{kGrid});
        std::string label = format("%.*f", chart.decimals, std::abs(v) < step / 1000 ? 0.0 : v);
        std::replace(label.begin(), label.end(), '.', chart.decimal_separator);
        c.text({plot.left - 4 - c.text_width(label, kFont), y - kFont.height / 2}, label, kFont,
               kLabel, kWhite);
    }
    const double seconds = std::max(chart.duration_s, 1.0);
    const double tstep = time_step(seconds);
    const int w = plot.right - plot.left;
    for (double t = 0; t <= seconds + 1e-9; t += tstep) {
        const int x = plot.left + static_cast<int>(std::lround(t / seconds * (w - 1)));
        c.line({x, plot.top}, {x, plot.bottom}, Pen{kGrid});
        const std::string label = time_label(t);
        const int tw = c.text_width(label, kFont);
        c.text({std::clamp(x - tw / 2, 0, chart.width - tw), plot.bottom + 3}, label, kFont, kLabel,
               kWhite);
    }

    // Each column from its lowest to its highest value, joined to the one
    // before so that a steep change stays one line.
    const ColumnRange* before = nullptr;
    for (std::size_t x = 0; x < chart.columns.size(); ++x) {
        const ColumnRange& r = chart.columns[x];
        if (r.empty()) {
            before = nullptr;
            continue;
        }
        double vmin = r.min, vmax = r.max;
        if (before) {
            vmin = std::min(vmin, static_cast<double>(before->max));
            vmax = std::max(vmax, static_cast<double>(before->min));
        }
        const int px = plot.left + static_cast<int>(x);
        const int top = y_of(vmax * chart.unit_per_count);
        const int bottom = y_of(vmin * chart.unit_per_count);
        c.line({px, top}, {px, bottom + 1}, Pen{chart.color});
        before = &r;
    }
    // The level over the trace, so that a busy trace does not hide it.
    if (chart.marker) {
        const int y = y_of(*chart.marker);
        c.line({plot.left, y}, {plot.right, y}, Pen{kMarker});
    }

    const Point corners[] = {{plot.left, plot.top},
                             {plot.right - 1, plot.top},
                             {plot.right - 1, plot.bottom - 1},
                             {plot.left, plot.bottom - 1},
                             {plot.left, plot.top}};
    c.polyline(corners, Pen{kFrame});
}

}  // namespace tarvex
