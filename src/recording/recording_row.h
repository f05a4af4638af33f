// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "link/controller_image.h"
#include "link/readings_decoder.h"
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

// The link as the "link" column writes it: "connected", "unsupported" (a
// controller of another generation), "no-connection" (no answer yet) or
// "lost" (three polls unanswered).
std::string_view link_word(LinkReading link);

// Appends one row, ending in CR LF. Nothing in a row needs quoting. Without
// a link to a generation-2 controller no readings were read: the row then
// has only the link's state, its reading cells empty. The learning column
// holds "unknown" (no link, another generation or no engine-speed signal),
// "not-reported", "running", "lpg-off", "cut-off", "ready", "waiting-rpm" or
// "waiting-temperature".
void append_recording_row(std::string& out, const TickFrames& tick, double seconds,
                          const Readings& readings);

// The local time of a wall-clock instant as ISO 8601 with milliseconds and
// the offset from UTC: "2024-05-01T14:03:22.123+02:00".
std::string iso_local_time(LinkClock::Wall::time_point t);

}  // namespace tarvex
