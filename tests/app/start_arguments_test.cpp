// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/start_arguments.h"

using namespace tarvex;

// The settings file is taken out as the bytes given, whatever it looks like;
// Qt sees only what is left.
TEST(StartArguments, TheFileIsTakenBeforeQtSeesTheCommandLine) {
    struct Case {
        std::vector<std::string> args;
        std::string file, qt;  // Qt's arguments, each followed by a space
    } cases[] = {
        {{"-style=x.tvs"}, "-style=x.tvs", ""},
        {{"-platform", "offscreen", "--", "-style=fusion"},
         "-style=fusion",
         "-platform offscreen "},
        {{"ust_\xb3.TVS", "-reverse"}, "ust_\xb3.TVS", "-reverse "},
        {{"--", "--help"}, "--help", ""},
    };
    for (auto& c : cases) {
        std::vector<char*> argv{const_cast<char*>("tarvex")};
        for (auto& a : c.args)
            argv.push_back(a.data());
        const StartArguments s = parse_start_arguments(static_cast<int>(argv.size()), argv.data());
        std::string qt;
        for (std::size_t i = 1; i + 1 < s.qt_argv.size(); ++i)
            qt += s.qt_argv[i] + std::string(" ");
        EXPECT_EQ(s.file, c.file) << c.args[0];
        EXPECT_EQ(qt, c.qt) << c.args[0];
        EXPECT_FALSE(s.help) << c.args[0];
    }
}
