// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <tuple>

#include "app/start_arguments.h"

// The settings file and the recording are taken out as the bytes given, whatever it looks like;
// Qt sees only what is left.
TEST(StartArguments, TheFileIsTakenBeforeQtSeesTheCommandLine) {
    struct Case {
        std::vector<std::string> args;
        std::string file, qt;  // Qt's arguments, each followed by a space
        std::string recording{};
    } cases[] = {
        {{"-style=x.tvs"}, "-style=x.tvs", ""},
        {{"-platform", "offscreen", "--", "-style=fusion"},
         "-style=fusion",
         "-platform offscreen "},
        {{"ust_\xb3.TVS", "-reverse"}, "ust_\xb3.TVS", "-reverse "},
        {{"--", "--help"}, "--help", ""},
        {{"drive.CSV", "s.tvs", "-reverse"}, "s.tvs", "-reverse ", "drive.CSV"},
        {{"--", "-x.csv"}, "", "", "-x.csv"},
    };
    for (auto& c : cases) {
        std::vector<char*> argv{const_cast<char*>("tarvex")};
        for (auto& a : c.args)
            argv.push_back(a.data());
        const auto s = tarvex::parse_start_arguments(static_cast<int>(argv.size()), argv.data());
        std::string qt;
        for (std::size_t i = 1; s.qt_argv[i]; ++i)
            qt += s.qt_argv[i] + std::string(" ");
        EXPECT_EQ(std::tie(s.file, qt, s.recording), std::tie(c.file, c.qt, c.recording));
    }
}
