// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "sim/offline_drive.h"
#include "sim/sim_controller.h"

namespace tarvex::sim {

struct SimOptions {
    std::string link;        // symbolic link to the pseudo-terminal
    std::string ports_file;  // "Tarvex.ports" to write, or empty
    int com = 1;             // port the ports file points at the link
    bool pacing = true;      // 9600-baud wire timing
    int generation = 2;
    int minor = 6;
    FaultRates faults;
    int late_ms = 400;
    unsigned seed = 1;
    bool verbose = false;
    bool idle_on_gas = false;
    std::vector<std::pair<int, int>> settings;  // (write code, value) set at start
    // A drive profile or a sensor fault asked for: the engine model drives
    // `scenario` (its seed is `seed`) instead of the demonstration cycle.
    bool scenario_given = false;
    DriveScenario scenario;
    // Offline: write a recording to this file at simulated time, no link.
    std::string record;
    double seconds = 0;  // how long; 0: the profile's own length
    PollPace pace = PollPace::Readings;
    bool help = false;
};

// Parses the command line (without the program name). On failure returns false
// and says why in error.
bool parse_sim_options(const std::vector<std::string>& args, SimOptions& out, std::string& error);

const char* sim_usage();

// The controller the options describe, as it is before a host talks to it.
SimController make_sim_controller(const SimOptions& options);

}  // namespace tarvex::sim
