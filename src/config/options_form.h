// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

#include "config/form.h"

namespace tarvex {

// The Options view's controls, bound to their settings.
const std::vector<ListBinding>& options_lists();
const std::vector<CheckBinding>& options_checks();
std::vector<ControlState> refresh_options_view(const ControllerImage& image);

// The EmulDO corrections dialog: four lists of 4-bit fields.
const std::vector<ListBinding>& emul_do_lists();
std::vector<ControlState> refresh_emul_do(const ControllerImage& image);

}  // namespace tarvex
