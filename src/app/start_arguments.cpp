// SPDX-License-Identifier: MIT
#include "app/start_arguments.h"

#include <strings.h>

#include <cstring>

namespace tarvex {

namespace {

bool ends_with(const char* arg, const char* suffix) {
    const std::size_t n = std::strlen(arg);
    return n > 4 && ::strcasecmp(arg + n - 4, suffix) == 0;
}

}  // namespace

StartArguments parse_start_arguments(int argc, char** argv) {
    StartArguments a;
    a.qt_argv.push_back(argc > 0 ? argv[0] : nullptr);
    bool files_only = false;
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (!files_only && std::strcmp(arg, "--") == 0) {
            files_only = true;
        } else if (!files_only &&
                   (std::strcmp(arg, "--help") == 0 || std::strcmp(arg, "-h") == 0)) {
            a.help = true;
        } else if (!files_only && std::strcmp(arg, "--version") == 0) {
            a.version = true;
        } else if (ends_with(arg, ".csv")) {
            if (!a.recording.empty())
                a.error = "one recording at most";
            a.recording = arg;
        } else if (files_only || ends_with(arg, ".tvs")) {
            if (!a.file.empty() || !*arg)
                a.error = *arg ? "one settings file at most" : "an empty file name";
            a.file = arg;
        } else {
            a.qt_argv.push_back(argv[i]);
        }
    }
    a.qt_argv.push_back(nullptr);
    return a;
}

const char* start_usage() {
    return R"(Usage: tarvex [--help | --version] [--] [FILE.tvs] [FILE.csv]

Diagnostic and configuration tool for an LPG (autogas) controller on a serial
lead. It keeps Tarvex.ini and reads Tarvex.ports in the folder it starts in.

With FILE.tvs, the settings file is shown beside the controller's settings;
nothing is sent unless asked. With FILE.csv, the recording opens in the
review window. Arguments after "--" are file names, whatever
they look like. Other arguments go to Qt (e.g. -platform).

  --help     show this text
  --version  show the program's version
)";
}

}  // namespace tarvex
