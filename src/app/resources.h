// SPDX-License-Identifier: MIT
#pragma once

namespace tarvex {

// Registers the pictures built into the program (icon, logo, diagrams). The
// resources live in a static library, so they must be pulled in explicitly.
void init_resources();

}  // namespace tarvex
