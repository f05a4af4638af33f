// SPDX-License-Identifier: MIT
// The command line of tarvex-cli: what is accepted, what is refused and why.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "cli/cli_options.h"

using namespace tarvex::cli;

TEST(CliOptions, CommandLines) {
    struct Case {
        std::vector<std::string> args;
        bool ok;
        const char* error_part;  // for refusals
    } cases[] = {
        {{"--port", "/dev/ttyUSB0", "status"}, true, ""},
        {{"status", "--port=COM2"}, true, ""},
        {{"--port", "COM1", "read", "a.tvs"}, true, ""},
        {{"--port", "COM1", "write", "a.tvs"}, true, ""},
        {{"--port", "COM1", "write", "--force", "a.tvs"}, true, ""},
        {{"--port", "COM1", "read", "--force", "a.tvs"}, false, "write and undo only"},
        {{"--port", "COM1", "--lang", "pol", "compare", "a.tvs"}, true, ""},
        {{"--port", "COM1", "log", "--seconds", "2.5", "--csv", "d.csv"}, true, ""},
        {{"--help"}, true, ""},
        {{"--port", "x", "status", "--version"}, true, ""},
        {{}, false, "no command"},
        {{"--port", "COM1"}, false, "no command"},
        {{"status"}, false, "no port"},
        {{"--port"}, false, "needs a value"},
        {{"--port=", "status"}, false, "needs a value"},
        {{"--port", "COM1", "reboot"}, false, "unknown command"},
        {{"--port", "COM1", "read"}, false, "needs one file"},
        {{"--port", "COM1", "read", "a.tvs", "b.tvs"}, false, "needs one file"},
        {{"--port", "COM1", "status", "a.tvs"}, false, "takes no file"},
        {{"--port", "COM1", "log"}, false, "--seconds"},
        {{"--port", "COM1", "log", "--seconds", "0"}, false, "bad value"},
        {{"--port", "COM1", "log", "--seconds", "-3"}, false, "bad value"},
        {{"--port", "COM1", "log", "--seconds", "ten"}, false, "bad value"},
        {{"--port", "COM1", "log", "--seconds", "inf"}, false, "bad value"},
        {{"--port", "COM1", "status", "--seconds", "3"}, false, "log only"},
        {{"--port", "COM1", "read", "a.tvs", "--csv", "x"}, false, "log only"},
        {{"--port", "COM1", "status", "--lang", "pol"}, false, "compare and report only"},
        {{"--port", "COM1", "status", "--verbose"}, false, "unknown option"},
        {{"--port", "COM1", "status", "-x"}, false, "unknown option"},
        {{"--help=yes"}, false, "takes no value"},
        {{"--port", "COM1", "status", "--timeout-scale", "20"}, true, ""},
        {{"--port", "COM1", "status", "--timeout-scale", "0"}, false, "1 to 50"},
        {{"--port", "COM1", "status", "--timeout-scale=51"}, false, "1 to 50"},
        {{"--port", "COM1", "status", "--timeout-scale", "2x"}, false, "1 to 50"},
        {{"report", "d.csv"}, true, ""},
        {{"report", "--json", "d.csv"}, true, ""},
        {{"report"}, false, "needs one file"},
        {{"--port", "COM1", "report", "d.csv"}, false, "takes no --port"},
        {{"--port", "COM1", "status", "--json"}, false, "report and history only"},
        {{"report", "d.csv", "--pdf", "d.pdf", "--lang", "pol", "--fitter=J. K."}, true, ""},
        {{"report", "d.csv", "--vehicle", "Skoda"}, true, ""},
        {{"--port", "COM1", "status", "--html", "d.html"}, false, "report only"},
        {{"find"}, true, ""},
        {{"find", "--port", "COM2", "/dev/ttyUSB0", "/dev/ttyUSB1"}, true, ""},
        {{"history", "--json", "--limit", "5", "--vehicle", "WX 1"}, true, ""},
        {{"--port", "COM1", "snapshot", "--note", "before the drive"}, true, ""},
        {{"--port", "COM1", "write", "a.tvs", "--history", "h", "--vehicle", "KR 9"}, true, ""},
        {{"--port", "COM1", "restore", "12"}, true, ""},
        {{"--port", "COM1", "undo", "--force"}, true, ""},
        {{"snapshot"}, false, "no port"},
        {{"--port", "COM1", "restore"}, false, "one snapshot number"},
        {{"--port", "COM1", "restore", "0"}, false, "bad snapshot number"},
        {{"--port", "COM1", "undo", "3"}, false, "takes no file"},
        {{"history", "--limit", "0"}, false, "bad value"},
        {{"--port", "COM1", "status", "--limit", "3"}, false, "history only"},
        {{"--port", "COM1", "undo", "--note", "x"}, false, "snapshot only"},
        {{"--port", "COM1", "read", "a.tvs", "--vehicle", "x"}, false, "history, snapshot"},
    };
    for (const auto& c : cases) {
        CliOptions o;
        std::string error;
        std::string line;
        for (const auto& a : c.args)
            line += a + " ";
        EXPECT_EQ(parse_cli_options(c.args, o, error), c.ok) << line << ": " << error;
        if (!c.ok) {
            EXPECT_NE(error.find(c.error_part), std::string::npos) << line << ": " << error;
        }
    }
    CliOptions o;
    std::string error;
    ASSERT_TRUE(
        parse_cli_options({"log", "--seconds=1.5", "--port", "COM3", "--csv=d.csv"}, o, error));
    EXPECT_EQ(o.command, "log");
    EXPECT_EQ(o.port, "COM3");
    EXPECT_DOUBLE_EQ(o.seconds, 1.5);
    EXPECT_EQ(o.csv, "d.csv");
    ASSERT_TRUE(parse_cli_options({"--port", "/dev/x", "compare", "-"}, o, error));
    EXPECT_EQ(o.file, "-");
    EXPECT_EQ(o.language, "ang");
}

TEST(CliOptions, HelpNamesEveryExitCode) {
    const std::string help = cli_usage();
    for (int code = kExitOk; code <= kExitHistory; ++code)
        EXPECT_NE(help.find("\n  " + std::to_string(code) + "  "), std::string::npos) << code;
    for (const char* command :
         {"status", "read FILE", "write FILE", "compare FILE", "log --seconds", "find [DEVICE",
          "report FILE", "history ", "snapshot ", "restore ID", "undo "})
        EXPECT_NE(help.find(command), std::string::npos) << command;
}

TEST(CliOptions, ManPageNamesEveryExitCodeAndCommand) {
    std::ifstream in(TARVEX_CLI_MAN_PAGE);
    ASSERT_TRUE(in) << TARVEX_CLI_MAN_PAGE;
    std::stringstream text;
    text << in.rdbuf();
    const std::string man = text.str();
    for (int code = kExitOk; code <= kExitHistory; ++code)
        EXPECT_NE(man.find(".TP\n.B " + std::to_string(code) + "\n"), std::string::npos) << code;
    for (const char* command :
         {".B status", ".BI read", ".BI write", ".BI compare", ".BI \"log", ".B find", ".BI report",
          ".B history", ".B snapshot", ".BI restore", ".B undo"})
        EXPECT_NE(man.find(command), std::string::npos) << command;
}
