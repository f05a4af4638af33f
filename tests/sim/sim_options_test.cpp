// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "link/conversions.h"
#include "sim/sim_options.h"

using namespace tarvex;
using namespace tarvex::sim;

TEST(SimOptions, ParsesEveryOption) {
    SimOptions o;
    std::string err;
    ASSERT_TRUE(parse_sim_options({"--link",
                                   "/tmp/x",
                                   "--ports-file=P",
                                   "--com",
                                   "3",
                                   "--no-pacing",
                                   "--generation",
                                   "3",
                                   "--minor=9",
                                   "--silence",
                                   "10%",
                                   "--garbage",
                                   "0.5",
                                   "--bad-checksum",
                                   "1",
                                   "--short",
                                   "0",
                                   "--late",
                                   "25%",
                                   "--late-ms",
                                   "900",
                                   "--no-ack",
                                   "0.01",
                                   "--seed",
                                   "42",
                                   "--verbose",
                                   "--idle-on-gas",
                                   "--setting",
                                   "6=6",
                                   "--setting=33=200"},
                                  o, err))
        << err;
    EXPECT_EQ(o.link, "/tmp/x");
    EXPECT_EQ(o.ports_file, "P");
    EXPECT_EQ(o.com, 3);
    EXPECT_FALSE(o.pacing);
    EXPECT_EQ(o.generation, 3);
    EXPECT_EQ(o.minor, 9);
    EXPECT_DOUBLE_EQ(o.faults.silence, 0.1);
    EXPECT_DOUBLE_EQ(o.faults.garbage, 0.5);
    EXPECT_DOUBLE_EQ(o.faults.bad_checksum, 1.0);
    EXPECT_DOUBLE_EQ(o.faults.late, 0.25);
    EXPECT_EQ(o.late_ms, 900);
    EXPECT_DOUBLE_EQ(o.faults.no_ack, 0.01);
    EXPECT_EQ(o.seed, 42u);
    EXPECT_TRUE(o.verbose);
    EXPECT_TRUE(o.idle_on_gas);
    EXPECT_EQ(o.settings, (std::vector<std::pair<int, int>>{{6, 6}, {33, 200}}));
}

TEST(SimOptions, RecordsADriveOfAProfileWithAFault) {
    SimOptions o;
    std::string err;
    ASSERT_TRUE(parse_sim_options({"--record", "d.csv", "--seconds", "3600", "--profile", "town",
                                   "--fault=lean", "--pace", "scope", "--seed", "9"},
                                  o, err))
        << err;
    EXPECT_EQ(o.record, "d.csv");
    EXPECT_DOUBLE_EQ(o.seconds, 3600);
    EXPECT_EQ(o.pace, PollPace::Oscilloscope);
    // The drive and the sensors drawn from the seed, as the truth tells.
    const DriveTruth truth = make_sim_controller(o).engine().truth();
    EXPECT_EQ(
        truth.switch_hz_gas,
        EngineModel({DriveProfile::TownCold, SensorFault::LeanBias, 9}).truth().switch_hz_gas);
    EXPECT_LT(truth.rich_duty, 0.25);
}

TEST(SimOptions, RejectsBadInputWithAReason) {
    struct Case {
        std::vector<std::string> args;
        const char* says;
    } cases[] = {
        {{}, "--link PATH is required"},
        {{"--link"}, "needs a value"},
        {{"--link", "x", "--frobnicate"}, "unknown option"},
        {{"--link", "x", "--silence", "2"}, "bad rate"},
        {{"--link", "x", "--silence", "150%"}, "bad rate"},
        {{"--link", "x", "--garbage", "-0.1"}, "bad rate"},
        {{"--link", "x", "--garbage", "abc"}, "bad rate"},
        {{"--link", "x", "--com", "5"}, "bad value for --com"},
        {{"--link", "x", "--generation", "0"}, "bad value"},
        {{"--link", "x", "--no-pacing=1"}, "takes no value"},
        {{"--link", "x", "--idle-on-gas=1"}, "takes no value"},
        {{"--link", "x", "--setting"}, "needs a value"},
        {{"--link", "x", "--setting", "6"}, "bad setting"},
        {{"--link", "x", "--setting", "6="}, "bad setting"},
        {{"--link", "x", "--setting", "=6"}, "bad setting"},
        {{"--link", "x", "--setting", "4=1"}, "bad setting"},
        {{"--link", "x", "--setting", "34=1"}, "bad setting"},
        {{"--link", "x", "--setting", "30=50"}, "bad setting"},
        {{"--link", "x", "--setting", "6=256"}, "bad setting"},
        {{"--link", "x", "--setting", "6=-1"}, "bad setting"},
        {{"--link", "x", "--profile", "rally"}, "bad value for --profile"},
        {{"--link", "x", "--fault", "flat-tyre"}, "bad value for --fault"},
        {{"--record", "d.csv", "--seconds", "0.5"}, "1 to 172800"},
        {{"--record", "d.csv", "--pace", "fast"}, "readings or scope"},
        {{"--record", "d.csv", "--link", "x"}, "takes no --link"},
    };
    for (const auto& c : cases) {
        SimOptions o;
        std::string err;
        EXPECT_FALSE(parse_sim_options(c.args, o, err));
        EXPECT_NE(err.find(c.says), std::string::npos) << err;
    }
    SimOptions o;
    std::string err;
    EXPECT_TRUE(parse_sim_options({"--help"}, o, err));
    EXPECT_TRUE(o.help);
}

// The controller the simulator starts with: what --idle-on-gas, --setting and
// --late-ms set, and the fuel switch that SIGUSR2 toggles.
TEST(SimOptions, StartTheControllerTheyDescribe) {
    const auto live = [](SimController& c, double t) {
        const auto f = c.live_frame(t);
        struct {
            bool on_gas, warm;
            int rpm;
        } v{(f[8] & 0x01) != 0, (f[8] & 0x80) != 0, f[6] == 0xFF ? 0 : engine_speed(f[6], f[5])};
        return v;
    };
    SimOptions o;
    std::string err;
    ASSERT_TRUE(parse_sim_options({"--link", "x", "--idle-on-gas", "--setting", "6=6", "--setting",
                                   "33=200", "--late", "1", "--late-ms", "700"},
                                  o, err))
        << err;
    SimController c = make_sim_controller(o);
    for (double t : {0.0, 0.05, 3.0, 60.0}) {
        const auto v = live(c, t);
        EXPECT_TRUE(v.on_gas && v.warm) << "t " << t;
        EXPECT_GE(v.rpm, 800) << "t " << t;
        EXPECT_LE(v.rpm, 900) << "t " << t;
    }
    for (int code = 5; code <= 33; ++code) {
        if (code == 30)
            continue;
        const int want = code == 6 ? 6 : code == 33 ? 200 : SimController::factory_settings()[code];
        EXPECT_EQ(c.setting(code), want) << "code " << code;
    }
    const auto reply = c.handle({0x65, 1, 1, 0x67}, 1.0);
    ASSERT_TRUE(reply);
    EXPECT_EQ(reply->extra_delay_ms, 700);

    // The fuel switch holds the idling car on petrol and lets it go back.
    c.toggle_petrol_hold();
    EXPECT_FALSE(live(c, 61.0).on_gas);
    EXPECT_FALSE(live(c, 65.0).on_gas);
    c.toggle_petrol_hold();
    EXPECT_TRUE(live(c, 66.0).on_gas);

    // Without the options: the drive cycle from a cold start, factory settings.
    SimOptions plain;
    ASSERT_TRUE(parse_sim_options({"--link", "x"}, plain, err)) << err;
    SimController cold = make_sim_controller(plain);
    EXPECT_FALSE(live(cold, 0.05).on_gas);
    EXPECT_EQ(cold.setting(6), SimController::factory_settings()[6]);
}
