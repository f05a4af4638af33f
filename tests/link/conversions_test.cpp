// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "link/conversions.h"

using namespace tarvex;

TEST(Conversions, RoundHalf) {
    struct Case {
        double x;
        int want;
    } cases[] = {{2.5, 2}, {2.51, 3}, {0.505, 1}, {-1.7, -1}, {0.0, 0}, {3.0, 3}, {4.56, 5}};
    for (const auto& c : cases)
        EXPECT_EQ(round_half(c.x), c.want) << c.x;
}

TEST(Conversions, EngineSpeed) {
    struct Case {
        unsigned period;
        int rpm;
    } cases[] = {{0, 0},        {5000, 3000}, {4999, 3000}, {65535, 250}, {15000, 1000},
                 {10000, 1500}, {4285, 3500}, {1875, 8000}, {1, 15000000}};
    for (const auto& c : cases)
        EXPECT_EQ(engine_speed(c.period), c.rpm) << c.period;
    EXPECT_EQ(engine_speed(39u, 16u), 1500);
}

TEST(Conversions, PeriodFromRpmBytes) {
    struct Case {
        int rpm;
        unsigned lo, hi;
    } cases[] = {{1000, 152, 58}, {1500, 16, 39}, {3500, 189, 16}, {8000, 83, 7}};
    for (const auto& c : cases) {
        const unsigned p = period_from_rpm(c.rpm);
        EXPECT_EQ(p & 0xFF, c.lo) << c.rpm;
        EXPECT_EQ((p >> 8) & 0xFF, c.hi) << c.rpm;
    }
    EXPECT_EQ(period_from_rpm(1000), 15000u);
    EXPECT_EQ(period_from_rpm(1500), 10000u);
}

TEST(Conversions, EveryHundredRpmRoundTrips) {
    for (int rpm = 1000; rpm <= 8000; rpm += 100)
        EXPECT_EQ(engine_speed(period_from_rpm(rpm)), rpm);
}

TEST(Conversions, TemperatureFromRaw) {
    struct Case {
        unsigned raw;
        int t;
    } cases[] = {{0, 0},    {67, 0},   {68, 0},   {69, 0},   {100, 12},
                 {150, 32}, {199, 51}, {200, 51}, {230, 83}, {255, 110}};
    for (const auto& c : cases)
        EXPECT_EQ(temperature_from_raw(c.raw), c.t) << c.raw;
}

TEST(Conversions, RawFromTemperatureOverTheOfferedRange) {
    const int want[] = {94,  99,  104, 109, 114, 120, 125, 130, 135, 140, 145, 151, 156,
                        161, 166, 171, 176, 182, 187, 192, 197, 201, 202, 204, 206, 208};
    int i = 0;
    for (int t = 10; t <= 60; t += 2, ++i) {
        EXPECT_EQ(raw_from_temperature(t), want[i]) << t;
        EXPECT_EQ(temperature_from_raw(static_cast<unsigned>(want[i])), t) << t;
    }
    EXPECT_EQ(i, 26);
    EXPECT_EQ(raw_from_temperature(0), 68);
    EXPECT_EQ(raw_from_temperature(101), 245);
}

TEST(Conversions, TemperatureText) {
    struct Case {
        unsigned raw;
        const char* text;
    } cases[] = {{0, "00"}, {68, "00"}, {100, "12"}, {150, "32"}, {230, "83"}, {255, "100"}};
    for (const auto& c : cases)
        EXPECT_EQ(temperature_text(c.raw), c.text) << c.raw;
}

TEST(Conversions, SensorVoltage) {
    EXPECT_DOUBLE_EQ(sensor_voltage(255), 4.998);
    EXPECT_DOUBLE_EQ(sensor_voltage(23), 0.4508);
    EXPECT_DOUBLE_EQ(sensor_voltage(0), 0.0);
}
