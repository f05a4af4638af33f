// SPDX-License-Identifier: MIT
#include "config/settings_compare.h"

#include "config/configuration_form.h"
#include "config/dialog_templates.h"
#include "config/list_entries.h"
#include "config/options_form.h"
#include "link/settings_table.h"

namespace tarvex {

namespace {

enum class Form { Configuration, Options, EmulDO };

// A control showing a setting: its id, the control whose text labels it
// (itself for a check box), and the unit text beside it (0 for none).
struct PartDef {
    Form form;
    int control;
    int label;
    int unit = 0;
};

// The template of each form at 800x600; every size holds the same controls.
int template_of(Form f) {
    return f == Form::Configuration ? 157 : f == Form::Options ? 125 : 170;
}

int text_slot(Form f, int id) {
    if (id == 0)
        return -1;
    for (const ControlDef& c : dialog_template(template_of(f))->controls)
        if (c.id == id && c.kind != ControlKind::List)
            return c.text_slot;
    return -1;
}

const std::vector<ListBinding>& lists_of(Form f) {
    return f == Form::Configuration ? configuration_lists()
           : f == Form::Options     ? options_lists()
                                    : emul_do_lists();
}

const ListBinding* find_list(Form f, int id) {
    for (const auto& l : lists_of(f))
        if (l.id == id)
            return &l;
    return nullptr;
}

const CheckBinding* find_check(Form f, int id) {
    const auto& checks = f == Form::Configuration ? configuration_checks() : options_checks();
    if (f == Form::EmulDO)
        return nullptr;
    for (const auto& c : checks)
        if (c.id == id)
            return &c;
    return nullptr;
}

// The controls of each setting, in file order.
std::vector<PartDef> parts_of(std::string_view key) {
    using F = Form;
    if (key == "Options")
        return {{F::Options, 1034, 1034}, {F::Options, 1039, 1039}, {F::Options, 1040, 1040},
                {F::Options, 1041, 1041}, {F::Options, 1042, 1042}, {F::Configuration, 1023, 1083}};
    if (key == "LambdaType")
        return {{F::Configuration, 1003, 1075}, {F::Configuration, 1024, 1084}};
    if (key == "LambdaPoint")
        return {{F::Configuration, 1013, 1076, 1087}};
    if (key == "LambdaDelay")
        return {{F::Configuration, 1017, 1077, 1089}};
    if (key == "EmulType")
        return {{F::Configuration, 1018, 1078},
                {F::Configuration, 1074, 1074},
                {F::Options, 1052, 1079}};
    if (key == "EmulBJ_TimeHi")
        return {{F::Configuration, 1019, 1079, 1091}};
    if (key == "EmulBJ_TimeLo")
        return {{F::Configuration, 1020, 1080, 1092}};
    if (key == "EmulDO_TimeHi")
        return {{F::EmulDO, 1003, 1075}, {F::EmulDO, 1013, 1076}};
    if (key == "EmulDO_TimeLo")
        return {{F::EmulDO, 1122, 1077}, {F::EmulDO, 1123, 1078}};
    if (key == "InjectDelay")
        return {{F::Configuration, 1026, 1086, 1094}};
    if (key == "LPGOnTemp")
        return {{F::Options, 1051, 1042, 1063}};
    if (key == "AttMax")
        return {{F::Options, 1045, 1078, 1139}};
    if (key == "AttMin")
        return {{F::Options, 1044, 1077, 1088}};
    if (key == "AttInit")
        return {{F::Options, 1003, 1034, 1057}};
    if (key == "TPSJump")
        return {{F::Options, 1047, 1065, 1059}};
    if (key == "AttJump")
        return {{F::Options, 1046, 1064, 1058}};
    if (key == "LPGOnRPMLo" || key == "LPGOnRPMHi")
        return {{F::Configuration, 1022, 1082, 1090}};
    if (key == "IgnitionType")
        return {{F::Configuration, 1021, 1081}};
    if (key == "CutOffRPMLo" || key == "CutOffRPMHi")
        return {{F::Options, 1048, 1066, 1060}};
    if (key == "CutOffSteps")
        return {{F::Options, 1049, 1067, 1061}};
    if (key == "LPGOffRPMLo" || key == "LPGOffRPMHi")
        return {{F::Options, 1050, 1041, 1062}};
    if (key == "TPSInert")
        return {{F::Configuration, 1025, 1085, 1093}};
    if (key == "AttMax_BJ")
        return {{F::Options, 1043, 1076, 1086}};
    if (key == "AttMin_BJ")
        return {{F::Options, 1013, 1075, 1085}};
    if (key == "Otwarcie_GAZU")
        return {{F::Configuration, 1027, 1088, 1095}};
    return {};
}

std::string trimmed(std::string s) {
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.pop_back();
    return s;
}

std::string entry(const std::vector<std::string>& entries, int index) {
    return index >= 0 && static_cast<std::size_t>(index) < entries.size()
               ? trimmed(entries[static_cast<std::size_t>(index)])
               : std::string();
}

// What a control shows for an image.
std::string shown(const PartDef& p, const ControllerImage& m, const UiTexts& texts) {
    if (const CheckBinding* c = find_check(p.form, p.control))
        return c->ticked(m) ? "[x]" : "[ ]";
    if (p.form == Form::Configuration && p.control == 1013) {
        // The switching point's entries depend on the sensor type.
        const int type = m.LambdaType() >> 4;
        const int offset = lambda_point_offset(type);
        return entry(lambda_point_entries(type),
                     m.LambdaPoint() < offset ? 0 : m.LambdaPoint() - offset);
    }
    const ListBinding* l = find_list(p.form, p.control);
    return l ? entry(l->entries(texts), l->shown(m)) : std::string();
}

std::string with_unit(std::string text, int unit_slot, const UiTexts& texts) {
    const std::string unit = unit_slot >= 0 ? trimmed(texts[unit_slot]) : std::string();
    if (text.empty() || unit.empty())
        return text;
    return text + " " + unit;
}

std::string joined(const std::vector<ComparePart>& parts, std::string ComparePart::*field) {
    std::string out;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i)
            out += " / ";
        out += parts[i].*field;
    }
    return out;
}

}  // namespace

ControllerImage image_of_settings(const ParsedSettings& file) {
    ControllerImage m;
    for (std::size_t i = 0; i < kSettings.size(); ++i) {
        const SettingDef& d = kSettings[i];
        const std::span<std::uint8_t> frame =
            d.frame == Frame::Live     ? std::span<std::uint8_t>(m.LiveFrame)
            : d.frame == Frame::Block1 ? std::span<std::uint8_t>(m.SettingsBlock1)
                                       : std::span<std::uint8_t>(m.SettingsBlock2);
        frame[d.offset] = file.values[i];
    }
    return m;
}

std::vector<CompareRow> compare_settings(const ParsedSettings& file, const ControllerImage& image,
                                         const UiTexts& texts) {
    const ControllerImage from_file = image_of_settings(file);
    std::vector<CompareRow> rows;
    for (std::size_t i = 0; i < kSettings.size(); ++i) {
        const SettingDef& d = kSettings[i];
        CompareRow r;
        r.key = d.key;
        r.file_value = file.values[i];
        r.controller_value = setting_value(image, d);
        r.differs = r.file_value != r.controller_value;
        for (const PartDef& p : parts_of(d.key)) {
            const int unit = text_slot(p.form, p.unit);
            r.parts.push_back({text_slot(p.form, p.label), unit,
                               with_unit(shown(p, from_file, texts), unit, texts),
                               with_unit(shown(p, image, texts), unit, texts)});
        }
        rows.push_back(std::move(r));
    }
    return rows;
}

std::string CompareRow::label(const UiTexts& texts) const {
    std::string out;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i)
            out += " / ";
        out += trimmed(texts[parts[i].label_slot]);
    }
    return out;
}

std::string CompareRow::file_text() const {
    return joined(parts, &ComparePart::file_text);
}

std::string CompareRow::controller_text() const {
    return joined(parts, &ComparePart::controller_text);
}

}  // namespace tarvex
