// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "link/settings_table.h"

using namespace tarvex;

TEST(SettingsTable, CoversEveryWriteCodeButTheCommandOnceInFileOrder) {
    std::set<int> codes;
    std::set<std::pair<int, int>> places;
    int prev_code = 4;
    for (const auto& s : kSettings) {
        EXPECT_NE(s.code, kCommandCode);
        EXPECT_GT(s.code, prev_code) << s.key;
        prev_code = s.code;
        codes.insert(s.code);
        places.insert({static_cast<int>(s.frame), s.offset});
    }
    EXPECT_EQ(codes.size(), 28u);
    EXPECT_EQ(places.size(), 28u);  // no two settings share a byte
    EXPECT_EQ(kSettings.front().key, "Options");
    EXPECT_EQ(kSettings[13].key, "AttInit");
    EXPECT_EQ(kSettings.back().key, "Otwarcie_GAZU");
}

TEST(SettingsTable, ReadsTheNamedBytes) {
    ControllerImage img;
    for (std::size_t i = 0; i < img.SettingsBlock1.size(); ++i)
        img.SettingsBlock1[i] = static_cast<std::uint8_t>(100 + i);
    for (std::size_t i = 0; i < img.SettingsBlock2.size(); ++i)
        img.SettingsBlock2[i] = static_cast<std::uint8_t>(200 + i);
    img.LiveFrame[4] = 77;
    // By write code.
    const std::map<int, int> values = {{5, 101}, {15, 111}, {29, 112}, {33, 113}, {16, 201},
                                       {18, 77}, {19, 203}, {28, 212}, {31, 213}, {32, 214}};
    std::size_t checked = 0;
    for (const auto& s : kSettings) {
        if (const auto v = values.find(s.code); v != values.end()) {
            EXPECT_EQ(setting_value(img, s), v->second) << s.key;
            ++checked;
        }
    }
    EXPECT_EQ(checked, values.size());
    EXPECT_EQ(img.TPSInert(), 112);
    EXPECT_EQ(img.AttMin_BJ(), 214);
}
