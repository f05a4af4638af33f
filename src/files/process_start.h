// SPDX-License-Identifier: MIT
#pragma once

namespace tarvex {

// Called first in every program's main, before anything is opened:
// descriptors 0, 1 and 2 that were closed are opened on /dev/null, so that a
// port or file opened later can never take their place (a program started
// with its output closed would otherwise write its output into whatever it
// opened first, the serial port included); and SIGPIPE is ignored, so that a
// reader that went away is a write error to handle, not a silent death.
void prepare_process();

}  // namespace tarvex
