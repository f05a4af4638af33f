// SPDX-License-Identifier: MIT
// tarvex-cli: the Tarvex link from the command line.
#include <signal.h>

#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_commands.h"
#include "cli/cli_options.h"
#include "config/controller_commands.h"
#include "files/process_start.h"

namespace {

void request_stop(int) {
    tarvex::cli::g_stop_requested = 1;
}

}  // namespace

int main(int argc, char** argv) {
    tarvex::prepare_process();
    using namespace tarvex::cli;
    const std::vector<std::string> args(argv + 1, argv + argc);
    CliOptions options;
    std::string error;
    if (!parse_cli_options(args, options, error)) {
        std::cerr << "tarvex-cli: " << error << "\nTry 'tarvex-cli --help'.\n";
        return kExitUsage;
    }
    // What the command prints is written at its end, so that a failed write
    // is told by the exit code.
    std::ostringstream out;
    if (options.help) {
        out << cli_usage();
    } else if (options.version) {
        out << "tarvex-cli " << tarvex::kProgramVersion << "\n";
    } else {
        // INT and TERM end a log with its last row written.
        struct sigaction sa {};
        sa.sa_handler = request_stop;
        sigemptyset(&sa.sa_mask);
        sigaction(SIGINT, &sa, nullptr);
        sigaction(SIGTERM, &sa, nullptr);
        const int rc = run_cli(options, out, std::cerr);
        return write_output(out.str(), rc, std::cerr);
    }
    return write_output(out.str(), kExitOk, std::cerr);
}
