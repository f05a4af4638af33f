// SPDX-License-Identifier: MIT
#pragma once

#include <csignal>
#include <iosfwd>
#include <string>

#include "cli/cli_options.h"

namespace tarvex::cli {

// Runs the command of the options; gives the exit code. Results go to out,
// messages to err; log writes its CSV to standard output itself unless it
// goes to a file.
int run_cli(const CliOptions& options, std::ostream& out, std::ostream& err);

// Writes what a command printed (text) to standard output and gives the exit
// code: the command's own (rc), also when the reader went away (EPIPE: it
// took what it wanted), or kExitOutputFailed, said on err, when the text
// could not be written and the command had not failed already.
int write_output(const std::string& text, int rc, std::ostream& err);

// Set from a signal handler: log stops after the tick in progress and
// finishes its recording.
extern volatile std::sig_atomic_t g_stop_requested;

}  // namespace tarvex::cli
