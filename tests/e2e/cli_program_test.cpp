// SPDX-License-Identifier: MIT
// tarvex-cli beside the program, both against tarvex-sim: read writes the
// file the program's Save As writes, and write stops where File > Open stops.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/commands.h"
#include "app/main_window.h"
#include "config/settings_file.h"
#include "e2e/cli_process.h"
#include "link/settings_table.h"
#include "ports/posix_serial_port.h"
#include "readings/readings_view.h"
#include "sim/sim_controller.h"
#include "support/file_text.h"
#include "support/real_port_program.h"
#include "support/scripted_dialogs.h"
#include "support/sim_process.h"

using namespace tarvex;
using tarvex::testing::CliRun;
using tarvex::testing::SimProcess;
namespace fs = std::filesystem;

using tarvex::testing::read_all;

namespace {

struct CliAndProgram : tarvex::testing::RealPortProgramTest {
    tarvex::testing::ScriptedDialogs dialogs;

    void SetUp() override {
        RealPortProgramTest::SetUp();
        // Timeouts stretched, so that a busy machine cannot make a reply late.
        port.set_timeout_scale(20);
        program.dialogs = &dialogs;
    }
    void TearDown() override {
        stop_program();
        RealPortProgramTest::TearDown();
    }
    // The program on the simulator, its Readings view polled until it has
    // read the settings blocks.
    void start_program(const std::string& device) {
        program.link.devices.device[0] = device;
        open_window();
        auto* readings = qobject_cast<ReadingsView*>(window->current_view());
        ASSERT_NE(readings, nullptr);
        for (int i = 0; i < 8; ++i)
            readings->tick();
        ASSERT_EQ(program.link.NoConnection, 0);
    }
    // Lets go of the port, so that the cli may open it.
    void stop_program() {
        window.reset();
        close_port(program.link);
    }
    // The cli, its timeouts stretched as the program's.
    CliRun cli(std::vector<std::string> args) {
        args.insert(args.end(), {"--timeout-scale", "20"});
        return tarvex::testing::run_cli(args, dir.string());
    }
    std::string path(const char* name) const { return (dir / name).string(); }
    QString qpath(const char* name) const { return QString::fromStdString(path(name)); }
};

// The factory settings with every value changed.
std::string all_changed_file() {
    ControllerImage m;
    const auto& factory = sim::SimController::factory_settings();
    for (const SettingDef& d : kSettings) {
        const auto v = static_cast<std::uint8_t>(factory[d.code] + 1);
        if (d.frame == Frame::Live)
            m.LiveFrame[d.offset] = v;
        else if (d.frame == Frame::Block1)
            m.SettingsBlock1[d.offset] = v;
        else
            m.SettingsBlock2[d.offset] = v;
    }
    return settings_file_text(m);
}

// The first of the 28 writes that a controller with these faults leaves
// unacknowledged, from the same dice the simulator rolls.
int first_unacknowledged(const sim::FaultRates& faults, unsigned seed) {
    sim::SimController c(2, 6, faults, seed);
    for (std::size_t i = 0; i < kSettings.size(); ++i)
        if (!c.handle(command_frame(kSettings[i].code, 1), 1.0))
            return static_cast<int>(i);
    return static_cast<int>(kSettings.size());
}

}  // namespace

TEST_F(CliAndProgram, ReadWritesTheFileTheProgramSaves) {
    SimProcess sim({"--no-pacing"});
    ASSERT_TRUE(sim.ready());
    // Settings other than the factory's, so that every line counts.
    std::ofstream(dir / "changed.tvs", std::ios::binary) << all_changed_file();
    CliRun r = cli({"--port", sim.link(), "write", "--force", path("changed.tvs")});
    ASSERT_EQ(r.exit_code, 0) << r.err;
    r = cli({"--port", sim.link(), "read", path("cli.tvs")});
    ASSERT_EQ(r.exit_code, 0) << r.err;

    start_program(sim.link());
    dialogs.file_names = {qpath("program.tvs")};
    window->run_command(cmd::SaveAs);
    stop_program();
    EXPECT_TRUE(dialogs.messages.empty());
    const std::string program_file = read_all(dir / "program.tvs");
    EXPECT_EQ(program_file.size(), all_changed_file().size());
    EXPECT_EQ(read_all(dir / "cli.tvs"), program_file);
    EXPECT_EQ(program_file, all_changed_file());
}

TEST_F(CliAndProgram, WriteStopsWhereTheProgramStops) {
    // A controller that leaves some writes unacknowledged (each is applied
    // all the same); the seed is one whose first refusal falls mid-file.
    sim::FaultRates faults;
    faults.no_ack = 0.15;
    unsigned seed = 1;
    int stop = 0;
    for (; seed < 200; ++seed) {
        stop = first_unacknowledged(faults, seed);
        if (stop >= 4 && stop <= 23)
            break;
    }
    ASSERT_LT(seed, 200u);
    const std::vector<std::string> sim_args{"--no-pacing", "--no-ack", "15%", "--seed",
                                            std::to_string(seed)};
    const std::string file = all_changed_file();
    std::ofstream(dir / "changed.tvs", std::ios::binary) << file;

    // The program's File > Open.
    SimProcess for_program(sim_args);
    ASSERT_TRUE(for_program.ready());
    start_program(for_program.link());
    dialogs.file_names = {qpath("changed.tvs")};
    window->run_command(cmd::Open);
    stop_program();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    ASSERT_EQ(dialogs.messages[0].caption, QStringLiteral("T170"));
    CliRun r = cli({"--port", for_program.link(), "read", path("after-program.tvs")});
    ASSERT_EQ(r.exit_code, 0) << r.err;

    // The cli's write on a controller rolling the same dice.
    SimProcess for_cli(sim_args);
    ASSERT_TRUE(for_cli.ready());
    r = cli({"--port", for_cli.link(), "write", "--force", path("changed.tvs")});
    EXPECT_EQ(r.exit_code, 6);
    const std::string key(kSettings[static_cast<std::size_t>(stop)].key);
    EXPECT_NE(r.err.find("acknowledge " + key + "= "), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("(setting " + std::to_string(stop + 1) + " of 28"), std::string::npos)
        << r.err;
    r = cli({"--port", for_cli.link(), "read", path("after-cli.tvs")});
    ASSERT_EQ(r.exit_code, 0) << r.err;

    // Both controllers took the same writes: the file's values up to the
    // refused one, the factory's after it.
    const std::string after = read_all(dir / "after-cli.tvs");
    EXPECT_EQ(after, read_all(dir / "after-program.tvs"));
    const ParsedSettings got = parse_settings_file(after);
    const ParsedSettings sent = parse_settings_file(file);
    ASSERT_TRUE(got.ok);
    const auto& factory = sim::SimController::factory_settings();
    for (std::size_t i = 0; i < kSettings.size(); ++i)
        EXPECT_EQ(got.values[i],
                  static_cast<int>(i) <= stop ? sent.values[i] : factory[kSettings[i].code])
            << kSettings[i].key;
}
