// SPDX-License-Identifier: MIT
#pragma once

#include "config/configuration_form.h"

namespace tarvex {

// What the Configuration and Options views keep between their creations.
struct SettingsViewsState : ConfigurationState {
    int OptionsSubDialogOpen = 0;  // the EmulDO dialog is open over the Options view
};

}  // namespace tarvex
