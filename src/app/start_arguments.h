// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

namespace tarvex {

// The command line of tarvex:
// `tarvex [--help | --version] [--] [FILE.tvs] [FILE.csv]`, read before Qt
// sees it. The settings file and the recording are taken out, as the bytes the
// system gave, so that a name like "-style=x.tvs" is never taken for one of
// Qt's options; what is left (Qt's own options) goes to Qt.
struct StartArguments {
    bool help = false;
    bool version = false;
    std::string file;       // the settings file to compare; empty for none
    std::string recording;  // the recording to review; empty for none
    // argv[0] and the arguments left for Qt, followed by a null pointer.
    std::vector<char*> qt_argv;
    std::string error;  // a command line that makes no sense
};

// Everything after "--" is a file, as is any argument ending in ".tvs" or
// ".csv"; a file ending in ".csv" is a recording, any other a settings file.
StartArguments parse_start_arguments(int argc, char** argv);

const char* start_usage();

}  // namespace tarvex
