// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "config/configuration_form.h"
#include "config/list_entries.h"
#include "config/options_form.h"
#include "link/conversions.h"

using namespace tarvex;

namespace {

const ListBinding& find(const std::vector<ListBinding>& lists, int id) {
    for (const auto& l : lists)
        if (l.id == id)
            return l;
    throw std::runtime_error("no list");
}
const CheckBinding& find(const std::vector<CheckBinding>& checks, int id) {
    for (const auto& c : checks)
        if (c.id == id)
            return c;
    throw std::runtime_error("no check");
}
ControlState state_of(const std::vector<ControlState>& states, int id) {
    ControlState found{0};
    for (const auto& s : states)
        if (s.id == id)
            found = s;
    EXPECT_NE(found.id, 0) << "no state for " << id;
    return found;
}
void set_rpm(ControllerImage& m, int lo_offset, unsigned period) {
    m.SettingsBlock2[static_cast<std::size_t>(lo_offset)] =
        static_cast<std::uint8_t>(period & 0xFF);
    m.SettingsBlock2[static_cast<std::size_t>(lo_offset + 1)] =
        static_cast<std::uint8_t>(period >> 8);
}

}  // namespace

TEST(ConfigurationForm, LambdaTypePickSendsTypeThenSwitchingPoint) {
    ControllerImage m;
    m.SettingsBlock1[block1::LambdaType] = 0x07;
    const auto& l = find(configuration_lists(), 1003);
    EXPECT_EQ(l.pick(m, 5), (std::vector<Write>{{6, 0x57}, {7, 60}}));
    EXPECT_EQ(l.pick(m, 0), (std::vector<Write>{{6, 0x07}, {7, 22}}));
    EXPECT_EQ(l.pick(m, 2), (std::vector<Write>{{6, 0x27}, {7, 127}}));

    // The next refresh that reads sensor type 5 refills 1013 and selects 1,20.
    ConfigurationState st;
    m.SettingsBlock1[block1::LambdaType] = 0x57;
    m.SettingsBlock1[block1::LambdaPoint] = 60;
    auto r = refresh_configuration_view(m, st);
    EXPECT_TRUE(r.refill_lambda_points);
    EXPECT_EQ(st.ShownLambdaType, 5);
    EXPECT_EQ(state_of(r.controls, 1013).selected, 10);
    EXPECT_EQ(lambda_point_entries(5)[10], "1,20");
    r = refresh_configuration_view(m, st);
    EXPECT_FALSE(r.refill_lambda_points);
    EXPECT_EQ(find(configuration_lists(), 1013).pick(m, 10), (std::vector<Write>{{7, 60}}));
}

TEST(ConfigurationForm, ShownIndexTable) {
    struct Case {
        const char* what;
        int lambda_type, lambda_point, emul, options;
        int id, selected;
    } cases[] = {
        {"0x27 sensor", 0x27, 0, 0, 0, 1003, 2},
        {"0x27 tps", 0x27, 0, 0, 0, 1024, 4},
        {"nibble 3", 0x03, 0, 0, 0, 1024, 2},
        {"nibble 4", 0x04, 0, 0, 0, 1024, 2},
        {"nibble 5", 0x05, 0, 0, 0, 1024, 2},
        {"nibble 8", 0x08, 0, 0, 0, 1024, 5},
        {"nibble 15", 0x0F, 0, 0, 0, 1024, 5},
        {"point 10 type 0", 0x00, 10, 0, 0, 1013, 0},
        {"point 25 type 0", 0x00, 25, 0, 0, 1013, 5},
        {"point 99 type 1", 0x10, 99, 0, 0, 1013, 0},
        {"point 150 type 1", 0x10, 150, 0, 0, 1013, 50},
        {"emul 2", 0, 0, 0x82, 0, 1018, 2},
        {"options bit 4", 0, 0, 0, 0x10, 1023, 1},
    };
    for (const auto& c : cases) {
        ControllerImage m;
        m.SettingsBlock1[block1::LambdaType] = static_cast<std::uint8_t>(c.lambda_type);
        m.SettingsBlock1[block1::LambdaPoint] = static_cast<std::uint8_t>(c.lambda_point);
        m.SettingsBlock1[block1::EmulType] = static_cast<std::uint8_t>(c.emul);
        m.SettingsBlock1[block1::Options] = static_cast<std::uint8_t>(c.options);
        ConfigurationState st;
        st.ShownLambdaType = c.lambda_type >> 4;
        EXPECT_EQ(state_of(refresh_configuration_view(m, st).controls, c.id).selected, c.selected)
            << c.what;
    }
}

TEST(ConfigurationForm, TpsTypeAndDependentControls) {
    ControllerImage m;
    m.SettingsBlock1[block1::LambdaType] = 0x27;
    ConfigurationState st;
    auto r = refresh_configuration_view(m, st);
    EXPECT_FALSE(state_of(r.controls, 1025).enabled);
    EXPECT_FALSE(state_of(r.controls, 1085).enabled);
    EXPECT_FALSE(state_of(r.controls, 1093).enabled);
    const auto& tps = find(configuration_lists(), 1024);
    m.SettingsBlock1[block1::LambdaType] = 0x15;
    EXPECT_EQ(tps.pick(m, 2), (std::vector<Write>{{6, 0x12}}));
    EXPECT_EQ(tps.pick(m, 4), (std::vector<Write>{{6, 0x17}}));
    EXPECT_EQ(tps.pick(m, 5), (std::vector<Write>{{6, 0x18}}));
    for (int type : {0x00, 0x01, 0x08}) {
        m.SettingsBlock1[block1::LambdaType] = static_cast<std::uint8_t>(type);
        EXPECT_TRUE(state_of(refresh_configuration_view(m, st).controls, 1025).enabled) << type;
    }
    // Emulation times only for emulation type 0; gas opening only when ticked.
    m.SettingsBlock1[block1::EmulType] = 0x09;
    r = refresh_configuration_view(m, st);
    for (int id : {1019, 1020, 1079, 1080, 1091, 1092})
        EXPECT_FALSE(state_of(r.controls, id).enabled) << id;
    EXPECT_EQ(state_of(r.controls, 1074).checked, 1);
    for (int id : {1027, 1088, 1095})
        EXPECT_TRUE(state_of(r.controls, id).visible) << id;
    const auto& gas = find(configuration_checks(), 1074);
    EXPECT_EQ(gas.click(m, false), (std::vector<Write>{{9, 0x01}}));
    m.SettingsBlock1[block1::EmulType] = 0x80;
    EXPECT_EQ(gas.click(m, true), (std::vector<Write>{{9, 0x88}}));
    const auto& weak = find(configuration_checks(), 1141);
    m.SettingsBlock1[block1::Options] = 0x40;
    EXPECT_EQ(weak.click(m, true), (std::vector<Write>{{5, 0x41}}));
    EXPECT_FALSE(state_of(refresh_configuration_view(m, st).controls, 1141).visible);
}

TEST(ConfigurationForm, SwitchOverSpeed) {
    const auto& l = find(configuration_lists(), 1022);
    struct Case {
        unsigned period;
        int selected;
    } cases[] = {{10000, 0},
                 {period_from_rpm(1450), 0},
                 {period_from_rpm(2000), 5},
                 {period_from_rpm(3500), 20},
                 {0, 0},
                 {period_from_rpm(4000), 25}};
    for (const auto& c : cases) {
        ControllerImage m;
        set_rpm(m, block2::LPGOnRPMLo, c.period);
        EXPECT_EQ(l.shown(m), c.selected) << c.period;
    }
    ControllerImage m;
    EXPECT_EQ(l.pick(m, 0), (std::vector<Write>{{21, 16}, {22, 39}}));
    EXPECT_EQ(l.pick(m, 20), (std::vector<Write>{{21, 189}, {22, 16}}));
}

TEST(ConfigurationForm, LostLinkShowsFirstEntriesAndZeroBitControls) {
    ControllerImage zero;
    ConfigurationState st;
    const auto r = refresh_configuration_view(zero, st);
    for (const auto& s : r.controls) {
        if (s.id == 1027 || s.selected == kKeepSelection)
            continue;  // 1027 is hidden
        EXPECT_EQ(s.selected, 0) << s.id;
    }
    for (int id : {1019, 1020, 1025})
        EXPECT_TRUE(state_of(r.controls, id).enabled) << id;
    EXPECT_FALSE(state_of(r.controls, 1027).visible);
}

TEST(OptionsForm, WritesAndShownIndices) {
    ControllerImage m;
    // TPSJump 7 selects 0,1; picking it writes 5.
    m.SettingsBlock2[block2::TPSJump] = 7;
    EXPECT_EQ(find(options_lists(), 1047).shown(m), 1);
    EXPECT_EQ(find(options_lists(), 1047).pick(m, 1), (std::vector<Write>{{19, 5}}));
    // CutOffSteps 0..3 select entry 0; 100 selects 49.
    const auto& steps = find(options_lists(), 1049);
    for (int v : {0, 1, 2, 3}) {
        m.SettingsBlock2[block2::CutOffSteps] = static_cast<std::uint8_t>(v);
        EXPECT_EQ(steps.shown(m), 0) << v;
    }
    m.SettingsBlock2[block2::CutOffSteps] = 100;
    EXPECT_EQ(steps.shown(m), 49);
    EXPECT_EQ(steps.pick(m, 49), (std::vector<Write>{{26, 100}}));
    // LPGOnTemp: raw 94 selects 10; raw 230 (83 degrees) is past the end.
    const auto& temp = find(options_lists(), 1051);
    m.SettingsBlock1[block1::LPGOnTemp] = 94;
    EXPECT_EQ(temp.shown(m), 0);
    m.SettingsBlock1[block1::LPGOnTemp] = 230;
    EXPECT_EQ(temp.shown(m), 36);
    EXPECT_EQ(temp.pick(m, 25), (std::vector<Write>{{15, 208}}));
    // A cut-off count giving 950 rpm selects 1000.
    set_rpm(m, block2::CutOffRPMLo, period_from_rpm(950));
    EXPECT_EQ(find(options_lists(), 1048).shown(m), 0);
    EXPECT_EQ(find(options_lists(), 1048).pick(m, 15),
              (std::vector<Write>{{24, 0x70}, {25, 0x17}}));
    set_rpm(m, block2::LPGOffRPMLo, period_from_rpm(6000));
    EXPECT_EQ(find(options_lists(), 1050).shown(m), 20);
    EXPECT_EQ(find(options_lists(), 1050).pick(m, 40), (std::vector<Write>{{27, 83}, {28, 7}}));
    // Byte lists write the entry index with their code.
    struct ByteCase {
        int id, code;
    } bytes[] = {{1003, 18}, {1043, 31}, {1013, 32}, {1045, 16}, {1044, 17}, {1046, 20}};
    for (const auto& b : bytes)
        EXPECT_EQ(find(options_lists(), b.id).pick(m, 200), (std::vector<Write>{{b.code, 200}}));
    m.SettingsBlock1[block1::EmulType] = 0xA5;
    EXPECT_EQ(find(options_lists(), 1052).shown(m), 2);
    EXPECT_EQ(find(options_lists(), 1052).pick(m, 1), (std::vector<Write>{{9, 0x95}}));
}

TEST(OptionsForm, CheckBoxesAndTheirGroups) {
    ControllerImage m;
    m.SettingsBlock1[block1::Options] = 0x04;
    auto r = refresh_options_view(m);
    EXPECT_EQ(state_of(r, 1034).checked, 0);
    EXPECT_FALSE(state_of(r, 1003).visible);
    // Ticking 1034 clears bit 2 in the image at once and sends it.
    auto writes = find(options_checks(), 1034).click(m, true);
    EXPECT_EQ(writes, (std::vector<Write>{{5, 0x00}}));
    EXPECT_EQ(m.Options(), 0x00);
    r = refresh_options_view(m);
    EXPECT_TRUE(state_of(r, 1003).visible);
    EXPECT_EQ(find(options_checks(), 1034).click(m, false), (std::vector<Write>{{5, 0x04}}));

    struct Group {
        int check, bit;
        std::vector<int> shown;
    } groups[] = {{1039, 0x08, {1046, 1047, 1064, 1065, 1058, 1059}},
                  {1040, 0x20, {1048, 1049, 1066, 1067, 1060, 1061}},
                  {1041, 0x40, {1050, 1062}},
                  {1042, 0x02, {1051, 1063}}};
    for (const auto& g : groups) {
        for (bool on : {false, true}) {
            ControllerImage img;
            img.SettingsBlock1[block1::Options] =
                static_cast<std::uint8_t>(on ? g.bit : 0xFF & ~g.bit);
            r = refresh_options_view(img);
            EXPECT_EQ(state_of(r, g.check).checked, on ? 1 : 0);
            for (int id : g.shown)
                EXPECT_EQ(state_of(r, id).visible, on) << g.check << " " << id;
            const auto w = find(options_checks(), g.check).click(img, !on);
            EXPECT_EQ(w, (std::vector<Write>{{5, on ? 0x00 : 0xFF}})) << g.check;
        }
    }
    // The lost link: everything unticked but 1034, which shows the start position 0.
    ControllerImage zero;
    r = refresh_options_view(zero);
    EXPECT_EQ(state_of(r, 1034).checked, 1);
    EXPECT_TRUE(state_of(r, 1003).visible);
    EXPECT_EQ(state_of(r, 1003).selected, 0);
    for (int id : {1039, 1040, 1041, 1042})
        EXPECT_EQ(state_of(r, id).checked, 0);
}

TEST(OptionsForm, EmulDOFields) {
    ControllerImage m;
    m.SettingsBlock1[block1::EmulDO_TimeHi] = 0x9F;
    m.SettingsBlock1[block1::EmulDO_TimeLo] = 0x30;
    const auto r = refresh_emul_do(m);
    EXPECT_EQ(state_of(r, 1003).selected, 0);  // -12
    EXPECT_EQ(state_of(r, 1013).selected, 6);  // +2
    EXPECT_EQ(state_of(r, 1122).selected, 15);
    EXPECT_EQ(state_of(r, 1123).selected, 12);
    const auto& lists = emul_do_lists();
    EXPECT_EQ(lists[0].pick(m, 15), (std::vector<Write>{{12, 0x90}}));  // +18
    EXPECT_EQ(lists[1].pick(m, 0), (std::vector<Write>{{12, 0xFF}}));
    EXPECT_EQ(lists[2].pick(m, 10), (std::vector<Write>{{13, 0x35}}));
    EXPECT_EQ(lists[3].pick(m, 15), (std::vector<Write>{{13, 0x00}}));
}
