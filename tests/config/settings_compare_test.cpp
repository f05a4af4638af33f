// SPDX-License-Identifier: MIT
// Comparing a settings file with the controller: exactly the differing keys
// are marked, values read as the views show them, labels as the views put
// them beside their controls.
#include <gtest/gtest.h>

#include <random>
#include <set>

#include "config/dialog_templates.h"
#include "config/settings_compare.h"
#include "link/settings_table.h"
#include "support/start_folder.h"

using namespace tarvex;
using tarvex::testing::numbered_texts;

namespace {

ControllerImage random_image(std::mt19937& rng) {
    std::uniform_int_distribution<int> byte(0, 255);
    ControllerImage m;
    for (auto f : {std::span<std::uint8_t>(m.LiveFrame), std::span<std::uint8_t>(m.SettingsBlock1),
                   std::span<std::uint8_t>(m.SettingsBlock2)})
        for (auto& b : f)
            b = static_cast<std::uint8_t>(byte(rng));
    return m;
}

std::string_view partner_of(std::string_view key) {
    static const std::pair<std::string_view, std::string_view> partners[] = {
        {"LambdaPoint", "LambdaType"},  {"LPGOnRPMLo", "LPGOnRPMHi"},
        {"LPGOnRPMHi", "LPGOnRPMLo"},   {"CutOffRPMLo", "CutOffRPMHi"},
        {"CutOffRPMHi", "CutOffRPMLo"}, {"LPGOffRPMLo", "LPGOffRPMHi"},
        {"LPGOffRPMHi", "LPGOffRPMLo"},
    };
    for (const auto& [k, partner] : partners)
        if (k == key)
            return partner;
    return {};
}

const CompareRow& row(const std::vector<CompareRow>& rows, std::string_view key) {
    for (const auto& r : rows)
        if (r.key == key)
            return r;
    ADD_FAILURE() << "no row " << key;
    return rows.front();
}

}  // namespace

TEST(SettingsCompare, MarksExactlyTheDifferingKeys) {
    // A controller's settings saved to a file, some values changed in the
    // file's text, the file read back as Open reads it: the changed keys and
    // no others differ, whatever the values.
    std::mt19937 rng(5);
    const UiTexts texts = numbered_texts("T");
    for (int round = 0; round < 200; ++round) {
        const ControllerImage controller = random_image(rng);
        ParsedSettings file = parse_settings_file(settings_file_text(controller));
        ASSERT_TRUE(file.ok);
        std::set<std::string_view> changed;
        const int n = std::uniform_int_distribution<int>(0, 6)(rng);
        for (int i = 0; i < n; ++i) {
            const std::size_t k = std::uniform_int_distribution<std::size_t>(0, 27)(rng);
            file.values[k] = static_cast<std::uint8_t>(
                file.values[k] + std::uniform_int_distribution<int>(1, 255)(rng));
            changed.insert(kSettings[k].key);
        }
        const auto rows = compare_settings(file, controller, texts);
        ASSERT_EQ(rows.size(), 28u);
        std::set<std::string_view> marked;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            EXPECT_EQ(rows[i].key, kSettings[i].key);
            EXPECT_EQ(rows[i].file_value, file.values[i]);
            EXPECT_EQ(rows[i].controller_value, setting_value(controller, kSettings[i]));
            if (rows[i].differs)
                marked.insert(rows[i].key);
        }
        EXPECT_EQ(marked, changed) << "round " << round;
        // Equal values read the same, unless the text also depends on a key
        // that differs (the sensor type for the switching point, the other
        // byte of an engine-speed pair).
        for (const auto& r : rows) {
            const std::string_view partner = partner_of(r.key);
            if (!r.differs && (partner.empty() || !changed.count(partner))) {
                EXPECT_EQ(r.file_text(), r.controller_text()) << r.key;
            }
        }
    }
}

TEST(SettingsCompare, ValuesAsTheViewsShowThem) {
    ControllerImage c;
    ParsedSettings f;
    f.ok = true;
    auto set_file = [&](std::string_view key, std::uint8_t v) {
        for (std::size_t i = 0; i < kSettings.size(); ++i)
            if (kSettings[i].key == key)
                f.values[i] = v;
    };
    c.SettingsBlock1[block1::Options] = 0x24;
    set_file("Options", 0x5A);
    c.SettingsBlock1[block1::LambdaType] = 0x27;
    set_file("LambdaType", 0x51);
    c.SettingsBlock1[block1::LambdaPoint] = 22;
    set_file("LambdaPoint", 60);
    c.SettingsBlock1[block1::LambdaDelay] = 12;
    c.SettingsBlock1[block1::EmulType] = 0x29;
    c.SettingsBlock1[block1::EmulBJ_TimeHi] = 40;
    c.SettingsBlock1[block1::EmulDO_TimeHi] = 0x9F;
    c.SettingsBlock1[block1::InjectDelay] = 3;
    c.SettingsBlock1[block1::LPGOnTemp] = 94;
    set_file("LPGOnTemp", 230);
    c.SettingsBlock1[block1::TPSInert] = 1;
    c.SettingsBlock1[block1::Otwarcie_GAZU] = 50;
    c.SettingsBlock2[block2::AttMax] = 20;
    c.SettingsBlock2[block2::AttMin_BJ] = 5;
    c.SettingsBlock2[block2::TPSJump] = 7;
    c.SettingsBlock2[block2::LPGOnRPMLo] = 16;
    c.SettingsBlock2[block2::LPGOnRPMHi] = 39;
    c.SettingsBlock2[block2::IgnitionType] = 9;
    c.SettingsBlock2[block2::CutOffSteps] = 100;
    c.SettingsBlock2[block2::LPGOffRPMLo] = 83;
    c.SettingsBlock2[block2::LPGOffRPMHi] = 7;
    c.LiveFrame[live::AttInit] = 120;
    const auto rows = compare_settings(f, c, numbered_texts("T"));

    struct Case {
        std::string_view key;
        const char* file;
        const char* controller;
    } cases[] = {
        // The four-function checks (bit 2 inverted) and the bit-4 list.
        {"Options", "[x] / [x] / [ ] / [x] / [x] / T83", "[ ] / [ ] / [x] / [ ] / [ ] / T82"},
        {"LambdaType", "0,8-1,6 V / T85", "0-5 V + / T88"},
        // The switching point's entries follow each side's own sensor type.
        {"LambdaPoint", "1,20 T57", "2:00 T57"},
        {"LambdaDelay", "", "1:00 T53"},
        {"EmulType", "T61 / [ ] / T129", "T62 / [x] / T131"},
        {"EmulBJ_TimeHi", "", "1,000 T55"},
        {"EmulDO_TimeHi", "+18 / +20", "-12 / +2"},
        {"InjectDelay", "", "0,3 T59"},
        // 230 is 83 degrees, past the end of the list: nothing selected.
        {"LPGOnTemp", "", "10 T128"},
        {"AttMax", "+0 T122", "+20 T122"},
        {"AttMin_BJ", "-0 T119", "-5 T119"},
        {"AttInit", "0 T118", "120 T118"},
        {"TPSJump", "0,0 T124", "0,1 T124"},
        {"LPGOnRPMLo", "", "1500 T54"},
        {"LPGOnRPMHi", "", "1500 T54"},
        {"IgnitionType", "T64", "T72"},
        {"CutOffSteps", "2 T126", "100 T126"},
        {"LPGOffRPMLo", "4000 T127", "8000 T127"},
        {"TPSInert", "", "0,04 T58"},
        {"Otwarcie_GAZU", "", "5,0 T60"},
    };
    for (const auto& k : cases) {
        const CompareRow& r = row(rows, k.key);
        EXPECT_EQ(r.controller_text(), k.controller) << k.key;
        if (*k.file) {
            EXPECT_EQ(r.file_text(), k.file) << k.key;
        }
    }
    // Zero in a one-based list shows its first entry, as in the views.
    EXPECT_EQ(row(rows, "LambdaDelay").file_text(), "0:05 T53");
    EXPECT_EQ(row(rows, "LPGOnTemp").file_text(), "");
    EXPECT_EQ(row(rows, "LPGOnRPMLo").file_text(), "1500 T54");
}

TEST(SettingsCompare, LabelsAreThoseBesideTheControls) {
    const UiTexts texts = numbered_texts("T");
    const auto rows = compare_settings(ParsedSettings{}, ControllerImage{}, texts);
    struct Case {
        std::string_view key;
        const char* label;
    } cases[] = {
        {"Options", "T104 / T109 / T112 / T115 / T116 / T48"},
        {"LambdaType", "T40 / T49"},
        {"LambdaPoint", "T41"},
        {"EmulType", "T43 / T39 / T117"},
        {"EmulDO_TimeLo", "T101 / T102"},
        {"LPGOnTemp", "T116"},
        {"AttMax", "T108"},
        {"AttMin", "T107"},
        {"AttInit", "T104"},
        {"LPGOnRPMHi", "T47"},
        {"CutOffRPMLo", "T113"},
        {"LPGOffRPMLo", "T115"},
        {"AttMax_BJ", "T106"},
        {"AttMin_BJ", "T105"},
        {"Otwarcie_GAZU", "T52"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(row(rows, c.key).label(texts), c.label) << c.key;
    for (const auto& r : rows) {
        ASSERT_FALSE(r.parts.empty()) << r.key;
        for (const auto& p : r.parts)
            EXPECT_GE(p.label_slot, 0) << r.key;
    }
}
