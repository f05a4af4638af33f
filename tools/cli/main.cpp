// SPDX-License-Identifier: MIT
// tarvex-cli: the Tarvex link from the command line.
#include <signal.h>

#include <iostream>
#include <string>
#include <vector>

#include "cli/cli_commands.h"
#include "cli/cli_options.h"
#include "config/controller_commands.h"

namespace {

void request_stop(int) {
    tarvex::cli::g_stop_requested = 1;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace tarvex::cli;
    const std::vector<std::string> args(argv + 1, argv + argc);
    CliOptions options;
    std::string error;
    if (!parse_cli_options(args, options, error)) {
        std::cerr << "tarvex-cli: " << error << "\nTry 'tarvex-cli --help'.\n";
        return kExitUsage;
    }
    if (options.help) {
        std::cout << cli_usage();
        return kExitOk;
    }
    if (options.version) {
        std::cout << "tarvex-cli " << tarvex::kProgramVersion << "\n";
        return kExitOk;
    }
    // A closed pipe is an output error to report, not a reason to die; INT
    // and TERM end a log with its last row written.
    signal(SIGPIPE, SIG_IGN);
    struct sigaction sa {};
    sa.sa_handler = request_stop;
    sigemptyset(&sa.sa_mask);
    sigaction(SIGINT, &sa, nullptr);
    sigaction(SIGTERM, &sa, nullptr);
    const int rc = run_cli(options, std::cout, std::cerr);
    std::cout.flush();
    return rc;
}
