// SPDX-License-Identifier: MIT
// Comparing a settings file with the controller: exactly the differing keys
// are marked, values read as the views show them, labels as the views put
// them beside their controls.
#include <gtest/gtest.h>

#include <random>
#include <set>
#include <span>

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

// The part-th row of a setting.
const CompareRow& row(const std::vector<CompareRow>& rows, std::string_view key, int part = 0) {
    for (const auto& r : rows)
        if (r.key() == key && part-- == 0)
            return r;
    ADD_FAILURE() << "no row " << key;
    return rows.front();
}

// A value's text, "?" after one that no list offers.
std::string seen(const CompareValue& v) {
    return v.text + (v.offered ? "" : "?");
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
        // Every changed setting shows in a differing row, and a row differs
        // only for a changed setting (or the switching point, which reads by
        // the sensor type).
        std::set<std::string_view> marked;
        for (const auto& r : compare_settings(file, &controller, texts, ',')) {
            if (!r.differs)
                continue;
            bool cause = r.key() == "LambdaPoint" && changed.count("LambdaType");
            for (std::size_t i : r.settings)
                if (changed.count(kSettings[i].key)) {
                    marked.insert(kSettings[i].key);
                    cause = true;
                }
            EXPECT_TRUE(cause) << r.key();
        }
        EXPECT_EQ(marked, changed) << "round " << round;
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
    set_file("EmulType", 0x80);
    c.SettingsBlock1[block1::TPSInert] = 1;
    c.SettingsBlock1[block1::Otwarcie_GAZU] = 50;
    c.SettingsBlock2[block2::AttMax] = 20;
    c.SettingsBlock2[block2::AttMin_BJ] = 5;
    c.SettingsBlock2[block2::TPSJump] = 7;
    c.SettingsBlock2[block2::LPGOnRPMLo] = 16;
    c.SettingsBlock2[block2::LPGOnRPMHi] = 39;
    c.SettingsBlock2[block2::IgnitionType] = 9;
    set_file("IgnitionType", 200);
    c.SettingsBlock2[block2::CutOffSteps] = 100;
    c.SettingsBlock2[block2::LPGOffRPMLo] = 83;
    c.SettingsBlock2[block2::LPGOffRPMHi] = 7;
    c.LiveFrame[live::AttInit] = 120;
    const auto rows = compare_settings(f, &c, numbered_texts("T"), ',');

    // Check boxes, a list bit, the nibbles of LambdaType, the switching
    // point by each side's own sensor type, the bits no control sets, an
    // engine-speed pair as one row. "?" marks a value no list offers: its
    // raw number (a pair's count), never a neighbouring entry.
    struct Case {
        std::string_view key;
        int part;
        const char* file;
        const char* controller;
    } cases[] = {{"Options", 0, "[x]", "[ ]"},          {"LambdaType", 0, "0,8-1,6 V", "0-5 V +"},
                 {"LambdaPoint", 0, "1,20 T57", "22?"}, {"LambdaDelay", 0, "0?", "1:00 T53"},
                 {"EmulType", 3, "0x80", "0x00"},       {"EmulBJ_TimeHi", 0, "0?", "1,000 T55"},
                 {"LPGOnTemp", 0, "230?", "10 T128"},   {"TPSJump", 0, "0,0 T124", "7?"},
                 {"LPGOnRPMLo", 0, "0?", "1500 T54"},   {"IgnitionType", 0, "200?", "T72"},
                 {"LPGOffRPMLo", 0, "0?", "8000 T127"}};
    for (const auto& k : cases) {
        const CompareRow& r = row(rows, k.key, k.part);
        EXPECT_EQ(seen(r.file), k.file) << k.key << " " << k.part;
        ASSERT_TRUE(r.controller);
        EXPECT_EQ(seen(*r.controller), k.controller) << k.key << " " << k.part;
        EXPECT_EQ(r.differs, std::string(k.file) != k.controller) << k.key << " " << k.part;
    }
    EXPECT_EQ(row(rows, "LPGOnRPMLo").settings.size(), 2u);
    // In English, decimal points.
    const auto english = compare_settings(f, &c, numbered_texts("T"), '.');
    EXPECT_EQ(row(english, "EmulBJ_TimeHi").controller->text, "1.000 T55");
    // Without the controller's settings: nothing to show or compare.
    for (const auto& r : compare_settings(f, nullptr, numbered_texts("T"), ','))
        EXPECT_TRUE(!r.controller && !r.differs) << r.key();
}

TEST(SettingsCompare, LabelsAreThoseBesideTheControls) {
    const UiTexts texts = numbered_texts("T");
    const auto rows = compare_settings(ParsedSettings{}, nullptr, texts, ',');
    struct Case {
        std::string_view key;
        int part;
        int label;
    } cases[] = {{"Options", 0, 104},   {"Options", 5, 48},        {"LambdaType", 1, 49},
                 {"EmulType", 2, 117},  {"EmulDO_TimeLo", 1, 102}, {"AttInit", 0, 104},
                 {"LPGOnRPMLo", 0, 47}, {"LPGOffRPMLo", 0, 115},   {"Otwarcie_GAZU", 0, 52}};
    for (const auto& c : cases)
        EXPECT_EQ(row(rows, c.key, c.part).label_slot, c.label) << c.key << " " << c.part;
    // One row per control; the bits no control sets only when one is set.
    EXPECT_EQ(rows.size(), 35u);
    for (const auto& r : rows)
        EXPECT_GE(r.label_slot, 0) << r.key();
}
