// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "sim/sim_options.h"

namespace tarvex::sim {

// Serves the controller on a pseudo-terminal until stop is requested.
// Returns the process exit code.
int run_pty_host(const SimOptions& options);

// Set from signal handlers.
void request_stop();
void request_toggle_silence();
void request_toggle_fuel();

}  // namespace tarvex::sim
