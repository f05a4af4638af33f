// SPDX-License-Identifier: MIT
#pragma once

#include <iosfwd>
#include <string>

#include "cli/cli_options.h"
#include "review/drive_samples.h"
#include "review/findings.h"

namespace tarvex::cli {

// A recording read for the report: what every output of the report is made from.
struct DriveReport {
    std::string file;  // as named on the command line
    DriveSamples samples;
    DriveFindings findings;
};

// Reads and analyses a recording; kExitFileRefused, said on err, when it
// cannot be read, is not a recording or is too large. A recording read only
// in part (cut off, damaged) is reported on, and err says where it stops.
int read_drive_report(const std::string& file, DriveReport& out, std::ostream& err);

// tarvex-cli report FILE.csv: the findings on out, as JSON with --json, else
// as lines of text. Each output the options ask for is written from the one
// DriveReport; an output to a file (a report in HTML or PDF) is one more.
int report_drive(const CliOptions& options, std::ostream& out, std::ostream& err);

// The text of the findings, one line each, in English.
std::string findings_text(const DriveReport& report);

}  // namespace tarvex::cli
