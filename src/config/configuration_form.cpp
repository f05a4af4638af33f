// SPDX-License-Identifier: MIT
#include "config/configuration_form.h"

#include "config/list_entries.h"
#include "link/conversions.h"

namespace tarvex {

int tps_type_index(int n) {
    if (n <= 1)
        return n;
    if (n <= 5)
        return 2;
    if (n == 6)
        return 3;
    if (n == 7)
        return 4;
    return 5;
}

int tps_type_code(int index) {
    static constexpr int codes[] = {0, 1, 2, 6, 7, 8};
    return index >= 0 && index < 6 ? codes[index] : 0;
}

namespace {

std::vector<std::string> slots(const UiTexts& t, int first, int last) {
    std::vector<std::string> e;
    for (int k = first; k <= last; ++k)
        e.push_back(t[k]);
    return e;
}

// An engine-speed threshold pair: the shown entry and the two writes.
std::vector<ListBinding> make_lists() {
    using I = const ControllerImage&;
    return {
        {1003, [](const UiTexts&) { return lambda_type_entries(); },
         [](I m) { return m.LambdaType() >> 4; },
         [](I m, int k) {
             return std::vector<Write>{{6, (k << 4) | (m.LambdaType() & 0x0F)},
                                       {7, k == 0   ? 22
                                           : k == 5 ? 60
                                                    : 127}};
         }},
        // Entries and shown index of 1013 depend on ShownLambdaType; the view
        // fills and selects it through lambda_point_entries and the refresh.
        {1013, [](const UiTexts&) { return lambda_point_entries(0); }, [](I) { return 0; },
         [](I m, int k) {
             return std::vector<Write>{{7, k + lambda_point_offset(m.LambdaType() >> 4)}};
         }},
        {1017, [](const UiTexts&) { return lambda_delay_entries(); },
         [](I m) { return one_based(m.LambdaDelay()); },
         [](I, int k) {
             return std::vector<Write>{{8, k + 1}};
         }},
        {1018, [](const UiTexts& t) { return slots(t, 61, 63); },
         [](I m) { return m.EmulType() & 3; },
         [](I m, int k) {
             return std::vector<Write>{{9, (m.EmulType() & 0xFC) | k}};
         }},
        {1019, [](const UiTexts&) { return emulation_time_entries(); },
         [](I m) { return one_based(m.EmulBJ_TimeHi()); },
         [](I, int k) {
             return std::vector<Write>{{10, k + 1}};
         }},
        {1020, [](const UiTexts&) { return emulation_time_entries(); },
         [](I m) { return one_based(m.EmulBJ_TimeLo()); },
         [](I, int k) {
             return std::vector<Write>{{11, k + 1}};
         }},
        {1021, [](const UiTexts& t) { return slots(t, 64, 81); },
         [](I m) { return one_based(m.IgnitionType()); },
         [](I, int k) {
             return std::vector<Write>{{23, k + 1}};
         }},
        {1022, [](const UiTexts&) { return rpm_entries(1500, 3500); },
         [](I m) { return rpm_entry(m.LPGOnRPMHi(), m.LPGOnRPMLo(), 1500); },
         [](I, int k) { return rpm_writes(21, 1500 + 100 * k); }},
        {1023, [](const UiTexts& t) { return slots(t, 82, 83); },
         [](I m) { return (m.Options() >> 4) & 1; },
         [](I m, int k) {
             return std::vector<Write>{{5, (m.Options() & 0xEF) | (k << 4)}};
         }},
        {1024, [](const UiTexts& t) { return slots(t, 84, 89); },
         [](I m) { return tps_type_index(m.LambdaType() & 0x0F); },
         [](I m, int k) {
             return std::vector<Write>{{6, (m.LambdaType() & 0xF0) | tps_type_code(k)}};
         }},
        {1025, [](const UiTexts&) { return tps_inert_entries(); },
         [](I m) { return one_based(m.TPSInert()); },
         [](I, int k) {
             return std::vector<Write>{{29, k + 1}};
         }},
        {1026, [](const UiTexts&) { return tenths_entries(); },
         [](I m) { return one_based(m.InjectDelay()); },
         [](I, int k) {
             return std::vector<Write>{{14, k + 1}};
         }},
        {1027, [](const UiTexts&) { return tenths_entries(); },
         [](I m) { return one_based(m.Otwarcie_GAZU()); },
         [](I, int k) {
             return std::vector<Write>{{33, k + 1}};
         }},
    };
}

std::vector<CheckBinding> make_checks() {
    return {
        {1074, [](const ControllerImage& m) { return (m.EmulType() & 0x08) != 0; },
         [](ControllerImage& m, bool on) {
             return std::vector<Write>{{9, on ? (m.EmulType() | 0x08) : (m.EmulType() & 0xF7)}};
         }},
        {1141, [](const ControllerImage& m) { return (m.Options() & 0x01) != 0; },
         [](ControllerImage& m, bool on) {
             return std::vector<Write>{{5, on ? (m.Options() | 0x01) : (m.Options() & 0xFE)}};
         }},
    };
}

const ListBinding& list(int id) {
    for (const auto& l : configuration_lists())
        if (l.id == id)
            return l;
    return configuration_lists().front();
}

}  // namespace

const std::vector<ListBinding>& configuration_lists() {
    static const std::vector<ListBinding> lists = make_lists();
    return lists;
}

const std::vector<CheckBinding>& configuration_checks() {
    static const std::vector<CheckBinding> checks = make_checks();
    return checks;
}

ConfigurationRefresh refresh_configuration_view(const ControllerImage& m,
                                                ConfigurationState& state) {
    ConfigurationRefresh r;
    auto& c = r.controls;
    auto select = [&](int id) { c.push_back({id, list(id).shown(m)}); };
    auto set = [&](int id, bool enabled, bool visible) {
        ControlState s{id};
        s.enabled = enabled;
        s.visible = visible;
        c.push_back(s);
    };

    const int t = m.LambdaType() >> 4;
    select(1003);
    if (t != state.ShownLambdaType) {
        r.refill_lambda_points = true;
        state.ShownLambdaType = t;
    }
    const int offset = lambda_point_offset(state.ShownLambdaType);
    c.push_back({1013, m.LambdaPoint() < offset ? 0 : m.LambdaPoint() - offset});
    select(1017);
    select(1018);
    const bool emulation_times = (m.EmulType() & 3) == 0;
    for (int id : {1079, 1080, 1091, 1092})
        set(id, emulation_times, true);
    for (int id : {1019, 1020}) {
        ControlState s{id, list(id).shown(m)};
        s.enabled = emulation_times;
        c.push_back(s);
    }
    select(1021);
    select(1022);
    c.push_back({1141, kKeepSelection, (m.Options() & 0x01) ? 1 : 0, true, false});
    select(1023);
    select(1024);
    const bool inertia = (m.LambdaType() & 0x02) == 0;
    for (int id : {1085, 1093})
        set(id, inertia, true);
    {
        ControlState s{1025, list(1025).shown(m)};
        s.enabled = inertia;
        c.push_back(s);
    }
    select(1026);
    const bool gas_opening = (m.EmulType() & 0x08) != 0;
    c.push_back({1074, kKeepSelection, gas_opening ? 1 : 0});
    for (int id : {1088, 1095})
        set(id, true, gas_opening);
    ControlState s{1027, gas_opening ? list(1027).shown(m) : kKeepSelection};
    s.visible = gas_opening;
    c.push_back(s);
    return r;
}

}  // namespace tarvex
