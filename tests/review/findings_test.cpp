// SPDX-License-Identifier: MIT
// The lambda sensor's and the actuator's findings on decoded rows: what is
// measured over which stretches, and the verdict each limit gives.
#include <gtest/gtest.h>

#include <cmath>

#include "review/findings.h"
#include "review/steady_stretches.h"
#include "support/drive_builder.h"

using namespace tarvex;
using tarvex::testing::DriveBuilder;
using tarvex::testing::Phase;
using tarvex::testing::square_wave;

namespace {

constexpr std::uint8_t kPetrol = row_bit::Readings | row_bit::EngineSignal;
constexpr std::uint8_t kGas = kPetrol | row_bit::Gas;

}  // namespace

TEST(SteadyStretches, OnlySteadyDrivingOnOneFuelAfterSettling) {
    DriveBuilder b;
    b.add({.seconds = 10, .rpm = 2000, .bits = kPetrol})  // another fuel
        .add({.seconds = 10, .rpm = 2000})                // settles 2 s, then 8 s
        .add({.seconds = 10, .rpm = 2400})                // 400 rpm higher: a new stretch
        .add({.seconds = 2, .rpm = 1400})                 // below 1,500 rpm
        .add({.seconds = 2.5, .rpm = 2400})               // too short
        .add({.seconds = 1, .rpm = 2000, .bits = kGas | row_bit::CutOff})
        .add({.seconds = 6, .rpm = 2000});  // settles again: 4 s
    const auto stretches = steady_stretches(b.d, true, 1500);
    const std::pair<double, double> want[] = {{12, 19.95}, {20, 29.95}, {37.5, 41.45}};
    ASSERT_EQ(stretches.size(), std::size(want));
    for (std::size_t i = 0; i < stretches.size(); ++i) {
        // Within a row: the rows' times are sums of 0.05 s.
        EXPECT_NEAR(b.d.time(stretches[i].first), want[i].first, 0.06) << i;
        EXPECT_NEAR(b.d.time(stretches[i].last), want[i].second, 0.06) << i;
    }
}

TEST(LambdaFinding, SwitchingRateAndVerdicts) {
    struct Case {
        const char* what;
        std::function<double(double)> signal;
        double seconds;
        std::optional<double> hz;
        Verdict verdict;
    } cases[] = {
        {"healthy", square_wave(1.37), 60, 1.37, Verdict::Ok},
        {"slow", square_wave(0.55), 60, 0.55, Verdict::Check},
        {"slower than idle asks", square_wave(0.2), 60, 0.2, Verdict::Fail},
        {"stuck at the point, crossing it inside the band",
         [](double t) { return 0.46 + 0.03 * std::sin(2 * 3.14159 * 7.3 * t); }, 60, 0.0,
         Verdict::Fail},
        {"inactive between 0.35 and 0.70 V", square_wave(1.2, 0.5, 0.37, 0.68), 60, 1.2,
         Verdict::Fail},
        {"weak rich swing", square_wave(1.2, 0.5, 0.1, 0.54), 60, 1.2, Verdict::Check},
        {"mostly lean", square_wave(1.0, 0.15), 60, 1.0, Verdict::Check},
        {"mostly rich", square_wave(1.0, 0.85), 60, 1.0, Verdict::Check},
        {"too short to tell", square_wave(1.37), 9, std::nullopt, Verdict::Unknown},
    };
    for (const auto& c : cases) {
        DriveBuilder b;
        b.add({.seconds = 2 + c.seconds, .lambda_v = c.signal});
        const LambdaFinding f = check_lambda(b.d);
        EXPECT_EQ(f.verdict, c.verdict) << c.what;
        ASSERT_EQ(f.switch_hz_gas.has_value(), c.hz.has_value()) << c.what;
        if (c.hz) {
            EXPECT_NEAR(*f.switch_hz_gas, *c.hz, 0.01 + *c.hz * 0.01) << c.what;
        }
        EXPECT_FALSE(f.switch_hz_petrol) << c.what;
    }
    // On petrol too, judged on gas only; without settings no switching point.
    DriveBuilder b;
    b.add({.seconds = 30, .bits = kPetrol, .lambda_v = square_wave(2.1)});
    LambdaFinding f = check_lambda(b.d);
    ASSERT_TRUE(f.switch_hz_petrol);
    EXPECT_NEAR(*f.switch_hz_petrol, 2.1, 0.03);
    EXPECT_EQ(f.verdict, Verdict::Unknown);
    b.d.settings.clear();
    EXPECT_FALSE(check_lambda(b.d).switch_hz_petrol);
}

TEST(ActuatorFinding, HuntingAndTravelLimits) {
    auto oscillating = [](double steps, double hz) {
        return [=](double t) {
            return 120 + static_cast<int>(std::lround(steps * std::sin(2 * 3.14159265 * hz * t)));
        };
    };
    struct Case {
        const char* what;
        std::function<int(double)> actuator;
        double seconds;
        std::optional<double> hunting;
        Verdict verdict;
    } cases[] = {
        {"still", [](double) { return 123; }, 60, 0, Verdict::Ok},
        {"a small correction", oscillating(3, 1.3), 60, 3, Verdict::Ok},
        {"hunting", oscillating(10, 0.4), 60, 10, Verdict::Check},
        {"hunting far", oscillating(18, 0.4), 60, 18, Verdict::Fail},
        {"a fifth of the time at the upper limit", [](double t) { return t < 14 ? 140 : 125; }, 60,
         0, Verdict::Check},
        {"two fifths at the lower limit", [](double t) { return t < 26 ? 100 : 104; }, 60, 0,
         Verdict::Fail},
        {"too short to tell", oscillating(18, 0.4), 9, std::nullopt, Verdict::Unknown},
    };
    for (const auto& c : cases) {
        DriveBuilder b;
        b.add({.seconds = 2 + c.seconds, .actuator = c.actuator});
        const ActuatorFinding f = check_actuator(b.d);
        EXPECT_EQ(f.verdict, c.verdict) << c.what;
        ASSERT_EQ(f.hunting_steps.has_value(), c.hunting.has_value()) << c.what;
        if (c.hunting) {
            EXPECT_NEAR(*f.hunting_steps, *c.hunting, 0.6) << c.what;
        }
    }
}
