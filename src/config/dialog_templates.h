// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

#include "ui/dialog_units.h"

namespace tarvex {

enum class ControlKind { List, Check, Label, Heading, Rule, Button };

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
// and its controls.
struct TemplateDef {
    int id;
    int width, height;
    int font_points;
    std::vector<ControlDef> controls;
};

// The controls that take the keyboard (lists, check boxes, buttons) in
// reading order: row by row from the top, left to right within a row. A
// control whose top is less than 4 units below the top of a row's first
// control stands in that row.
std::vector<int> reading_order(const TemplateDef& def);

// The Configuration templates 106, 157, 145, 151, 150, the Options templates
// 152, 125, 153, 154, 156 and the EmulDO dialog 170. Null for other ids.
const TemplateDef* dialog_template(int id);

}  // namespace tarvex
