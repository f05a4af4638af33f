// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <string>

#include "sim/sim_controller.h"

namespace tarvex::sim {

// How the program polls while it records.
enum class PollPace {
    Readings,      // the Readings view: every 50 ms, both settings blocks every fourth tick
    Oscilloscope,  // the Oscilloscope view: back to back (20 ms asked, 24 ms on the wire), block 1 once
};

struct OfflineDrive {
    std::string path;      // the recording to write
    double seconds = 60;   // simulated time to record
    PollPace pace = PollPace::Readings;
    // The wall-clock time of the first row, for the "time" column.
    std::chrono::system_clock::time_point wall_start = std::chrono::system_clock::now();
};

// Records a drive of the simulated controller at simulated time: no
// pseudo-terminal and no waiting, the link's own polls at the pace of a view,
// each command and reply taking its 9600-baud wire time on a simulated clock,
// and every row written by the program's own Recorder. An hour of rows takes
// about a second. False, with error set, when the file cannot be written.
bool write_offline_recording(SimController& controller, const OfflineDrive& drive,
                             std::string& error);

}  // namespace tarvex::sim
