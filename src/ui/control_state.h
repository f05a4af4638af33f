// SPDX-License-Identifier: MIT
#pragma once

namespace tarvex {

// A list's selection left as it is.
constexpr int kKeepSelection = -2;

// What a refresh sets on one control.
struct ControlState {
    int id;
    int selected = kKeepSelection;  // lists: entry index; past the end selects nothing
    int checked = -1;               // check boxes: 0 or 1; -1 when not a check box
    bool enabled = true;
    bool visible = true;
};

}  // namespace tarvex
