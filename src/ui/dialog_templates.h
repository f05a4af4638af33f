// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

#include "ui/dialog_units.h"

namespace tarvex {

enum class ControlKind {
    List,
    Check,
    Label,
    Heading,
    Rule,
    Button,
    MultiLineButton,  // a push button whose caption wraps
    Edit,
    HScrollBar,
    VScrollBar,
};

// The controls that code reaches by identifier, beyond the settings forms'
// own tables.
namespace control_id {
enum : int {
    DialogOk = 1,          // the EmulDO dialog's OK button
    ResetButton = 126,     // Reset: restores the factory settings
    LearnButton = 1005,    // Readings: asks the controller to start learning
    HiddenEdit = 1006,     // Readings and Oscilloscope: an edit field never shown
    LambdaPoints = 1013,   // Configuration: the list that follows the sensor type
    EmulDOButton = 1014,   // Options: opens the EmulDO dialog
    CursorBox = 1071,      // Oscilloscope: the value cursor's check box
    ResetWarning = 1104,   // Reset: what the reset does, first line
    ResetWarning2 = 1105,  // Reset: second line
    CursorBar = 1117,      // Oscilloscope: the value cursor's scroll bar
    DiagramHBar = 1120,    // Schema: the diagram's horizontal scroll bar
    DiagramVBar = 1121,    // Schema: the diagram's vertical scroll bar
};
}

// One control of a dialog template, in dialog units.
struct ControlDef {
    int id;  // 0 for rules, which have none
    ControlKind kind;
    int x, y, w, h;
    int text_slot;  // UiTexts slot of its text, or -1
    bool hidden;    // hidden in the template
    const char* template_text = "";
};

// A dialog template: size in dialog units, its font (MS Sans Serif, points)
// and its controls. A form lays the controls out in dialog units in the
// template's font, unless the view places them in pixels for each size and
// chooses their fonts itself (laid_out false).
struct TemplateDef {
    int id;
    int width, height;
    int font_points;
    std::vector<ControlDef> controls;
    bool laid_out = true;
};

// The controls that take the keyboard (lists, check boxes, buttons) in
// reading order: row by row from the top, left to right within a row. A
// control whose top is less than 4 units below the top of a row's first
// control stands in that row.
std::vector<int> reading_order(const TemplateDef& def);

// The Configuration templates 106, 157, 145, 151, 150, the Options templates
// 152, 125, 153, 154, 156, the EmulDO dialog 170, and the views' templates
// 101 (Readings), 126 (Reset), 132 (Schema) and 159 (Oscilloscope). Null for
// other ids.
const TemplateDef* dialog_template(int id);

}  // namespace tarvex
