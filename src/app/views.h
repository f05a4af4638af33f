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

// How the shell shows a view; everything else it asks of the view itself.
struct ViewDef {
    int view;
    int command;
    std::array<int, 5> templates;  // per SizeMode 1..5
    int title_slot;                // UiTexts slot of the window title
    // Its command applies the current size, which creates it once more and
    // sets it up (Schema).
    bool set_up_by_size = false;
    // A size or language change keeps it; its own paint places and labels it
    // again (Reset).
    bool kept_on_change = false;
    // The paint sequence renews the menu's highlight while it is shown (Readings).
    bool paint_highlights = false;
};

const ViewDef& view_def(int view);
// The view a command shows, or 0.
int view_for_command(int command);
int template_for(int view, int size_mode);

}  // namespace tarvex
