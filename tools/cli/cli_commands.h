// SPDX-License-Identifier: MIT
#pragma once

#include <csignal>
#include <iosfwd>
#include <string>

#include "cli/cli_options.h"
#include "cli/cli_session.h"
#include "config/settings_send.h"

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

// Opens the port and waits for a generation-2 controller; with `settings`,
// also reads what it holds. The first failure's exit code, or kExitOk.
int reach_controller(Session& s, const CliOptions& o, bool settings);

// "LambdaPoint= 27": a setting (index in file order) and a value.
std::string key_value(std::size_t setting, std::uint8_t value);

// Says on s.err what of the writes was not confirmed (values: the value sent
// for each setting, in file order); kExitOk when all were, else
// kExitNotAcknowledged.
using SettingValues = std::array<std::uint8_t, kSettings.size()>;
int report_send(Session& s, const SendOutcome& out, const SettingValues& values);

// Set from a signal handler: log stops after the tick in progress and
// finishes its recording.
extern volatile std::sig_atomic_t g_stop_requested;

}  // namespace tarvex::cli
