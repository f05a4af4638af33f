// SPDX-License-Identifier: MIT
#include "e2e/cli_process.h"

namespace tarvex::testing {

CliRun run_cli(const std::vector<std::string>& args, const std::string& dir,
               const std::string& to) {
    ChildLaunch launch{{TARVEX_CLI_PATH}, dir};
    launch.argv.insert(launch.argv.end(), args.begin(), args.end());
    return run_to_end(launch, std::chrono::seconds(120), to);
}

}  // namespace tarvex::testing
