// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <tuple>

#include "link/readings_decoder.h"

using namespace tarvex;
using L = LinkReading;
using G = Learning;
using T = TpsShown;

TEST(ReadingsDecoder, Decisions) {
    // Link, fuel in use, learning state (the first rule that holds decides), LPG-off, cut-off.
    struct Case {
        std::uint8_t version, state_bits, emul_type, fuel_bits;
        int no_connection, poll_period;
        std::tuple<LinkReading, Fuel, Learning> want;
    } cases[] = {
        {0x26, 0x08, 0x80, 0x01, 1, 50, {L::NoConnection, Fuel::Petrol, G::Unknown}},
        {0x26, 0x08, 0x80, 0x01, 1, 500, {L::Lost, Fuel::Petrol, G::Unknown}},
        {0x46, 0x08, 0x80, 0x01, 0, 50, {L::Unsupported, Fuel::None, G::Unknown}},
        {0x26, 0x00, 0x80, 0x01, 0, 50, {L::Connected, Fuel::Petrol, G::Unknown}},  // no rpm signal
        {0x26, 0x08, 0x00, 0x01, 0, 50, {L::Connected, Fuel::Gas, G::NotReported}},
        {0x26, 0x08, 0x00, 0x00, 0, 50, {L::Connected, Fuel::Petrol, G::NotReported}},
        {0x26, 0x08, 0x80, 0x02, 0, 50, {L::Connected, Fuel::Petrol, G::Running}},
        {0x26, 0x08, 0x80, 0x85, 0, 50, {L::Connected, Fuel::Gas, G::LpgOff}},
        {0x26, 0x08, 0x80, 0xC9, 0, 50, {L::Connected, Fuel::Gas, G::CutOff}},
        {0x26, 0x08, 0x80, 0xC1, 0, 50, {L::Connected, Fuel::Gas, G::Ready}},
        {0x26, 0x08, 0x80, 0x80, 0, 50, {L::Connected, Fuel::Petrol, G::WaitingRpm}},
        {0x26, 0x08, 0x80, 0x00, 0, 50, {L::Connected, Fuel::Petrol, G::WaitingTemperature}},
    };
    LinkState link;
    for (const auto& c : cases) {
        ControllerImage img;
        img.StatusFrame[2] = c.version;
        img.LiveFrame[live::LiveStateBits] = c.state_bits;
        img.SettingsBlock1[block1::EmulType] = c.emul_type;
        img.LiveFrame[live::LiveFuelBits] = c.fuel_bits;
        std::tie(link.NoConnection, link.PollPeriod) = std::tuple(c.no_connection, c.poll_period);
        const Readings r = decode_readings(img, link);
        EXPECT_EQ(std::tuple(r.link, r.fuel, r.learning), c.want) << &c - cases;
        EXPECT_EQ(std::pair(r.lpg_off, r.cut_off),
                  std::pair((c.fuel_bits & 0x04) != 0, (c.fuel_bits & 0x08) != 0));
    }

    // The TPS reading by TPS type (LambdaType's low nibble) and state bit 4.
    struct Tps {
        int type, raw, state;
        TpsShown shown;
        double volts;
    } tps[] = {{0, 100, 0, T::Volts, 1.96},   {1, 100, 0, T::InvertedVolts, 3.04},
               {2, 100, 0, T::None, 0},       {3, 7, 0, T::None, 0},
               {6, 0, 0, T::SwitchOn, 0},     {6, 0, 0x10, T::SwitchOff, 0},
               {7, 0, 0x18, T::SwitchOff, 0}, {8, 255, 0, T::Volts, 4.998},
               {9, 51, 0, T::Volts, 0.9996},  {15, 0, 0, T::Volts, 0}};
    for (const auto& t : tps) {
        const TpsReading r = tps_reading(static_cast<unsigned>(t.raw), 0x10 | t.type, t.state);
        EXPECT_EQ(std::pair(r.type, r.shown), std::pair(t.type, t.shown));
        EXPECT_DOUBLE_EQ(r.volts, t.volts) << t.type;
    }

    // Waiting for the switch-over speed (0 rpm here): release the throttle
    // above it, unless Options bit 4 asks for the speed to be raised anyway.
    ControllerImage img;
    for (auto [period_hi, options, hint] :
         {std::tuple{0x3A, 0x00, SpeedHint::Release}, std::tuple{0x00, 0x00, SpeedHint::Raise},
          std::tuple{0x3A, 0x10, SpeedHint::Raise}}) {
        img.LiveFrame[live::EnginePeriodHi] = static_cast<std::uint8_t>(period_hi);
        img.SettingsBlock1[block1::Options] = static_cast<std::uint8_t>(options);
        EXPECT_EQ(decode_readings(img, L::Connected).speed_hint, hint) << options;
    }

    // Speed 0 while the engine stands (period high byte 0xFF).
    EXPECT_EQ(decode_readings(img, L::Connected).engine_speed_rpm, 1000);  // 0x3A00
    img.LiveFrame[live::EnginePeriodHi] = 0xFF;
    EXPECT_EQ(live_engine_speed(img), 0);
}
