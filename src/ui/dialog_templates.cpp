// SPDX-License-Identifier: MIT
#include "ui/dialog_templates.h"

#include <algorithm>

namespace tarvex {

namespace {

using K = ControlKind;

// The Configuration form, laid out for the 800x600 template; every size uses
// the same arrangement with its own font.
std::vector<ControlDef> configuration_controls() {
    std::vector<ControlDef> c = {
        {1130, K::Heading, 8, 2, 85, 10, 35, false},
        {1131, K::Heading, 8, 88, 85, 10, 36, false},
        {1132, K::Heading, 8, 137, 85, 10, 37, false},
        {1133, K::Heading, 8, 171, 85, 10, 38, false},
        {0, K::Rule, 8, 83, 309, 1, -1, false},
        {0, K::Rule, 8, 129, 309, 1, -1, false},
        {0, K::Rule, 8, 163, 309, 1, -1, false},
        {0, K::Rule, 8, 186, 309, 1, -1, false},
        {1074, K::Check, 8, 193, 88, 10, 39, false},
        {1141, K::Check, 8, 107, 85, 10, -1, true, "Sygnał słaby"},
    };
    struct Row {
        int list, list_w, label, label_x, unit, y;
        bool hidden;
    };
    const Row rows[] = {
        {1003, 48, 1075, 100, 0, 2, false},      {1013, 48, 1076, 100, 1087, 15, false},
        {1017, 48, 1077, 100, 1089, 28, false},  {1018, 48, 1078, 100, 0, 41, false},
        {1019, 48, 1079, 114, 1091, 54, false},  {1020, 48, 1080, 114, 1092, 67, false},
        {1021, 81, 1081, 100, 0, 88, false},     {1022, 48, 1082, 100, 1090, 101, false},
        {1023, 61, 1083, 100, 0, 114, false},    {1024, 71, 1084, 100, 0, 135, false},
        {1025, 48, 1085, 100, 1093, 148, false}, {1026, 48, 1086, 100, 1094, 169, false},
        {1027, 48, 1088, 100, 1095, 192, true},
    };
    auto slot_of = [](int id) {
        if (id >= 1075 && id <= 1086)
            return 40 + (id - 1075);
        if (id >= 1088 && id <= 1092)
            return 52 + (id - 1088);
        if (id == 1087)
            return 57;
        if (id >= 1093 && id <= 1095)
            return 58 + (id - 1093);
        return -1;
    };
    for (const Row& r : rows) {
        c.push_back({r.label, K::Label, r.label_x, r.y + 2, 231 - r.label_x - 3, 10,
                     slot_of(r.label), r.hidden});
        c.push_back({r.list, K::List, 231, r.y, r.list_w, 12, -1, r.hidden});
        if (r.unit)
            c.push_back({r.unit, K::Label, 284, r.y + 2, 70, 10, slot_of(r.unit), r.hidden});
    }
    return c;
}

std::vector<ControlDef> options_controls() {
    std::vector<ControlDef> c = {
        {1134, K::Heading, 2, 4, 80, 10, 92, false},
        {1135, K::Heading, 2, 110, 80, 10, 93, false},
        {1136, K::Heading, 2, 151, 80, 10, 94, false},
        {1137, K::Heading, 2, 174, 80, 10, 95, false},
        {1138, K::Heading, 2, 194, 80, 10, 96, false},
        {0, K::Rule, 2, 105, 339, 1, -1, false},
        {0, K::Rule, 2, 144, 339, 1, -1, false},
        {0, K::Rule, 2, 166, 339, 1, -1, false},
        {0, K::Rule, 2, 188, 339, 1, -1, false},
        {control_id::EmulDOButton, K::MultiLineButton, 5, 29, 63, 33, 97, false},
        {1034, K::Check, 85, 3, 146, 9, 104, false},
        {1039, K::Check, 85, 67, 146, 9, 109, false},
        {1040, K::Check, 85, 110, 146, 9, 112, false},
        {1041, K::Check, 85, 150, 146, 9, 115, false},
        {1042, K::Check, 85, 173, 146, 9, 116, false},
    };
    struct Row {
        int list, list_w, label, label_x, unit, y, label_slot, unit_slot;
        bool hidden;
    };
    const Row rows[] = {
        {1003, 48, 0, 0, 1057, 2, -1, 118, true},
        {1013, 48, 1075, 85, 1085, 15, 105, 119, false},
        {1043, 48, 1076, 85, 1086, 28, 106, 120, false},
        {1044, 48, 1077, 85, 1088, 41, 107, 121, false},
        {1045, 48, 1078, 85, 1139, 54, 108, 122, false},
        {1046, 48, 1064, 115, 1058, 76, 110, 123, true},
        {1047, 48, 1065, 115, 1059, 89, 111, 124, true},
        {1048, 48, 1066, 115, 1060, 116, 113, 125, true},
        {1049, 48, 1067, 115, 1061, 129, 114, 126, true},
        {1050, 48, 0, 0, 1062, 150, -1, 127, true},
        {1051, 48, 0, 0, 1063, 172, -1, 128, true},
        {1052, 56, 1079, 85, 0, 193, 117, -1, false},
    };
    for (const Row& r : rows) {
        if (r.label)
            c.push_back({r.label, K::Label, r.label_x, r.y + 2, 235 - r.label_x - 3, 10,
                         r.label_slot, r.hidden});
        c.push_back({r.list, K::List, 235, r.y, r.list_w, 12, -1, r.hidden});
        if (r.unit)
            c.push_back({r.unit, K::Label, 287, r.y + 2, 52, 10, r.unit_slot, r.hidden});
    }
    return c;
}

std::vector<ControlDef> emul_do_controls() {
    std::vector<ControlDef> c;
    const int lists[] = {1003, 1013, 1122, 1123};
    for (int i = 0; i < 4; ++i) {
        c.push_back({1075 + i, K::Label, 7, 9 + 16 * i, 100, 10, 99 + i, false});
        c.push_back({lists[i], K::List, 110, 7 + 16 * i, 48, 12, -1, false});
    }
    c.push_back({control_id::DialogOk, K::Button, 60, 74, 50, 14, 103, false});
    return c;
}

// The views whose code places their controls in pixels for each size. The
// hidden edit fields have no place of their own.
std::vector<TemplateDef> view_templates() {
    using namespace control_id;
    return {
        {101,
         920,
         650,
         8,
         {{LearnButton, K::Button, 879, 624, 38, 23, 33, false, "NAUKA"},
          {HiddenEdit, K::Edit, 0, 0, 0, 0, -1, true}},
         false},
        {126,
         358,
         227,
         12,
         {{ResetWarning, K::Label, 0, 0, 0, 0, 134, false},
          {ResetWarning2, K::Label, 0, 0, 0, 0, 135, false},
          {ResetButton, K::Button, 0, 0, 0, 0, 136, false}},
         false},
        {132,
         556,
         447,
         12,
         {{DiagramHBar, K::HScrollBar, 0, 194, 297, 8, -1, true},
          {DiagramVBar, K::VScrollBar, 302, 0, 8, 183, -1, true}},
         false},
        {159,
         600,
         405,
         12,
         {{CursorBox, K::Check, 254, 0, 80, 10, 142, false, "Kursor wartości"},
          {CursorBar, K::HScrollBar, 62, 0, 131, 8, -1, true},
          {HiddenEdit, K::Edit, 0, 0, 0, 0, -1, true}},
         false},
    };
}

std::vector<TemplateDef> make_templates() {
    std::vector<TemplateDef> t = view_templates();
    const int config_ids[] = {106, 157, 145, 151, 150};
    const int options_ids[] = {152, 125, 153, 154, 156};
    const int points[] = {10, 12, 14, 18, 18};
    for (int i = 0; i < 5; ++i) {
        t.push_back({config_ids[i], 357, 227, points[i], configuration_controls()});
        t.push_back({options_ids[i], 357, 227, points[i], options_controls()});
    }
    t.push_back({170, 170, 94, 8, emul_do_controls()});
    return t;
}

}  // namespace

std::vector<int> reading_order(const TemplateDef& def) {
    std::vector<const ControlDef*> c;
    for (const ControlDef& d : def.controls)
        if (d.kind == ControlKind::List || d.kind == ControlKind::Check ||
            d.kind == ControlKind::Button || d.kind == ControlKind::MultiLineButton)
            c.push_back(&d);
    std::stable_sort(c.begin(), c.end(),
                     [](const ControlDef* a, const ControlDef* b) { return a->y < b->y; });
    // Each control gets the top of its row, then rows go down, left to right.
    std::vector<std::pair<int, const ControlDef*>> rows;
    int row_top = 0;
    for (const ControlDef* d : c) {
        if (rows.empty() || d->y - row_top >= 4)
            row_top = d->y;
        rows.push_back({row_top, d});
    }
    std::stable_sort(rows.begin(), rows.end(), [](const auto& a, const auto& b) {
        return a.first != b.first ? a.first < b.first : a.second->x < b.second->x;
    });
    std::vector<int> ids;
    for (const auto& r : rows)
        ids.push_back(r.second->id);
    return ids;
}

const TemplateDef* dialog_template(int id) {
    static const std::vector<TemplateDef> templates = make_templates();
    for (const auto& t : templates)
        if (t.id == id)
            return &t;
    return nullptr;
}

}  // namespace tarvex
