// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "link/controller_image.h"
#include "ui/control_state.h"
#include "ui/ui_texts.h"

namespace tarvex {

// One write command of a pick: code and value.
struct Write {
    int code;
    int value;
    friend bool operator==(const Write&, const Write&) = default;
};

// A drop-down list bound to a setting: its entries, the entry that shows the
// image's value (an index past the end selects nothing), and the writes that
// a pick of entry k sends, computed from the image at the moment of the pick.
struct ListBinding {
    int id;
    std::function<std::vector<std::string>(const UiTexts&)> entries;
    std::function<int(const ControllerImage&)> shown;
    std::function<std::vector<Write>(const ControllerImage&, int k)> pick;
};

// A check box bound to a bit: ticked or not from the image, the write after a
// click from the box's new state. A click may also change the image in place.
struct CheckBinding {
    int id;
    std::function<bool(const ControllerImage&)> ticked;
    std::function<std::vector<Write>(ControllerImage&, bool ticked)> click;
};

// v - 1, or 0 when v is 0: the shown index of a 1-based setting.
inline int one_based(int v) {
    return v > 0 ? v - 1 : 0;
}

// Engine-speed thresholds are period byte pairs listed in steps of 100 rpm:
// the entry of a pair (0 below the first entry), and the two writes, low
// byte first, of an engine speed.
int rpm_entry(unsigned hi, unsigned lo, int first_rpm);
std::vector<Write> rpm_writes(int lo_code, int rpm);

}  // namespace tarvex
