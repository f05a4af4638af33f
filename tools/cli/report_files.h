// SPDX-License-Identifier: MIT
#pragma once

#include <iosfwd>

#include "cli/cli_options.h"
#include "cli/cli_report.h"

namespace tarvex::cli {

// Writes the customer's report files that --html and --pdf name, in the
// language of --lang (its language file found as the program finds it, its
// added texts translated as the program translates them). Starts Qt's GUI
// layer on its offscreen platform when none runs, so no display is needed.
// kExitOutputFailed, said on err, when a file cannot be written.
int write_report_files(const CliOptions& options, const DriveReport& report, std::ostream& err);

}  // namespace tarvex::cli
