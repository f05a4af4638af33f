// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "config/settings_file.h"
#include "link/controller_image.h"
#include "ui/ui_texts.h"

namespace tarvex {

// One side's value in a row of the comparison. Texts are in the language's
// code page, as the views' texts are.
struct CompareValue {
    // As the control shows it, with its unit; a check box "[x]" or "[ ]".
    // When no entry of the list writes this value, the raw number alone: the
    // field's value, an engine-speed pair's period count.
    std::string text;
    bool offered = true;  // a list or check box of the views offers the value
    int raw = 0;          // the field's value
};

// One row of the comparison: a control of the Configuration or Options view
// or the EmulDO dialog as the views show it (an engine-speed pair is its one
// list), or the bits of a bit field that no control sets.
struct CompareRow {
    // The settings the row shows, as indices in file order: one, or the low
    // and the high byte of an engine-speed pair.
    std::vector<std::size_t> settings;
    // The bits of its one setting that the row shows (a bit of Options, a
    // half of LambdaType); all of them for a list of the whole byte or a pair.
    std::uint8_t mask = 0xFF;
    int label_slot = -1;  // UiTexts slot of the control's label; -1 for the bits no control sets
    CompareValue file;
    // Empty when the controller's settings were not read.
    std::optional<CompareValue> controller;
    // The controller's value differs from the file's, or reads differently.
    bool differs = false;

    std::string_view key() const;
};

// Compares a settings file's 28 values (read and checked as File > Open
// checks them) with what the controller holds (none when its settings were
// not read), in file order, formatted as the views show them with the
// interface's decimal separator. The bits no control sets have a row when
// either side has one of them set.
std::vector<CompareRow> compare_settings(const ParsedSettings& file,
                                         const ControllerImage* controller, const UiTexts& texts,
                                         char decimal_separator);

// The settings (indices in file order) of which a file holds a value that no
// list of the views offers.
std::vector<std::size_t> settings_not_offered(const ParsedSettings& file);

// An image holding the 28 values of a file where the controller's replies
// would hold them.
ControllerImage image_of_settings(const ParsedSettings& file);

}  // namespace tarvex
