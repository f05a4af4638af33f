// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "link/controller_image.h"
#include "link/link_state.h"
#include "recording/recording_port.h"

namespace tarvex {

// The columns of a recording, in order: the tick's start as local time and as
// seconds since the recording began, the replies received in hex, and the
// readings decoded as the dashboard presents them.
inline constexpr std::array<std::string_view, 17> kRecordingColumns = {
    "time",
    "seconds",
    "status_frame",
    "live_frame",
    "settings1_frame",
    "settings2_frame",
    "engine_speed_rpm",
    "lambda_voltage_v",
    "tps",
    "actuator_step",
    "start_position",
    "reducer_temperature_c",
    "fuel",
    "lpg_off",
    "cut_off",
    "learning",
    "link",
};

// The header row, ending in CR LF.
std::string recording_header();

// The readings of one row, from the image and the link as a tick left them.
// Without a link to a generation-2 controller no readings were read: the row
// then has only the link's state, its reading cells empty.
struct RecordedReadings {
    bool read = false;           // the readings below were read this tick
    int engine_speed_rpm = 0;    // 0 while the engine stands (period high byte 255)
    std::string lambda_voltage;  // "0.45": four characters of the volts
    std::string tps;             // by TPS type: volts, "5 - volts", "_.__", "ON" or "OFF"
    int actuator_step = 0;
    int start_position = 0;  // AttInit
    int reducer_temperature_c = 0;
    std::string_view fuel;  // "petrol" or "LPG"
    bool lpg_off = false;
    bool cut_off = false;
    std::string_view learning;  // one of the words of learning_state()
    std::string_view link;      // one of the words of link_state_word()
};
RecordedReadings decode_readings(const ControllerImage& image, const LinkState& link);

// The controller's learning state as the status panel tells it, as a word:
// "unknown" (no link, another generation or no engine-speed signal),
// "not-reported" (the controller does not report its learning states),
// "running", "lpg-off" (engine speed too high for gas), "cut-off", "ready",
// "waiting-rpm" (for the switch-over engine speed) or "waiting-temperature".
std::string_view learning_state(const ControllerImage& image, const LinkState& link);

// The link as a word: "connected", "unsupported" (a controller of another
// generation), "no-connection" (no answer yet) or "lost" (three polls unanswered).
std::string_view link_state_word(const ControllerImage& image, const LinkState& link);

// Appends one row, ending in CR LF. Nothing in a row needs quoting.
void append_recording_row(std::string& out, const TickFrames& tick, double seconds,
                          const RecordedReadings& readings);

// The local time of a wall-clock instant as ISO 8601 with milliseconds and
// the offset from UTC: "2024-05-01T14:03:22.123+02:00".
std::string iso_local_time(LinkClock::Wall::time_point t);

}  // namespace tarvex
