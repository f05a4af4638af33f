// SPDX-License-Identifier: MIT
#pragma once

#include "cli/cli_options.h"
#include "cli/cli_session.h"

namespace tarvex::cli {

// Records the readings for the options' seconds, polling as the Readings
// view does: the status on every tick of a timer running at the link's poll
// period (50 ms, 500 ms once the link is lost), the live frame when a
// generation-2 controller answers, both settings blocks on every fourth live
// tick. The CSV goes to --csv FILE or standard output.
int log_readings(Session& session, const CliOptions& options);

}  // namespace tarvex::cli
