// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

#include "support/child_process.h"

namespace tarvex::testing {

// tarvex-cli run to its end.
using CliRun = RunResult;

// Runs tarvex-cli with args in the folder `dir` (the current folder when
// empty). Its standard output is captured, or with `to`: closed ("-"), a pipe
// whose reader has gone ("|"), or the file named.
CliRun run_cli(const std::vector<std::string>& args, const std::string& dir = {},
               const std::string& to = {});

}  // namespace tarvex::testing
