// SPDX-License-Identifier: MIT
#include "review/envelope.h"

#include <algorithm>

namespace tarvex {

namespace {

// Builds the levels above the leaves: each node joins two of the level below
// (the last alone when their count is odd).
template <class Node, class Join>
void build_levels(std::vector<std::vector<Node>>& levels, Join join) {
    while (levels.back().size() > 1) {
        const std::vector<Node>& below = levels.back();
        std::vector<Node> up((below.size() + 1) / 2);
        for (std::size_t i = 0; i < up.size(); ++i) {
            up[i] = below[2 * i];
            if (2 * i + 1 < below.size())
                join(up[i], below[2 * i + 1]);
        }
        levels.push_back(std::move(up));
    }
}

// Joins rows [a, b): single rows at the ragged ends, then the fewest nodes
// of the levels that cover the rest.
template <class Node, class Row, class Join>
void query(const std::vector<std::vector<Node>>& levels, std::size_t shift, std::size_t a,
           std::size_t b, Node& out, Row row, Join join) {
    const std::size_t leaf = std::size_t{1} << shift;
    while (a < b && a % leaf)
        row(out, a++);
    while (b > a && b % leaf)
        row(out, --b);
    std::size_t lo = a >> shift, hi = b >> shift;
    for (std::size_t level = 0; lo < hi; ++level, lo >>= 1, hi >>= 1) {
        if (lo & 1)
            join(out, levels[level][lo++]);
        if (hi & 1)
            join(out, levels[level][--hi]);
    }
}

}  // namespace

std::vector<std::size_t> column_bounds(const DriveSamples& d, double t0, double t1,
                                       std::size_t columns) {
    std::vector<std::size_t> bounds(columns + 1);
    const double width = columns ? (t1 - t0) / static_cast<double>(columns) : 0;
    for (std::size_t j = 0; j <= columns; ++j)
        bounds[j] = d.row_at(j == columns ? t1 : t0 + width * static_cast<double>(j));
    return bounds;
}

std::uint8_t DriveEnvelope::band_of(std::size_t row) const {
    const std::uint8_t b = d_.bits[row];
    if (!(b & row_bit::Readings))
        return b | band_bit::NoReadings;
    return (b & row_bit::Gas) ? b : static_cast<std::uint8_t>(b | band_bit::Petrol);
}

DriveEnvelope::DriveEnvelope(const DriveSamples& d) : d_(d) {
    const std::size_t leaf = std::size_t{1} << kLeafShift;
    const std::size_t leaves = (d.size() + leaf - 1) / leaf;
    for (std::size_t c = 0; c < kChannelCount; ++c) {
        std::vector<ColumnRange> bottom(leaves);
        const auto& v = d.channels[c];
        for (std::size_t i = 0; i < d.size(); ++i)
            if (d.bits[i] & row_bit::Readings)
                bottom[i >> kLeafShift].add(v[i]);
        levels_[c].push_back(std::move(bottom));
        build_levels(levels_[c], [](ColumnRange& a, const ColumnRange& b) { a.add(b); });
    }
    std::vector<std::uint8_t> bottom(leaves);
    for (std::size_t i = 0; i < d.size(); ++i)
        bottom[i >> kLeafShift] |= band_of(i);
    band_levels_.push_back(std::move(bottom));
    build_levels(band_levels_, [](std::uint8_t& a, std::uint8_t b) { a |= b; });
}

ColumnRange DriveEnvelope::range(Channel c, std::size_t first, std::size_t last) const {
    const std::size_t k = static_cast<std::size_t>(c);
    const auto& v = d_.channels[k];
    ColumnRange out;
    query(
        levels_[k], kLeafShift, first, std::min(last, d_.size()), out,
        [&](ColumnRange& r, std::size_t i) {
            if (d_.bits[i] & row_bit::Readings)
                r.add(v[i]);
        },
        [](ColumnRange& r, const ColumnRange& n) { r.add(n); });
    return out;
}

std::uint8_t DriveEnvelope::band(std::size_t first, std::size_t last) const {
    std::uint8_t out = 0;
    query(
        band_levels_, kLeafShift, first, std::min(last, d_.size()), out,
        [&](std::uint8_t& r, std::size_t i) { r |= band_of(i); },
        [](std::uint8_t& r, std::uint8_t n) { r |= n; });
    return out;
}

void DriveEnvelope::channel(Channel c, const std::vector<std::size_t>& bounds,
                            std::vector<ColumnRange>& out) const {
    out.resize(bounds.empty() ? 0 : bounds.size() - 1);
    for (std::size_t j = 0; j < out.size(); ++j)
        out[j] = range(c, bounds[j], bounds[j + 1]);
}

void DriveEnvelope::bands(const std::vector<std::size_t>& bounds,
                          std::vector<std::uint8_t>& out) const {
    out.resize(bounds.empty() ? 0 : bounds.size() - 1);
    for (std::size_t j = 0; j < out.size(); ++j)
        out[j] = band(bounds[j], bounds[j + 1]);
}

std::size_t DriveEnvelope::memory_bytes() const {
    std::size_t n = 0;
    for (const auto& levels : levels_)
        for (const auto& l : levels)
            n += l.capacity() * sizeof(ColumnRange);
    for (const auto& l : band_levels_)
        n += l.capacity();
    return n;
}

}  // namespace tarvex
