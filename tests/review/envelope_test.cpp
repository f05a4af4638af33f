// SPDX-License-Identifier: MIT
// The min/max envelope: every column holds exactly the extremes of its rows.
#include <gtest/gtest.h>

#include <random>

#include "review/envelope.h"
#include "support/drive_builder.h"

using namespace tarvex;
using tarvex::testing::DriveBuilder;
using tarvex::testing::Phase;

TEST(DriveEnvelope, EveryRangeHoldsTheExtremesOfItsRowsWithReadings) {
    std::mt19937 rng(11);
    DriveBuilder b(0.025);
    // Spikes anywhere, stretches without readings, fuel and cut-off changing.
    for (int i = 0; i < 300; ++i) {
        Phase p;
        p.seconds = std::uniform_real_distribution<double>(0.1, 3)(rng);
        p.rpm = std::uniform_int_distribution<int>(0, 7000)(rng);
        p.link = rng() % 7 ? LinkReading::Connected : LinkReading::Lost;
        p.bits =
            row_bit::Readings | (rng() % 2 ? row_bit::Gas : 0) | (rng() % 5 ? 0 : row_bit::CutOff);
        p.actuator = [&rng](double) { return std::uniform_int_distribution<int>(0, 255)(rng); };
        b.add(p);
    }
    const DriveSamples& d = b.d;
    const DriveEnvelope envelope(d);
    for (int k = 0; k < 2000; ++k) {
        std::size_t first = rng() % (d.size() + 1), last = rng() % (d.size() + 1);
        if (first > last)
            std::swap(first, last);
        for (const Channel c : {Channel::EngineSpeed, Channel::Actuator}) {
            ColumnRange want;
            std::uint8_t bits = 0;
            for (std::size_t i = first; i < last; ++i) {
                if (d.has(i, row_bit::Readings))
                    want.add(d.value(c, i));
                bits |= static_cast<std::uint8_t>(
                    !d.has(i, row_bit::Readings) ? band_bit::NoReadings
                    : d.has(i, row_bit::Gas)     ? d.bits[i]
                                                 : d.bits[i] | band_bit::Petrol);
            }
            const ColumnRange got = envelope.range(c, first, last);
            EXPECT_EQ(got.empty(), want.empty()) << first << ".." << last;
            if (!want.empty()) {
                EXPECT_EQ(got.min, want.min) << first << ".." << last;
                EXPECT_EQ(got.max, want.max) << first << ".." << last;
            }
            EXPECT_EQ(envelope.band(first, last), bits) << first << ".." << last;
        }
    }
    // Columns split the time without a gap or an overlap.
    const double length = d.time(d.size() - 1);
    for (const std::size_t columns : {1u, 7u, 4000u}) {
        const auto bounds = column_bounds(d, length / 3, length, columns);
        ASSERT_EQ(bounds.size(), columns + 1);
        EXPECT_EQ(bounds.front(), d.row_at(length / 3));
        EXPECT_EQ(bounds.back(), d.row_at(length));
        EXPECT_TRUE(std::is_sorted(bounds.begin(), bounds.end()));
        std::vector<ColumnRange> out;
        envelope.channel(Channel::EngineSpeed, bounds, out);
        ASSERT_EQ(out.size(), columns);
        for (std::size_t j = 0; j < columns; ++j) {
            const ColumnRange r = envelope.range(Channel::EngineSpeed, bounds[j], bounds[j + 1]);
            EXPECT_EQ(out[j].min, r.min);
            EXPECT_EQ(out[j].max, r.max);
        }
    }
}
