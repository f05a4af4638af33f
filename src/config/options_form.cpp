// SPDX-License-Identifier: MIT
#include "config/options_form.h"

#include "config/list_entries.h"
#include "link/conversions.h"
#include "link/settings_table.h"

namespace tarvex {

namespace {

using I = const ControllerImage&;

ListBinding byte_list(int id, const char* format, int code,
                      std::uint8_t (ControllerImage::*get)() const) {
    return {id, [format](const UiTexts&) { return number_entries(format, 256); },
            [get](I m) { return static_cast<int>((m.*get)()); },
            [code](I, int k) {
                return std::vector<Write>{{code, k}};
            }};
}

std::vector<ListBinding> make_lists() {
    return {
        byte_list(1003, "%ld", 18, &ControllerImage::AttInit),
        byte_list(1043, "+%ld", 31, &ControllerImage::AttMax_BJ),
        byte_list(1013, "-%ld", 32, &ControllerImage::AttMin_BJ),
        byte_list(1045, "+%ld", 16, &ControllerImage::AttMax),
        byte_list(1044, "-%ld", 17, &ControllerImage::AttMin),
        byte_list(1046, "%ld", 20, &ControllerImage::AttJump),
        {1047, [](const UiTexts&) { return tps_jump_entries(); },
         [](I m) { return m.TPSJump() / 5; },
         [](I, int k) {
             return std::vector<Write>{{19, 5 * k}};
         }},
        {1048, [](const UiTexts&) { return rpm_entries(1000, 2500); },
         [](I m) { return rpm_entry(m.CutOffRPMHi(), m.CutOffRPMLo(), 1000); },
         [](I, int k) { return rpm_writes(24, 1000 + 100 * k); }},
        {1049, [](const UiTexts&) { return cut_off_steps_entries(); },
         [](I m) { return one_based(m.CutOffSteps() >> 1); },
         [](I, int k) {
             return std::vector<Write>{{26, 2 * k + 2}};
         }},
        {1050, [](const UiTexts&) { return rpm_entries(4000, 8000); },
         [](I m) { return rpm_entry(m.LPGOffRPMHi(), m.LPGOffRPMLo(), 4000); },
         [](I, int k) { return rpm_writes(27, 4000 + 100 * k); }},
        {1051, [](const UiTexts&) { return lpg_on_temp_entries(); },
         [](I m) {
             const int t = temperature_from_raw(m.LPGOnTemp());
             return t < 10 ? 0 : (t - 10) / 2;
         },
         [](I, int k) {
             return std::vector<Write>{{15, raw_from_temperature(10 + 2 * k)}};
         }},
        {1052,
         [](const UiTexts& t) {
             return std::vector<std::string>{t[129], t[130], t[131]};
         },
         [](I m) { return (m.EmulType() >> 4) & 3; },
         [](I m, int k) {
             return std::vector<Write>{{9, (m.EmulType() & 0xCF) | (k << 4)}};
         }},
    };
}

CheckBinding option_bit(int id, int bit) {
    return {
        id, [bit](I m) { return (m.Options() & bit) != 0; },
        [bit](ControllerImage& m, bool on) {
            return std::vector<Write>{{5, on ? (m.Options() | bit) : (m.Options() & ~bit & 0xFF)}};
        }};
}

std::vector<CheckBinding> make_checks() {
    return {
        // Ticked means bit 2 clear. Ticking clears the bit in the image at once,
        // so the start-position list shows before the next poll.
        {1034, [](I m) { return (m.Options() & 0x04) == 0; },
         [](ControllerImage& m, bool on) {
             if (on) {
                 m.SettingsBlock1[block1::Options] &= static_cast<std::uint8_t>(~0x04);
                 return std::vector<Write>{{5, m.Options()}};
             }
             return std::vector<Write>{{5, m.Options() | 0x04}};
         }},
        option_bit(1039, 0x08),
        option_bit(1040, 0x20),
        option_bit(1041, 0x40),
        option_bit(1042, 0x02),
    };
}

const ListBinding& list(int id) {
    for (const auto& l : options_lists())
        if (l.id == id)
            return l;
    return options_lists().front();
}

// The EmulDO lists: entry k shows 2(k+1) - b; field f shows as entry 15 - f.
ListBinding correction(int id, int b, int code, bool high_nibble, bool time_hi) {
    auto byte_of = [time_hi](I m) { return time_hi ? m.EmulDO_TimeHi() : m.EmulDO_TimeLo(); };
    return {id, [b](const UiTexts&) { return correction_entries(b); },
            [byte_of, high_nibble](I m) {
                const int v = byte_of(m);
                return 15 - (high_nibble ? (v >> 4) & 0x0F : v & 0x0F);
            },
            [byte_of, high_nibble, code](I m, int k) {
                const int v = byte_of(m);
                const int field = 15 - k;
                const int value = high_nibble ? (v & 0x0F) | (field << 4) : (v & 0xF0) | field;
                return std::vector<Write>{{code, value}};
            }};
}

}  // namespace

const std::vector<ListBinding>& options_lists() {
    static const std::vector<ListBinding> lists = make_lists();
    return lists;
}

const std::vector<CheckBinding>& options_checks() {
    static const std::vector<CheckBinding> checks = make_checks();
    return checks;
}

std::vector<ControlState> refresh_options_view(const ControllerImage& m) {
    std::vector<ControlState> c;
    auto group = [&](int check, bool on, std::initializer_list<int> lists,
                     std::initializer_list<int> texts) {
        c.push_back({check, kKeepSelection, on ? 1 : 0});
        for (int id : texts)
            c.push_back({id, kKeepSelection, -1, true, on});
        for (int id : lists)
            c.push_back({id, list(id).shown(m), -1, true, on});
    };
    group(1034, (m.Options() & 0x04) == 0, {}, {1057});
    for (int id : {1003, 1043, 1013, 1045, 1044}) {
        ControlState s{id, list(id).shown(m)};
        if (id == 1003)
            s.visible = (m.Options() & 0x04) == 0;
        c.push_back(s);
    }
    group(1039, m.Options() & 0x08, {1046, 1047}, {1064, 1065, 1058, 1059});
    group(1040, m.Options() & 0x20, {1048, 1049}, {1066, 1067, 1060, 1061});
    group(1041, m.Options() & 0x40, {1050}, {1062});
    group(1042, m.Options() & 0x02, {1051}, {1063});
    c.push_back({1052, list(1052).shown(m)});
    return c;
}

const std::vector<ListBinding>& emul_do_lists() {
    static const std::vector<ListBinding> lists = {
        correction(1003, 14, 12, false, true),
        correction(1013, 12, 12, true, true),
        correction(1122, 22, 13, false, false),
        correction(1123, 18, 13, true, false),
    };
    return lists;
}

std::vector<ControlState> refresh_emul_do(const ControllerImage& m) {
    std::vector<ControlState> c;
    for (const auto& l : emul_do_lists())
        c.push_back({l.id, l.shown(m)});
    return c;
}

}  // namespace tarvex
