// SPDX-License-Identifier: MIT
// The review against the simulator's truth: a hundred drives of both
// profiles with every fault, recorded at simulated time at both paces, read
// back by the loader and judged.
#include <gtest/gtest.h>

#include "recording/recording_reader.h"
#include "review/findings.h"
#include "sim/offline_drive.h"
#include "support/start_folder.h"

using namespace tarvex;
using SimulatedDrives = tarvex::testing::StartFolderTest;

TEST_F(SimulatedDrives, VerdictsAndSwitchingRatesMatchWhatTheSimulatorDrove) {
    // The verdicts each fault calls for: lambda, actuator.
    const struct {
        sim::SensorFault fault;
        Verdict lambda, actuator;
    } expected[] = {
        {sim::SensorFault::None, Verdict::Ok, Verdict::Ok},
        {sim::SensorFault::SlowLambda, Verdict::Fail, Verdict::Ok},
        {sim::SensorFault::LeanBias, Verdict::Check, Verdict::Ok},
        {sim::SensorFault::StuckLambda, Verdict::Fail, Verdict::Ok},
        {sim::SensorFault::HuntingActuator, Verdict::Ok, Verdict::Fail},
        {sim::SensorFault::ColdReducer, Verdict::Unknown, Verdict::Unknown},
    };
    int verdicts = 0, right = 0, rates = 0;
    double worst = 0;  // the largest error of a measured switching rate, relative
    for (int k = 0; k < 100; ++k) {
        const auto& want = expected[k / 2 % std::size(expected)];
        const sim::DriveScenario scenario{
            k % 2 ? sim::DriveProfile::TownCold : sim::DriveProfile::MotorwayWarm, want.fault,
            static_cast<unsigned>(100 + k)};
        sim::SimController controller;
        controller.set_scenario(scenario);
        sim::OfflineDrive drive;
        drive.path = (dir / "drive.csv").string();
        drive.seconds = k % 2 ? 420 : 300;
        drive.pace = k % 3 ? sim::PollPace::Readings : sim::PollPace::Oscilloscope;
        std::string error;
        ASSERT_TRUE(sim::write_offline_recording(controller, drive, error)) << error;
        Recording recording;
        ASSERT_TRUE(load_recording(drive.path, recording, error)) << error;
        ASSERT_TRUE(recording.problem.empty()) << recording.problem;
        const DriveFindings f = analyse_drive(decode_drive(recording));
        const std::string what = "drive " + std::to_string(k);
        if (want.fault == sim::SensorFault::None) {
            EXPECT_EQ(f.lambda.verdict, Verdict::Ok) << what << ": a false alarm";
            EXPECT_EQ(f.actuator.verdict, Verdict::Ok) << what << ": a false alarm";
        }
        right += (f.lambda.verdict == want.lambda) + (f.actuator.verdict == want.actuator);
        verdicts += 2;
        const sim::DriveTruth truth = controller.engine().truth();
        for (const auto& [measured, real] :
             {std::pair{f.lambda.switch_hz_gas, truth.switch_hz_gas},
              std::pair{f.lambda.switch_hz_petrol, truth.switch_hz_petrol}}) {
            if (!measured)
                continue;
            ++rates;
            EXPECT_NEAR(*measured, real, real * 0.05 + 1e-9) << what;
            if (real > 0)
                worst = std::max(worst, std::abs(*measured - real) / real);
        }
    }
    RecordProperty("verdicts_right", right);
    RecordProperty("verdicts", verdicts);
    RecordProperty("rates", rates);
    RecordProperty("worst_rate_error_per_mille", static_cast<int>(worst * 1000));
    EXPECT_GE(right, verdicts * 95 / 100) << right << " of " << verdicts << " verdicts right";
    EXPECT_GE(rates, 100) << "too few rates measured to compare";
}
