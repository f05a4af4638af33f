// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <string>

#include "support/decimal_comma_locale.h"
#include "ui/format.h"

using namespace tarvex;

namespace {

struct Case {
    std::string got, want;
};

// The read-outs' formats, as the program uses them.
std::vector<Case> cases() {
    return {{format("%f", 23 * 196 / 10000.0), "0.450800"},
            {format("%f", 5 - 100 * 196 / 10000.0).substr(0, 4), "3.04"},
            {format("%.2f", 206 / 100.0), "2.06"},
            {format("%03dl", 45), "045l"},
            {format("%04dl", 850), "0850l"},
            {format("%ld,%02ld", 1L, 6L), "1,06"}};  // list entries keep their comma
}

}  // namespace

// The program's own number formats are the C locale's whatever the user's
// environment says: a Polish locale writes 0,45 with printf, the read-outs
// must still show 0.45.
TEST(Format, NumbersIgnoreTheUserLocale) {
    for (const Case& c : cases())
        EXPECT_EQ(c.got, c.want) << "C locale";
    tarvex::testing::DecimalCommaLocale comma;
    if (!comma.available())
        GTEST_SKIP() << "no locale with a decimal comma could be set; checked in C only";
    char printf_says[16];
    std::snprintf(printf_says, sizeof printf_says, "%.2f", 0.45);
    ASSERT_STREQ(printf_says, "0,45") << comma.name();
    for (const Case& c : cases())
        EXPECT_EQ(c.got, c.want) << comma.name();
}

// In the English interface decimal commas become points; nothing else
// changes, in no language.
TEST(Format, DecimalSeparatorOfTheLanguage) {
    const char* const cases[][3] = {{"ang", "0,8-1,6", "0.8-1.6"},
                                    {"ang", "2:00", "2:00"},
                                    {"ang", "a, 1,b", "a, 1,b"},
                                    {"pol", "6,375", "6,375"}};
    for (const auto& c : cases)
        EXPECT_EQ(with_decimal_separator(c[1], decimal_separator(c[0])), c[2]) << c[0] << c[1];
}
