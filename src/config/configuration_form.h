// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

#include "config/form.h"

namespace tarvex {

// The Configuration view's controls, bound to their settings.
const std::vector<ListBinding>& configuration_lists();
const std::vector<CheckBinding>& configuration_checks();

// The lambda sensor type list 1013 was last filled for; outlives the view.
struct ConfigurationState {
    int ShownLambdaType = 0;
};

// The result of a refresh: every control's state, and whether list 1013 must
// be emptied and filled again for ShownLambdaType first.
struct ConfigurationRefresh {
    bool refill_lambda_points = false;
    std::vector<ControlState> controls;
};
ConfigurationRefresh refresh_configuration_view(const ControllerImage& image,
                                                ConfigurationState& state);

// The TPS type list's entry for a TPS type nibble, and the code of an entry.
int tps_type_index(int nibble);
int tps_type_code(int index);

}  // namespace tarvex
