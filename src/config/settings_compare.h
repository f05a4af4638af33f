// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "ui/ui_texts.h"
#include "config/settings_file.h"
#include "link/controller_image.h"

namespace tarvex {

// One control that shows (part of) a setting in the Configuration or Options
// view or the EmulDO dialog, with the values it would show for the file and
// for the controller. Texts are in the language's code page, as the views'
// texts are.
struct ComparePart {
    int label_slot;               // UiTexts slot of the label beside the control
    int unit_slot;                // UiTexts slot of its unit text, -1 when none
    std::string file_text;        // list entry, or "[x]" / "[ ]" for a check box
    std::string controller_text;  // and the unit after a space
};

// One of the 28 settings: the file's value beside the controller's.
struct CompareRow {
    std::string_view key;  // the settings-file key without "="
    std::uint8_t file_value = 0;
    std::uint8_t controller_value = 0;
    bool differs = false;  // the bytes differ
    // One part for most settings; a bit field shown by several controls
    // (Options, LambdaType, EmulType, EmulDO_TimeHi/Lo) has one per control.
    // Both bytes of an engine-speed pair show the pair's speed, and the
    // switching point reads by the sensor type of its own side, so such a
    // row can read differently while its own byte is the same.
    std::vector<ComparePart> parts;

    int label_slot() const { return parts.front().label_slot; }
    // The parts' labels, and their values, joined with " / ".
    std::string label(const UiTexts& texts) const;
    std::string file_text() const;
    std::string controller_text() const;
};

// Compares a settings file's 28 values (read and checked as File > Open
// checks them) with what the image holds, in file order, formatted as the
// views show them: list entries with their units, types by name, check boxes
// ticked or not. A list entry the value does not select shows as "".
std::vector<CompareRow> compare_settings(const ParsedSettings& file, const ControllerImage& image,
                                         const UiTexts& texts);

// An image holding the 28 values of a file where the controller's replies
// would hold them.
ControllerImage image_of_settings(const ParsedSettings& file);

}  // namespace tarvex
