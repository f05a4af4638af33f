// SPDX-License-Identifier: MIT
#pragma once

#include <array>

namespace tarvex {

// The six views of the main window; CurrentView holds one of these.
enum View : int {
    ViewReadings = 1,
    ViewConfiguration = 2,
    ViewOptions = 3,
    ViewSchema = 4,
    ViewReset = 5,
    ViewOscilloscope = 6,
};

struct ViewDef {
    int view;
    int command;
    std::array<int, 5> templates;  // per SizeMode 1..5
    int title_slot;                // UiTexts slot of the window title
    bool polls;                    // owns a timer that polls the controller
};

const ViewDef& view_def(int view);
// The view a command shows, or 0.
int view_for_command(int command);
int template_for(int view, int size_mode);

}  // namespace tarvex
