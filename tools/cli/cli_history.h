// SPDX-License-Identifier: MIT
#pragma once

#include <iosfwd>
#include <memory>
#include <string>

#include "cli/cli_options.h"
#include "cli/cli_session.h"
#include "history/program_history.h"

namespace tarvex::cli {

// The settings history's file: --history, else where the program keeps it
// (the folder TARVEX_HISTORY_DIR names, else the current folder).
std::string cli_history_path(const CliOptions& options);

// For write: the history that keeps the writes about to be sent, attached to
// the session's link once the controller's settings were read (so that each
// write knows the value it replaces, and a snapshot precedes the file). None
// when it cannot be kept: said on s.err, and the write goes on without it.
std::unique_ptr<history::ProgramHistory> journal_writes(Session& s, const CliOptions& options);

// Says on err when the history failed on the way: what follows is not kept.
void say_if_lost(history::ProgramHistory& kept, std::ostream& err);

// history, snapshot, restore ID and undo.
int run_history_command(Session& s, const CliOptions& options, std::ostream& out);

}  // namespace tarvex::cli
