// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "link/controller_image.h"
#include "link/conversions.h"
#include "link/settings_table.h"
#include "sim/sim_controller.h"

using namespace tarvex;
using namespace tarvex::sim;
using Bytes = std::vector<std::uint8_t>;

namespace {

std::array<std::uint8_t, 4> cmd(int code, int value) {
    std::array<std::uint8_t, 4> f{0x65, static_cast<std::uint8_t>(code),
                                  static_cast<std::uint8_t>(value), 0};
    f[3] = checksum(f.data(), 3);
    return f;
}

bool good_envelope(const Bytes& b) {
    return !b.empty() && b[0] == 0x65 && checksum(b.data(), b.size() - 1) == b.back();
}

}  // namespace

TEST(SimController, AnswersTheFourReadsWithFramedReplies) {
    SimController c(2, 6);
    struct Case {
        int code;
        std::size_t len;
    } cases[] = {{1, 4}, {2, 11}, {3, 15}, {4, 16}};
    for (const auto& k : cases) {
        auto r = c.handle(cmd(k.code, k.code), 10.0);
        ASSERT_TRUE(r) << k.code;
        EXPECT_EQ(r->bytes.size(), k.len);
        EXPECT_TRUE(good_envelope(r->bytes)) << k.code;
        EXPECT_EQ(r->extra_delay_ms, 0);
    }
    EXPECT_EQ(c.status_frame()[2], 0x26);
    EXPECT_FALSE(c.handle(cmd(2, 3), 1.0));  // not a read
    auto bad = cmd(1, 1);
    bad[3] ^= 1;
    EXPECT_FALSE(c.handle(bad, 1.0));
}

TEST(SimController, SettingsFramesFollowTheSharedTable) {
    SimController c;
    // Give every setting a distinct value through the protocol, then read back.
    for (const auto& s : kSettings) {
        auto r = c.handle(cmd(s.code, s.code + 100), 1.0);
        ASSERT_TRUE(r);
        EXPECT_EQ(r->bytes, (Bytes{0x65, static_cast<std::uint8_t>(s.code + 100),
                                   static_cast<std::uint8_t>(0x65 + s.code + 100)}));
    }
    ControllerImage img;
    auto copy = [](const Bytes& b, auto& frame) { std::copy(b.begin(), b.end(), frame.begin()); };
    copy(c.settings1_frame(), img.SettingsBlock1);
    copy(c.settings2_frame(), img.SettingsBlock2);
    copy(c.live_frame(5.0), img.LiveFrame);
    for (const auto& s : kSettings)
        EXPECT_EQ(setting_value(img, s), s.code + 100) << s.key;
}

TEST(SimController, FactoryResetAndLearning) {
    SimController c;
    c.handle(cmd(7, 99), 1.0);
    EXPECT_EQ(c.setting(7), 99);
    auto ack = c.handle(cmd(30, 51), 1.0);
    ASSERT_TRUE(ack);
    EXPECT_EQ(ack->bytes[1], 0x33);
    EXPECT_EQ(c.setting(7), SimController::factory_settings()[7]);

    // Learning starts only while idling on gas; find such a moment.
    double t = 2.0;
    bool on_gas_idle = false;
    for (; t < 200 && !on_gas_idle; t += 0.05) {
        auto live = c.live_frame(t);
        on_gas_idle = (live[8] & 0x01) && engine_speed(live[6], live[5]) < 1100;
    }
    ASSERT_TRUE(on_gas_idle);
    c.handle(cmd(30, 50), t);
    auto live = c.live_frame(t + 0.05);
    EXPECT_TRUE(live[8] & 0x02);
    EXPECT_TRUE(c.engine().learning(t + 1));
}

TEST(SimController, EngineModelRunsARecognisableDrive) {
    SimController c;
    bool seen_stopped = false, seen_gas = false, seen_cut_off = false, seen_lpg_off = false;
    int max_rpm = 0;
    for (double t = 0; t < 120; t += 0.05) {
        auto f = c.live_frame(t);
        ASSERT_TRUE(good_envelope(f));
        if (f[6] == 0xFF)
            seen_stopped = true;
        else
            max_rpm = std::max(max_rpm, engine_speed(f[6], f[5]));
        seen_gas |= (f[8] & 0x01) != 0;
        seen_cut_off |= (f[8] & 0x08) != 0;
        seen_lpg_off |= (f[8] & 0x04) != 0;
        EXPECT_TRUE(f[7] & 0x08);
    }
    EXPECT_TRUE(seen_stopped);
    EXPECT_TRUE(seen_gas);
    EXPECT_TRUE(seen_cut_off);
    EXPECT_TRUE(seen_lpg_off);
    EXPECT_GE(max_rpm, 6000);
    EXPECT_GT(temperature_from_raw(c.live_frame(120)[9]), 50);
}

// Fuel bit 7 says the reducer is warm: once it is, it stays set through every
// phase of the drive, the over-rev with its switch back to petrol included.
TEST(SimController, ReducerWarmBitStaysSetOnceWarm) {
    SimController c;
    const int lpg_on_temp = ModelSettings{}.lpg_on_temp_c;
    bool warm_seen = false, over_rev_while_warm = false;
    for (double t = 0; t < 160; t += 0.05) {
        const auto f = c.live_frame(t);
        const bool warm = EngineModel::reducer_temp_at(t) >= lpg_on_temp;
        if (!warm)
            continue;
        warm_seen = true;
        over_rev_while_warm |= (f[8] & 0x04) != 0;
        ASSERT_TRUE(f[8] & 0x80) << "t " << t << " fuel bits " << int(f[8]);
    }
    EXPECT_TRUE(warm_seen);
    EXPECT_TRUE(over_rev_while_warm);
}

TEST(SimController, FaultsAtFullRate) {
    struct Case {
        const char* name;
        FaultRates f;
    } cases[] = {{"silence", {1, 0, 0, 0, 0, 0}},  {"garbage", {0, 1, 0, 0, 0, 0}},
                 {"checksum", {0, 0, 1, 0, 0, 0}}, {"short", {0, 0, 0, 1, 0, 0}},
                 {"late", {0, 0, 0, 0, 1, 0}},     {"no-ack", {0, 0, 0, 0, 0, 1}}};
    for (const auto& k : cases) {
        SimController c(2, 6, k.f, 7);
        for (int i = 0; i < 50; ++i) {
            auto r = c.handle(cmd(2, 2), 1.0 + i);
            auto w = c.handle(cmd(8, 9), 1.0 + i);
            const std::string n = k.name;
            if (n == "silence") {
                EXPECT_FALSE(r);
                EXPECT_FALSE(w);
                continue;
            }
            ASSERT_TRUE(r) << n;
            if (n == "garbage") {
                EXPECT_NE(r->bytes[0], 0x65);
            }
            if (n == "checksum") {
                EXPECT_EQ(r->bytes.size(), 11u);
                EXPECT_FALSE(good_envelope(r->bytes));
            }
            if (n == "short") {
                EXPECT_LT(r->bytes.size(), 11u);
            }
            if (n == "late") {
                EXPECT_GT(r->extra_delay_ms, 210);
            }
            if (n == "no-ack") {
                EXPECT_TRUE(good_envelope(r->bytes));
                EXPECT_FALSE(w);
                EXPECT_EQ(c.setting(8), 9);  // applied all the same
            } else {
                ASSERT_TRUE(w) << n;
            }
        }
    }
}

TEST(SimController, OtherGenerationsAnswerOnlyTheStatus) {
    SimController c(3, 1);
    auto s = c.handle(cmd(1, 1), 1.0);
    ASSERT_TRUE(s);
    EXPECT_EQ(s->bytes, (Bytes{0x65, 0x01, 0x41, 0xA7}));
    EXPECT_FALSE(c.handle(cmd(2, 2), 1.0));
    EXPECT_FALSE(c.handle(cmd(7, 30), 1.0));
    EXPECT_NE(c.setting(7), 30);
}

TEST(SimController, SilenceCanBeToggled) {
    SimController c;
    c.set_silent(true);
    EXPECT_FALSE(c.handle(cmd(1, 1), 1.0));
    c.set_silent(false);
    EXPECT_TRUE(c.handle(cmd(1, 1), 1.0));
}
