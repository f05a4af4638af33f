// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "review/drive_samples.h"
#include "review/review_thresholds.h"

namespace tarvex {

// A finding's verdict: ok, worth a look, failed, or not enough steady driving
// in the recording to say.
enum class Verdict { Ok, Check, Fail, Unknown };

// A switch-over to gas: when, and the reducer temperature and engine speed then.
struct SwitchOver {
    double t = 0;  // seconds from the recording's first row
    int reducer_c = 0;
    int rpm = 0;
};

// Something that lasts: a cut-off, a lost link. No duration when the
// recording ends first.
struct Episode {
    double t = 0;
    std::optional<double> duration_s;
};

// How a learning run ended, as the row after it shows.
enum class LearningEnd {
    Ended,           // the controller stopped it, still running on gas
    LeftGas,         // the fuel went to petrol
    CutOff,          // a fuel cut-off
    LpgOff,          // the switch-back speed was passed
    EngineStopped,   // no engine-speed signal, or the engine stood
    LinkLost,        // the controller stopped answering
    RecordingEnded,  // still running at the last row
};

struct LearningRun {
    double t = 0;
    double duration_s = 0;
    LearningEnd end = LearningEnd::Ended;
};

// Events and durations of a drive. Times count from the first row.
struct DriveEvents {
    double duration_s = 0;  // first row to last
    std::size_t rows = 0;
    // Time with readings on gas, and on petrol with the engine turning; a gap
    // between rows counts at most max_row_gap_seconds.
    double gas_s = 0, petrol_s = 0;
    // From the first row with the engine turning to the first switch-over.
    std::optional<double> warmup_s;
    std::vector<SwitchOver> switchovers;
    std::vector<double> switchbacks;  // gas to petrol
    std::vector<Episode> cutoffs;
    std::vector<Episode> link_losses;  // from a row with readings to one without
    std::vector<LearningRun> learning;
};

DriveEvents find_events(const DriveSamples& d, const ReviewThresholds& limits = kReviewThresholds);

// The narrowband lambda sensor over steady stretches at lambda_min_rpm or more.
struct LambdaFinding {
    // Crossings of the recorded switching point (LambdaPoint) per second,
    // halved: two per cycle. Counted between the first and the last crossing
    // of each stretch that crossed three times or more, which is exact for a
    // regular signal; from all the steady time when the sensor hardly
    // switched. None with less than min_steady_seconds of steady driving.
    std::optional<double> switch_hz_gas, switch_hz_petrol;
    std::optional<double> rich_share_gas;  // share of the steady time on gas above the point
    std::optional<double> min_v, max_v;    // lowest and highest voltage, steady on gas
    double steady_gas_s = 0, steady_petrol_s = 0;
    std::optional<double> switching_point_v;  // LambdaPoint of the settings in force
    int sensor_type = 0;                      // high nibble of LambdaType
    Verdict verdict = Verdict::Unknown;
};

LambdaFinding check_lambda(const DriveSamples& d,
                           const ReviewThresholds& limits = kReviewThresholds);

// The actuator over steady stretches on gas (any engine speed).
struct ActuatorFinding {
    // Median over windows of hunting_window_seconds of half the peak-to-peak
    // travel: the amplitude of its oscillation, in steps.
    std::optional<double> hunting_steps;
    // Share of the time on gas spent at or beyond a travel limit, AttInit less
    // AttMin or AttInit plus AttMax of the settings in force.
    std::optional<double> limit_share_gas;
    Verdict verdict = Verdict::Unknown;
};

ActuatorFinding check_actuator(const DriveSamples& d,
                               const ReviewThresholds& limits = kReviewThresholds);

// All the findings of a drive.
struct DriveFindings {
    DriveEvents events;
    LambdaFinding lambda;
    ActuatorFinding actuator;
};

DriveFindings analyse_drive(const DriveSamples& d,
                            const ReviewThresholds& limits = kReviewThresholds);

}  // namespace tarvex
