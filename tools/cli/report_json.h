// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

#include "cli/cli_report.h"

namespace tarvex::cli {

// The report as one JSON object, ending in a line end. Seconds are numbers
// counted from the recording's first row; null stands where the drive does
// not tell (no switch-over, too little steady driving, a link never back).
// Keys: file, started, ended, problem, controller {generation, minor},
// duration_s, rows, gas_s, petrol_s, warmup_s, switchovers [{t, reducer_c,
// rpm}], switchbacks [{t}], cutoffs [{t, duration_s}], link_losses [{t,
// duration_s}], learning [{t, outcome, duration_s}], lambda {switch_hz_gas,
// switch_hz_petrol, rich_share_gas, min_v, max_v, verdict, steady_gas_s,
// steady_petrol_s, switching_point_v, sensor_type}, actuator {hunting_steps,
// limit_share_gas, verdict}. Verdicts are "ok", "check", "fail" or
// "unknown"; learning outcomes "ended", "left-gas", "cut-off", "lpg-off",
// "engine-stopped", "link-lost" or "recording-ended".
std::string findings_json(const DriveReport& report);

// A JSON string of s, quotes included; control characters as \u escapes.
std::string json_string(std::string_view s);

// The words of the JSON for a verdict and a learning outcome.
const char* verdict_word(Verdict v);
const char* learning_end_word(LearningEnd e);

}  // namespace tarvex::cli
