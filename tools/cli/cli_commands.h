// SPDX-License-Identifier: MIT
#pragma once

#include <csignal>
#include <iosfwd>

#include "cli/cli_options.h"

namespace tarvex::cli {

// Runs the command of the options; gives the exit code. Results go to out,
// messages to err; log writes its CSV to standard output itself unless it
// goes to a file.
int run_cli(const CliOptions& options, std::ostream& out, std::ostream& err);

// Set from a signal handler: log stops after the tick in progress and
// finishes its recording.
extern volatile std::sig_atomic_t g_stop_requested;

}  // namespace tarvex::cli
