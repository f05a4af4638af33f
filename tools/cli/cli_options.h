// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

namespace tarvex::cli {

// Exit codes of tarvex-cli.
enum ExitCode : int {
    kExitOk = 0,               // done; for compare: file and controller agree
    kExitDiffers = 1,          // compare: some settings differ
    kExitUsage = 2,            // a bad option or command line
    kExitFileRefused = 3,      // the settings file or recording cannot be read or is not valid
    kExitNoAnswer = 4,         // the controller does not answer, or is of another generation
    kExitPortUnavailable = 5,  // the port cannot be opened (missing, no access, in use)
    kExitNotAcknowledged = 6,  // write: a setting was not acknowledged
    kExitOutputFailed = 7,     // the output file or stream cannot be written
    kExitHistory = 8,          // the settings history cannot be kept, or lacks what was asked
};

struct CliOptions {
    bool help = false;
    bool version = false;
    std::string port;                  // a device path or COM1..COM4
    std::string command;               // status, read, write, compare, log, find or report
    std::string file;                  // the .tvs file of read, write and compare; report's .csv
    std::vector<std::string> devices;  // find: the devices to try; empty: all present
    double seconds = 0;                // log: how long
    std::string csv;                   // log: the CSV file; standard output when empty
    std::string language = "ang";      // compare, report: the language of names and units
    int timeout_scale = 1;             // how many times the link's timeouts to wait
    bool force = false;                // write: send values that no list offers
    // The settings history: its file (empty: found as the program finds it),
    // the vehicle label, the snapshot to restore, the note of a snapshot.
    std::string history;
    std::string vehicle;        // also the report's vehicle field
    long long snapshot_id = 0;  // restore
    std::string note;           // snapshot
    bool json = false;          // history, report: JSON instead of text
    int limit = 0;              // history: the newest this many; 0 for all
    std::string html, pdf;      // report: the customer's report to write, if any
    // report: what the fitter types into the customer's report (and vehicle).
    std::string registration, customer, fitter;
};

// Reads the command line (without the program name). Options and the
// command may come in any order; "--name=value" and "--name value" both work.
bool parse_cli_options(const std::vector<std::string>& args, CliOptions& out, std::string& error);

const char* cli_usage();

}  // namespace tarvex::cli
