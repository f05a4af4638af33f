// SPDX-License-Identifier: MIT
#include "cli/cli_options.h"

#include <charconv>
#include <cmath>

namespace tarvex::cli {

const char* cli_usage() {
    return R"(Usage: tarvex-cli --port PORT COMMAND [ARGUMENTS]
       tarvex-cli report FILE.csv [--json] [--html FILE] [--pdf FILE] [--lang CODE]
                  [--vehicle T] [--registration T] [--customer T] [--fitter T]
       tarvex-cli history [--json]

Talks to a Tarvex LPG controller over its serial lead, as the Tarvex program
does, for scripts and for machines without a desktop.

PORT is a serial device (/dev/ttyUSB0) or COM1 to COM4, which stand for the
devices the Tarvex.ports file in the current folder names, else /dev/ttyS0 to
/dev/ttyS3. A port that another program holds is refused.

Commands:
  status             show the controller's generation, version and the link state
  read FILE.tvs      save the controller's settings to FILE.tvs, as File > Save As does
  write FILE.tvs     send the settings of FILE.tvs to the controller, as File > Open
                     does; stops at the first setting not acknowledged, then reads
                     the settings back and checks that the controller holds them
  compare FILE.tvs   list the settings of FILE.tvs beside the controller's, a line
                     per control of the views, the differing ones marked with "*"
                     (tab-separated columns)
  log --seconds N    record the readings for N seconds, polling as the Readings
                     view does, as CSV on standard output or into --csv FILE
  find [DEVICE...]   send one status command to each serial device present (or
                     to those named) that no other program holds, and print the
                     first on which the controller answers; with --port COMn,
                     also make COM n stand for it in Tarvex.ports
  history            list the settings history, newest first: snapshots and every
                     write sent (tab-separated columns, or JSON with --json);
                     needs no port
  snapshot           keep the controller's settings in the history now
                     (--note TEXT says why)
  restore ID         send the settings of snapshot ID back to the controller, as
                     write sends a file, after a snapshot of what it holds now
  undo               put back what the last change not yet undone replaced, if
                     the controller still shows what that change sent

The settings history is the file Tarvex.history in the folder that the
TARVEX_HISTORY_DIR variable names, else in the current folder (as Tarvex keeps
it beside Tarvex.ini); write, restore and undo keep every write in it.
  report FILE.csv    read a recording (File > Record readings..., log) and tell
                     what the drive shows: its length, time on gas and on
                     petrol, warm-up, switch-overs, switch-backs, cut-offs, lost
                     links, learning runs, and verdicts on the lambda sensor and
                     the actuator (ok, check, fail or unknown); needs no port;
                     with --html or --pdf also writes the customer's report:
                     the drive, the fields below, the findings with their
                     verdicts, charts and the settings in force, in the
                     language of --lang (at most two A4 pages for half an hour)

Options:
  --port PORT        the serial port (required for every command but find)
  --seconds N        log: how long to record, in seconds (at least 0.05)
  --csv FILE         log: write the recording to FILE instead of standard output
  --lang CODE        compare, report: names, units and decimals in this language
                     (pol, ang, rus, lit, ita; default ang), from the Tarvex
                     language files
  --force            write: send a file holding values that no list offers; undo:
                     send even when the controller no longer shows what the change
                     sent
  --json             history: as a JSON array; report: print one JSON object
                     (seconds as numbers, null where the drive does not tell)
                     instead of text
  --html FILE        report: write the customer's report as one HTML file
  --pdf FILE         report: write the customer's report as a PDF
  --registration T, --customer T, --fitter T
                     report: the fields of the customer's report (left blank
                     to write on when not given)
  --history FILE     the settings history to use instead
  --vehicle LABEL    report: the vehicle field of the customer's report;
                     history: only this vehicle's visits; snapshot, write,
                     restore, undo: the label of the visit (registration, VIN or
                     customer) kept with what they keep; undo: only its changes
  --note TEXT        snapshot: why it was taken
  --limit N          history: only the newest N entries
  --timeout-scale N  wait N times as long for each reply as the program does
                     (1 to 50, default 1), for a slow adapter or a busy machine
  --help             show this text
  --version          show the program's version

Exit codes:
  0  done; for compare, the file and the controller hold the same settings
  1  compare: some settings differ; undo: the controller no longer shows what
     the change sent, and nothing was sent (--force sends it all the same)
  2  bad option or command line
  3  the settings file cannot be read or is not a valid Tarvex settings file;
     write: it holds values that no list offers (and --force was not given);
     report: the file cannot be read, is not a recording or is too large
  4  the controller does not answer, or is not of generation 2 (needed to read
     or write settings); log: it never answered during the recording; find:
     it answered on no device
  5  the port cannot be opened: no such device, no permission, or in use by
     another program
  6  write: the controller did not acknowledge a setting (the ones before it
     were sent and stay in the controller), does not hold a setting sent, or
     its settings could not be read back
  7  the output (the .tvs file of read, the recording of log, Tarvex.ports of
     find, report's HTML or PDF, what status, compare and report print) cannot
     be written; a reader that
     stops reading early (tarvex-cli log | head) is no failure: the command
     ends quietly
  8  the settings history cannot be opened or written (history, snapshot,
     restore, undo; write goes on without it and says so), holds no snapshot
     ID, or cannot tell what the last change replaced
)";
}

namespace {

// At least one poll period, so that a log polls at least once.
bool parse_seconds(const std::string& s, double& out) {
    const auto r = std::from_chars(s.data(), s.data() + s.size(), out);
    return r.ec == std::errc() && r.ptr == s.data() + s.size() && std::isfinite(out) &&
           out >= 0.05 && out <= 1e7;
}

bool known_language(const std::string& code) {
    for (const char* known : {"pol", "ang", "rus", "lit", "ita"})
        if (code == known)
            return true;
    return false;
}

}  // namespace

bool parse_cli_options(const std::vector<std::string>& args, CliOptions& out, std::string& error) {
    std::vector<std::string> positional;
    bool seconds_given = false, csv_given = false, lang_given = false, force_given = false,
         json_given = false, report_given = false, limit_given = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i];
        std::string value;
        bool inline_value = false;
        if (name.rfind("--", 0) == 0) {
            if (const auto eq = name.find('='); eq != std::string::npos) {
                value = name.substr(eq + 1);
                name = name.substr(0, eq);
                inline_value = true;
            }
        } else if (name.empty() || name[0] != '-' || name == "-") {
            positional.push_back(name);
            continue;
        }
        auto flag = [&](bool& target) {
            if (inline_value) {
                error = "option " + name + " takes no value";
                return false;
            }
            target = true;
            return true;
        };
        auto need = [&]() {
            if (!inline_value) {
                if (i + 1 >= args.size()) {
                    error = "option " + name + " needs a value";
                    return false;
                }
                value = args[++i];
            }
            if (value.empty()) {
                error = "option " + name + " needs a value";
                return false;
            }
            return true;
        };
        if (name == "--help" || name == "-h") {
            if (!flag(out.help))
                return false;
        } else if (name == "--version") {
            if (!flag(out.version))
                return false;
        } else if (name == "--force") {
            if (!flag(out.force))
                return false;
            force_given = true;
        } else if (name == "--json") {
            if (!flag(out.json))
                return false;
            json_given = true;
        } else if (name == "--port") {
            if (!need())
                return false;
            out.port = value;
        } else if (name == "--seconds") {
            if (!need())
                return false;
            if (!parse_seconds(value, out.seconds)) {
                error = "bad value for --seconds: '" + value + "' (0.05 to 10000000 seconds)";
                return false;
            }
            seconds_given = true;
        } else if (name == "--csv") {
            if (!need())
                return false;
            out.csv = value;
            csv_given = true;
        } else if (name == "--html" || name == "--pdf" || name == "--registration" ||
                   name == "--customer" || name == "--fitter") {
            if (!need())
                return false;
            std::string& target = name == "--html"           ? out.html
                                  : name == "--pdf"          ? out.pdf
                                  : name == "--registration" ? out.registration
                                  : name == "--customer"     ? out.customer
                                                             : out.fitter;
            target = value;
            report_given = true;
        } else if (name == "--timeout-scale") {
            if (!need())
                return false;
            int n = 0;
            const auto r = std::from_chars(value.data(), value.data() + value.size(), n);
            if (r.ec != std::errc() || r.ptr != value.data() + value.size() || n < 1 || n > 50) {
                error = "bad value for --timeout-scale: '" + value + "' (1 to 50)";
                return false;
            }
            out.timeout_scale = n;
        } else if (name == "--history" || name == "--vehicle" || name == "--note") {
            if (!need())
                return false;
            std::string& target = name == "--history"   ? out.history
                                  : name == "--vehicle" ? out.vehicle
                                                        : out.note;
            target = value;
        } else if (name == "--limit") {
            if (!need())
                return false;
            const auto r = std::from_chars(value.data(), value.data() + value.size(), out.limit);
            if (r.ec != std::errc() || r.ptr != value.data() + value.size() || out.limit < 1) {
                error = "bad value for --limit: '" + value + "' (1 or more)";
                return false;
            }
            limit_given = true;
        } else if (name == "--lang") {
            if (!need())
                return false;
            if (!known_language(value)) {
                error = "bad value for --lang: '" + value + "' (pol, ang, rus, lit or ita)";
                return false;
            }
            out.language = value;
            lang_given = true;
        } else {
            error = "unknown option " + name;
            return false;
        }
    }
    if (out.help || out.version)
        return true;
    if (positional.empty()) {
        error = "no command given";
        return false;
    }
    out.command = positional[0];
    const bool report = out.command == "report";
    const bool takes_file =
        out.command == "read" || out.command == "write" || out.command == "compare" || report;
    const bool find = out.command == "find";
    const bool restore = out.command == "restore";
    const bool history = out.command == "history";
    const bool keeps = out.command == "snapshot" || restore || out.command == "undo";
    if (out.command != "status" && out.command != "log" && !takes_file && !find && !history &&
        !keeps) {
        error = "unknown command " + out.command;
        return false;
    }
    const std::size_t wanted = takes_file || restore ? 2 : 1;
    if (!find && positional.size() != wanted) {
        error = takes_file ? out.command + " needs one file name"
                : restore  ? "restore needs one snapshot number"
                           : out.command + " takes no file";
        return false;
    }
    if (takes_file)
        out.file = positional[1];
    if (restore) {
        const std::string& id = positional[1];
        const auto r = std::from_chars(id.data(), id.data() + id.size(), out.snapshot_id);
        if (r.ec != std::errc() || r.ptr != id.data() + id.size() || out.snapshot_id < 1) {
            error = "bad snapshot number '" + id + "' (tarvex-cli history lists them)";
            return false;
        }
    }
    if (find)
        out.devices.assign(positional.begin() + 1, positional.end());
    const bool uses_history = history || keeps || out.command == "write";
    if (!uses_history && !out.history.empty()) {
        error = "--history belongs to history, snapshot, restore, undo and write only";
        return false;
    }
    if (!uses_history && !report && !out.vehicle.empty()) {
        error = "--vehicle belongs to history, snapshot, restore, undo, write and report only";
        return false;
    }
    if (!history && limit_given) {
        error = "--limit belongs to history only";
        return false;
    }
    if (out.command != "snapshot" && !out.note.empty()) {
        error = "--note belongs to snapshot only";
        return false;
    }
    if (out.port.empty() && !find && !history && !report) {
        error = "no port given (--port DEVICE or COM1 to COM4)";
        return false;
    }
    if (report && !out.port.empty()) {
        error = "report reads a file and takes no --port";
        return false;
    }
    if (!report && !history && json_given) {
        error = "--json belongs to report and history only";
        return false;
    }
    if (!report && report_given) {
        error = "--html, --pdf and the report's fields belong to report only";
        return false;
    }
    if (out.command == "log" && !seconds_given) {
        error = "log needs --seconds N";
        return false;
    }
    if (out.command != "log" && (seconds_given || csv_given)) {
        error = std::string(seconds_given ? "--seconds" : "--csv") + " belongs to log only";
        return false;
    }
    if (out.command != "write" && out.command != "undo" && force_given) {
        error = "--force belongs to write and undo only";
        return false;
    }
    if (out.command != "compare" && !report && lang_given) {
        error = "--lang belongs to compare and report only";
        return false;
    }
    return true;
}

}  // namespace tarvex::cli
