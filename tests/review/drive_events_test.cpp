// SPDX-License-Identifier: MIT
// The events and durations of a drive, from decoded rows.
#include <gtest/gtest.h>

#include "review/findings.h"
#include "support/drive_builder.h"

using namespace tarvex;
using tarvex::testing::DriveBuilder;
using tarvex::testing::Phase;

namespace {

constexpr std::uint8_t kPetrol = row_bit::Readings | row_bit::EngineSignal;
constexpr std::uint8_t kGas = kPetrol | row_bit::Gas;

}  // namespace

TEST(DriveEvents, ADriveFromColdStartToItsEnd) {
    DriveBuilder b;
    b.add({.seconds = 5, .link = LinkReading::NoConnection})
        .add({.seconds = 10, .rpm = 850, .bits = kPetrol, .reducer_c = 20})
        .add({.seconds = 5, .rpm = 2000, .bits = kPetrol, .reducer_c = 28})
        .add({.seconds = 10, .rpm = 2100, .bits = kGas, .reducer_c = 31})
        .add({.seconds = 2, .rpm = 1900, .bits = kGas | row_bit::CutOff})
        .add({.seconds = 5, .rpm = 900, .bits = kGas | row_bit::Learning})
        .add({.seconds = 3, .rpm = 900, .bits = kPetrol})
        .add({.seconds = 2, .link = LinkReading::Lost})
        .add({.seconds = 5, .rpm = 2000, .bits = kGas, .reducer_c = 40});
    const DriveEvents e = find_events(b.d);
    EXPECT_EQ(e.rows, 940u);
    EXPECT_NEAR(e.duration_s, 46.95, 1e-6);
    EXPECT_NEAR(e.gas_s, 22, 0.06);
    EXPECT_NEAR(e.petrol_s, 18, 0.06);
    ASSERT_TRUE(e.warmup_s);
    EXPECT_NEAR(*e.warmup_s, 15, 1e-6);  // engine turning at 5 s, on gas at 20 s
    ASSERT_EQ(e.switchovers.size(), 2u);
    EXPECT_NEAR(e.switchovers[0].t, 20, 1e-6);
    EXPECT_EQ(e.switchovers[0].reducer_c, 31);
    EXPECT_EQ(e.switchovers[0].rpm, 2100);
    EXPECT_NEAR(e.switchovers[1].t, 42, 1e-6);  // on petrol before the link was lost
    ASSERT_EQ(e.switchbacks.size(), 1u);
    EXPECT_NEAR(e.switchbacks[0], 37, 1e-6);
    ASSERT_EQ(e.cutoffs.size(), 1u);
    EXPECT_NEAR(e.cutoffs[0].t, 30, 1e-6);
    EXPECT_NEAR(*e.cutoffs[0].duration_s, 2, 1e-6);
    ASSERT_EQ(e.link_losses.size(), 1u);  // not the wait for the first answer
    EXPECT_NEAR(e.link_losses[0].t, 40, 1e-6);
    EXPECT_NEAR(*e.link_losses[0].duration_s, 2, 1e-6);
    ASSERT_EQ(e.learning.size(), 1u);
    EXPECT_NEAR(e.learning[0].t, 32, 1e-6);
    EXPECT_NEAR(e.learning[0].duration_s, 5, 1e-6);
    EXPECT_EQ(e.learning[0].end, LearningEnd::LeftGas);
}

TEST(DriveEvents, HowALearningRunEnded) {
    struct Case {
        Phase after;
        LearningEnd end;
    } cases[] = {
        {{.rpm = 900, .bits = kGas}, LearningEnd::Ended},
        {{.rpm = 900, .bits = kPetrol}, LearningEnd::LeftGas},
        {{.rpm = 1900, .bits = kGas | row_bit::CutOff}, LearningEnd::CutOff},
        {{.rpm = 6500, .bits = kPetrol | row_bit::LpgOff}, LearningEnd::LpgOff},
        {{.rpm = 0, .bits = row_bit::Readings}, LearningEnd::EngineStopped},
        {{.link = LinkReading::Lost}, LearningEnd::LinkLost},
    };
    for (const auto& c : cases) {
        DriveBuilder b;
        b.add({.seconds = 3, .rpm = 900, .bits = kGas | row_bit::Learning}).add(c.after);
        const DriveEvents e = find_events(b.d);
        ASSERT_EQ(e.learning.size(), 1u);
        EXPECT_EQ(e.learning[0].end, c.end) << static_cast<int>(c.end);
    }
    DriveBuilder b;
    b.add({.seconds = 3, .rpm = 900, .bits = kGas | row_bit::Learning});
    const DriveEvents e = find_events(b.d);
    ASSERT_EQ(e.learning.size(), 1u);
    EXPECT_EQ(e.learning[0].end, LearningEnd::RecordingEnded);
    EXPECT_FALSE(e.warmup_s) << "never switched over";
}
