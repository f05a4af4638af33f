// SPDX-License-Identifier: MIT
#include "review/review_cursors.h"

#include <algorithm>

namespace tarvex {

namespace {

// The last row at or before t, or size() when t lies before the first row.
std::size_t row_before(const DriveSamples& d, double t) {
    const std::size_t after = d.row_at(t);
    if (after < d.size() && d.time(after) <= t)
        return after;
    return after == 0 ? d.size() : after - 1;
}

std::optional<std::int32_t> value_at(const DriveSamples& d, Channel c, std::size_t row) {
    if (row >= d.size() || !d.has(row, row_bit::Readings))
        return std::nullopt;
    return d.value(c, row);
}

}  // namespace

CursorReadout cursor_readout(const DriveSamples& d, double a, double b) {
    CursorReadout r;
    r.a = a;
    r.b = b;
    r.between_s = b - a;
    const std::size_t row_a = row_before(d, a), row_b = row_before(d, b);
    // From the row in force at the earlier cursor to that at the later one.
    std::size_t first = row_before(d, std::min(a, b));
    std::size_t last = row_before(d, std::max(a, b));
    first = first == d.size() ? 0 : first;
    last = last == d.size() ? 0 : last + 1;
    for (std::size_t k = 0; k < kChannelCount; ++k) {
        const Channel c = static_cast<Channel>(k);
        ChannelReadout& out = r.channels[k];
        out.at_a = value_at(d, c, row_a);
        out.at_b = value_at(d, c, row_b);
        const auto& v = d.channels[k];
        std::int32_t lo = INT32_MAX, hi = INT32_MIN;
        double sum = 0;
        std::size_t n = 0;
        for (std::size_t i = first; i < last; ++i)
            if (d.bits[i] & row_bit::Readings) {
                lo = std::min(lo, v[i]);
                hi = std::max(hi, v[i]);
                sum += v[i];
                ++n;
            }
        if (n) {
            out.min = lo;
            out.max = hi;
            out.mean = sum / static_cast<double>(n);
        }
    }
    return r;
}

void TimeWindow::fit(double drive_length) {
    length = std::max(drive_length, min_span);
    t0 = 0;
    t1 = length;
}

void TimeWindow::zoom(double factor, double at) {
    at = std::clamp(at, 0.0, 1.0);
    const double pivot = t0 + span() * at;
    const double wanted = std::clamp(span() * factor, min_span, length);
    t0 = pivot - wanted * at;
    t1 = t0 + wanted;
    clamp();
}

void TimeWindow::pan(double share) {
    const double dt = span() * share;
    t0 += dt;
    t1 += dt;
    clamp();
}

void TimeWindow::home() {
    const double s = span();
    t0 = 0;
    t1 = s;
}

void TimeWindow::end() {
    const double s = span();
    t1 = length;
    t0 = length - s;
}

void TimeWindow::clamp() {
    const double s = std::clamp(span(), min_span, length);
    if (t0 < 0)
        t0 = 0;
    if (t0 + s > length)
        t0 = length - s;
    t1 = t0 + s;
}

}  // namespace tarvex
