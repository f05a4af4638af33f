// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "config/configuration_form.h"
#include "config/list_entries.h"
#include "config/options_form.h"
#include "support/start_folder.h"

using namespace tarvex;

namespace {

const ListBinding& find(const std::vector<ListBinding>& lists, int id) {
    for (const auto& l : lists)
        if (l.id == id)
            return l;
    throw std::runtime_error("no list " + std::to_string(id));
}

struct EntryCase {
    int id;
    std::size_t count;
    std::vector<std::pair<std::size_t, const char*>> samples;  // index, text
};

void check(const std::vector<ListBinding>& lists, const std::vector<EntryCase>& cases) {
    const UiTexts texts = tarvex::testing::numbered_texts("S");
    for (const auto& c : cases) {
        const auto e = find(lists, c.id).entries(texts);
        ASSERT_EQ(e.size(), c.count) << c.id;
        for (const auto& [i, text] : c.samples)
            EXPECT_EQ(e[i], text) << c.id << " entry " << i;
    }
}

}  // namespace

TEST(ListEntries, Configuration) {
    check(configuration_lists(),
          {{1003, 6, {{0, "0-1 V"}, {1, "0-5 V -"}, {4, "5-0 V +"}, {5, "0,8-1,6 V"}}},
           {1017, 255, {{0, "0:05"}, {11, "1:00"}, {12, "1:05"}, {254, "21:15"}}},
           {1018, 3, {{0, "S61"}, {2, "S63"}}},
           {1019, 255, {{0, "0,025"}, {39, "1,000"}, {40, "1,025"}, {254, "6,375"}}},
           {1020, 255, {{0, "0,025"}, {254, "6,375"}}},
           {1021, 18, {{0, "S64"}, {17, "S81"}}},
           {1022, 21, {{0, "1500"}, {5, "2000"}, {20, "3500"}}},
           {1023, 2, {{0, "S82"}, {1, "S83"}}},
           {1024, 6, {{0, "S84"}, {5, "S89"}}},
           {1025, 19, {{0, "0,04"}, {3, "0,10"}, {18, "0,40"}}},
           {1026, 50, {{0, "0,1"}, {9, "1,0"}, {10, "1,1"}, {49, "5,0"}}},
           {1027, 50, {{0, "0,1"}, {49, "5,0"}}}});
}

TEST(ListEntries, LambdaPointsBySensorType) {
    struct Case {
        int type;
        std::size_t count;
        int offset;
        const char *first, *second, *last;
    } cases[] = {{0, 11, 20, "0,40", "0,42", "0,60"},
                 {5, 16, 50, "1,00", "1,02", "1,30"},
                 {1, 51, 100, "2:00", "2:02", "3:00"},
                 {3, 51, 100, "2:00", "2:02", "3:00"}};
    for (const auto& c : cases) {
        const auto e = lambda_point_entries(c.type);
        ASSERT_EQ(e.size(), c.count);
        EXPECT_EQ(e[0], c.first);
        EXPECT_EQ(e[1], c.second);
        EXPECT_EQ(e.back(), c.last);
        EXPECT_EQ(lambda_point_offset(c.type), c.offset);
    }
    EXPECT_EQ(lambda_point_entries(1)[49], "2:98");
    EXPECT_EQ(lambda_point_entries(5)[10], "1,20");
}

TEST(ListEntries, Options) {
    check(options_lists(), {{1003, 256, {{0, "0"}, {120, "120"}, {255, "255"}}},
                            {1043, 256, {{0, "+0"}, {255, "+255"}}},
                            {1013, 256, {{0, "-0"}, {15, "-15"}, {255, "-255"}}},
                            {1045, 256, {{1, "+1"}}},
                            {1044, 256, {{1, "-1"}}},
                            {1046, 256, {{255, "255"}}},
                            {1047, 51, {{0, "0,0"}, {1, "0,1"}, {10, "1,0"}, {50, "5,0"}}},
                            {1048, 16, {{0, "1000"}, {15, "2500"}}},
                            {1049, 50, {{0, "2"}, {1, "4"}, {49, "100"}}},
                            {1050, 41, {{0, "4000"}, {20, "6000"}, {40, "8000"}}},
                            {1051, 26, {{0, "10"}, {10, "30"}, {25, "60"}}},
                            {1052, 3, {{0, "S129"}, {2, "S131"}}}});
}

TEST(ListEntries, EmulDOCorrections) {
    check(emul_do_lists(), {{1003, 16, {{0, "-12"}, {6, "0"}, {7, "+2"}, {15, "+18"}}},
                            {1013, 16, {{0, "-10"}, {5, "0"}, {15, "+20"}}},
                            {1122, 16, {{0, "-20"}, {10, "0"}, {15, "+10"}}},
                            {1123, 16, {{0, "-16"}, {15, "+14"}}}});
}
