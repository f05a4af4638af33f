// SPDX-License-Identifier: MIT
// tarvex-cli report: the JSON of a drive, nulls where the drive does not
// tell, and the exit code of every file it meets.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "cli/cli_report.h"
#include "sim/offline_drive.h"
#include "support/start_folder.h"

using namespace tarvex;
using namespace tarvex::cli;
using CliReport = tarvex::testing::StartFolderTest;

namespace {

struct Reported {
    int rc;
    std::string out, err;
};

Reported report(const std::string& file, bool json = true) {
    CliOptions o;
    o.command = "report";
    o.file = file;
    o.json = json;
    std::ostringstream out, err;
    const int rc = report_drive(o, out, err);
    return {rc, out.str(), err.str()};
}

std::string drive(const std::string& path, sim::SensorFault fault) {
    sim::SimController controller;
    controller.set_scenario({sim::DriveProfile::TownCold, fault, 5});
    sim::OfflineDrive d;
    d.path = path;
    d.seconds = 240;
    std::string error;
    EXPECT_TRUE(sim::write_offline_recording(controller, d, error)) << error;
    return path;
}

}  // namespace

TEST_F(CliReport, JsonOfADriveWithNullsWhereItDoesNotTell) {
    const Reported warm = report(drive("warm.csv", sim::SensorFault::None));
    EXPECT_EQ(warm.rc, kExitOk) << warm.err;
    EXPECT_EQ(warm.out.front(), '{');
    for (const char* key :
         {"duration_s", "rows", "gas_s", "petrol_s", "warmup_s", "switchovers", "switchbacks",
          "cutoffs", "link_losses", "learning", "lambda", "switch_hz_gas", "switch_hz_petrol",
          "rich_share_gas", "min_v", "max_v", "verdict", "actuator", "hunting_steps"})
        EXPECT_NE(warm.out.find("\"" + std::string(key) + "\":"), std::string::npos) << key;
    EXPECT_NE(warm.out.find("\"switchovers\":[{\"t\":"), std::string::npos) << warm.out;
    EXPECT_NE(warm.out.find("\"problem\":null"), std::string::npos);

    const Reported cold = report(drive("cold.csv", sim::SensorFault::ColdReducer));
    EXPECT_EQ(cold.rc, kExitOk);
    for (const char* part : {"\"warmup_s\":null", "\"switchovers\":[]", "\"switch_hz_gas\":null",
                             "\"verdict\":\"unknown\"", "\"hunting_steps\":null"})
        EXPECT_NE(cold.out.find(part), std::string::npos) << part << " in " << cold.out;
    EXPECT_NE(report("cold.csv", false).out.find("warm-up: no switch-over"), std::string::npos);
}

TEST_F(CliReport, ExitCodesAndReasons) {
    const std::string whole = drive("drive.csv", sim::SensorFault::None);
    std::string text;
    {
        std::ifstream in(whole, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        text = s.str();
    }
    std::ofstream("cut.csv", std::ios::binary) << text.substr(0, text.size() - 10);
    std::ofstream("settings.tvs") << "[Tarv_ex]\r\nVersion=1.2\r\n";
    struct Case {
        const char* file;
        int rc;
        const char* err_part;
    } cases[] = {
        {"cut.csv", kExitOk, "is cut off; only the rows before it are read"},
        {"settings.tvs", kExitFileRefused, "not a recording: line 1 has no column"},
        {"missing.csv", kExitFileRefused, "cannot open the file"},
        {".", kExitFileRefused, "not a regular file"},
    };
    for (const auto& c : cases) {
        const Reported r = report(c.file);
        EXPECT_EQ(r.rc, c.rc) << c.file;
        EXPECT_NE(r.err.find(c.err_part), std::string::npos) << c.file << ": " << r.err;
        EXPECT_EQ(r.out.empty(), c.rc != kExitOk) << c.file;
    }
    EXPECT_NE(report("cut.csv").out.find("\"problem\":\"line "), std::string::npos);
}
