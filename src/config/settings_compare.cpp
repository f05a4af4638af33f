// SPDX-License-Identifier: MIT
#include "config/settings_compare.h"

#include <algorithm>
#include <bit>

#include "config/configuration_form.h"
#include "config/list_entries.h"
#include "config/options_form.h"
#include "link/settings_table.h"
#include "ui/dialog_templates.h"
#include "ui/format.h"

namespace tarvex {

namespace {

enum class Form { Configuration, Options, EmulDO };

// A control showing a setting: its id, the control whose text labels it
// (itself for a check box), the unit text beside it (0 for none) and the
// bits of the setting it shows.
struct PartDef {
    Form form;
    int control;
    int label;
    int unit = 0;
    std::uint8_t mask = 0xFF;
};

// The template of each form at 800x600; every size holds the same controls.
int template_of(Form f) {
    return f == Form::Configuration ? 157 : f == Form::Options ? 125 : 170;
}

int control_text_slot(Form f, int id) {
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

// The controls of each setting, in file order, with the bits each shows.
// Control 0 stands for the bits that no control sets.
std::vector<PartDef> parts_of(std::string_view key) {
    using F = Form;
    if (key == "Options")
        return {{F::Options, 1034, 1034, 0, 0x04}, {F::Options, 1039, 1039, 0, 0x08},
                {F::Options, 1040, 1040, 0, 0x20}, {F::Options, 1041, 1041, 0, 0x40},
                {F::Options, 1042, 1042, 0, 0x02}, {F::Configuration, 1023, 1083, 0, 0x10},
                {F::Configuration, 0, 0, 0, 0x81}};
    if (key == "LambdaType")
        return {{F::Configuration, 1003, 1075, 0, 0xF0}, {F::Configuration, 1024, 1084, 0, 0x0F}};
    if (key == "LambdaPoint")
        return {{F::Configuration, 1013, 1076, 1087}};
    if (key == "LambdaDelay")
        return {{F::Configuration, 1017, 1077, 1089}};
    if (key == "EmulType")
        return {{F::Configuration, 1018, 1078, 0, 0x03},
                {F::Configuration, 1074, 1074, 0, 0x08},
                {F::Options, 1052, 1079, 0, 0x30},
                {F::Configuration, 0, 0, 0, 0xC4}};
    if (key == "EmulBJ_TimeHi")
        return {{F::Configuration, 1019, 1079, 1091}};
    if (key == "EmulBJ_TimeLo")
        return {{F::Configuration, 1020, 1080, 1092}};
    if (key == "EmulDO_TimeHi")
        return {{F::EmulDO, 1003, 1075, 0, 0x0F}, {F::EmulDO, 1013, 1076, 0, 0xF0}};
    if (key == "EmulDO_TimeLo")
        return {{F::EmulDO, 1122, 1077, 0, 0x0F}, {F::EmulDO, 1123, 1078, 0, 0xF0}};
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
    if (key == "LPGOnRPMLo")
        return {{F::Configuration, 1022, 1082, 1090}};
    if (key == "IgnitionType")
        return {{F::Configuration, 1021, 1081}};
    if (key == "CutOffRPMLo")
        return {{F::Options, 1048, 1066, 1060}};
    if (key == "CutOffSteps")
        return {{F::Options, 1049, 1067, 1061}};
    if (key == "LPGOffRPMLo")
        return {{F::Options, 1050, 1041, 1062}};
    if (key == "TPSInert")
        return {{F::Configuration, 1025, 1085, 1093}};
    if (key == "AttMax_BJ")
        return {{F::Options, 1043, 1076, 1086}};
    if (key == "AttMin_BJ")
        return {{F::Options, 1013, 1075, 1085}};
    if (key == "Otwarcie_GAZU")
        return {{F::Configuration, 1027, 1088, 1095}};
    return {};  // the high byte of an engine-speed pair: shown with its low byte
}

std::string trimmed(std::string s) {
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.pop_back();
    return s;
}

// The value of a row's settings in an image: the field of one setting (the
// bits no control sets as they stand), or an engine-speed pair's count.
int raw_of(const PartDef& p, const std::vector<std::size_t>& settings, const ControllerImage& m) {
    if (settings.size() == 2)
        return setting_value(m, kSettings[settings[1]]) << 8 |
               setting_value(m, kSettings[settings[0]]);
    const int v = setting_value(m, kSettings[settings[0]]) & p.mask;
    return p.control == 0 ? v : v >> std::countr_zero(p.mask);
}

// The entry of a list whose pick, made on the image, writes the image's own
// value of the row's settings; -1 when no entry does.
int entry_writing(const ListBinding& l, std::size_t entries,
                  const std::vector<std::size_t>& settings, const ControllerImage& m) {
    for (std::size_t k = 0; k < entries; ++k) {
        bool written = false, same = true;
        for (const Write& w : l.pick(m, static_cast<int>(k)))
            for (std::size_t i : settings)
                if (w.code == kSettings[i].code) {
                    written = true;
                    same = same && (w.value & 0xFF) == setting_value(m, kSettings[i]);
                }
        if (written && same)
            return static_cast<int>(k);
    }
    return -1;
}

std::string with_unit(std::string text, int unit_slot, const UiTexts& texts) {
    const std::string unit = unit_slot >= 0 ? trimmed(texts[unit_slot]) : std::string();
    if (text.empty() || unit.empty())
        return text;
    return text + " " + unit;
}

// What a control shows for an image: the entry that writes its value, never
// a neighbour of a value no entry writes.
CompareValue value_of(const PartDef& p, const std::vector<std::size_t>& settings,
                      const ControllerImage& m, const UiTexts& texts, char decimal) {
    CompareValue v;
    v.raw = raw_of(p, settings, m);
    if (p.control == 0) {
        v.text = format("0x%02X", v.raw);
        return v;
    }
    if (const CheckBinding* c = find_check(p.form, p.control)) {
        v.text = c->ticked(m) ? "[x]" : "[ ]";
        return v;
    }
    const ListBinding* l = find_list(p.form, p.control);
    // The switching point's entries depend on the sensor type.
    const std::vector<std::string> entries = p.form == Form::Configuration && p.control == 1013
                                                 ? lambda_point_entries(m.LambdaType() >> 4)
                                                 : l->entries(texts);
    const int k = entry_writing(*l, entries.size(), settings, m);
    v.offered = k >= 0;
    v.text = v.offered ? with_unit(with_decimal_separator(
                                       trimmed(entries[static_cast<std::size_t>(k)]), decimal),
                                   control_text_slot(p.form, p.unit), texts)
                       : std::to_string(v.raw);
    return v;
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

std::vector<CompareRow> compare_settings(const ParsedSettings& file,
                                         const ControllerImage* controller, const UiTexts& texts,
                                         char decimal) {
    const ControllerImage from_file = image_of_settings(file);
    std::vector<CompareRow> rows;
    for (std::size_t i = 0; i < kSettings.size(); ++i) {
        std::vector<std::size_t> settings{i};
        if (kSettings[i].key.ends_with("RPMLo"))
            settings.push_back(i + 1);
        for (const PartDef& p : parts_of(kSettings[i].key)) {
            CompareRow r;
            r.settings = settings;
            r.mask = p.mask;
            r.label_slot = p.control ? control_text_slot(p.form, p.label) : -1;
            r.file = value_of(p, settings, from_file, texts, decimal);
            if (controller) {
                r.controller = value_of(p, settings, *controller, texts, decimal);
                r.differs = r.file.raw != r.controller->raw || r.file.text != r.controller->text;
            }
            if (p.control == 0 && r.file.raw == 0 && (!r.controller || r.controller->raw == 0))
                continue;
            rows.push_back(std::move(r));
        }
    }
    return rows;
}

std::vector<std::size_t> settings_not_offered(const ParsedSettings& file) {
    std::vector<std::size_t> out;
    for (const CompareRow& r : compare_settings(file, nullptr, UiTexts{}, ','))
        if (!r.file.offered)
            for (std::size_t i : r.settings)
                if (std::find(out.begin(), out.end(), i) == out.end())
                    out.push_back(i);
    return out;
}

std::string_view CompareRow::key() const {
    return kSettings[settings.front()].key;
}

}  // namespace tarvex
