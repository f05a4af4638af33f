// SPDX-License-Identifier: MIT
// tarvex-cli against tarvex-sim on a pseudo-terminal: what each command
// prints and the exit code of every outcome.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "e2e/cli_process.h"
#include "ports/posix_serial_port.h"
#include "recording/recording_reader.h"
#include "support/file_text.h"
#include "support/sim_process.h"
#include "support/start_folder.h"

using namespace tarvex;
using tarvex::testing::CliRun;
using tarvex::testing::run_cli;
using tarvex::testing::SimProcess;
namespace fs = std::filesystem;

using tarvex::testing::read_all;

namespace {

struct Cli : tarvex::testing::StartFolderTest {
    CliRun cli(std::vector<std::string> args) { return run_cli(args, dir.string()); }
    // With timeouts stretched 20 times, so that a busy machine cannot make a
    // prompt reply late; for runs that expect the controller to answer.
    CliRun patient(std::vector<std::string> args) {
        args.insert(args.end(), {"--timeout-scale", "20"});
        return cli(args);
    }
    std::string path(const char* name) const { return (dir / name).string(); }
    // The settings file of a simulated controller, read by the cli.
    std::string saved(const SimProcess& sim, const char* name) {
        const CliRun r = patient({"--port", sim.link(), "read", path(name)});
        EXPECT_EQ(r.exit_code, 0) << r.err;
        return read_all(dir / name);
    }
};

std::string with_value(std::string text, const std::string& key, int value) {
    const auto at = text.find("\r\n" + key + "= ");
    const auto end = text.find("\r\n", at + 2);
    return text.replace(at + 2, end - at - 2, key + "= " + std::to_string(value));
}

}  // namespace

TEST_F(Cli, StatusTellsGenerationVersionAndLink) {
    struct Case {
        std::vector<std::string> sim_args;
        int exit_code;
        const char* lines;
    } cases[] = {
        // The silent one with the link's own timeouts, the others patient.
        {{"--no-pacing"}, 0, "link: connected\ngeneration: 2\nversion: 2.06\n"},
        {{"--no-pacing", "--generation", "3", "--minor", "1"},
         0,
         "link: unsupported\ngeneration: 3\nversion: 3.01\n"},
        {{"--silence", "100%"}, 4, "link: lost\n"},
    };
    for (const auto& c : cases) {
        SimProcess sim(c.sim_args);
        ASSERT_TRUE(sim.ready());
        const std::vector<std::string> args{"--port", sim.link(), "status"};
        const CliRun r = c.exit_code == 0 ? patient(args) : cli(args);
        EXPECT_EQ(r.exit_code, c.exit_code) << c.sim_args[0] << r.err;
        EXPECT_EQ(r.out, "port: " + sim.link() + "\n" + c.lines);
    }
}

TEST_F(Cli, ComPortsResolveThroughThePortsFile) {
    SimProcess sim({"--no-pacing"});
    ASSERT_TRUE(sim.ready());
    std::ofstream(dir / "Tarvex.ports") << "# the adapter\nCOM2=" << sim.link() << "\n";
    const CliRun r = patient({"--port", "COM2", "status"});
    EXPECT_EQ(r.exit_code, 0) << r.err;
    EXPECT_EQ(r.out.substr(0, r.out.find('\n')), "port: " + sim.link());
    const CliRun lower = patient({"--port", "com2:", "status"});
    EXPECT_EQ(lower.exit_code, 0) << lower.err;
}

// find prints the device the controller answers on and, asked to, makes a
// COM port stand for it; a device another program holds is named, not tried.
TEST_F(Cli, FindNamesTheControllersDevice) {
    SimProcess sim({"--no-pacing"}), held({"--no-pacing"});
    ASSERT_TRUE(sim.ready() && held.ready());
    PosixSerialPort holder;
    ASSERT_TRUE(holder.open(held.link()));
    std::ofstream(dir / "Tarvex.ports") << "COM2=/dev/ttyUSB7\n";
    CliRun r = patient({"find", "--port", "COM2", held.link(), sim.link()});
    EXPECT_EQ(r.exit_code, 0) << r.err;
    EXPECT_EQ(r.out, sim.link() + "\n");
    EXPECT_NE(r.err.find(held.link() + " is in use by another program; not tried"),
              std::string::npos)
        << r.err;
    EXPECT_EQ(read_all(dir / "Tarvex.ports"), "COM2=" + sim.link() + "\n");
    EXPECT_EQ(cli({"find", "/nonexistent/ttyUSB9"}).exit_code, 4);
}

TEST_F(Cli, PortsThatCannotBeOpened) {
    struct Case {
        const char* device;
        const char* message;
    } cases[] = {{"/nonexistent/ttyUSB9", "no serial device /nonexistent/ttyUSB9"},
                 {"/dev/null", "/dev/null is not a serial device"}};
    for (const auto& c : cases) {
        for (const char* command : {"status", "log"}) {
            std::vector<std::string> args{"--port", c.device, command};
            if (std::string(command) == "log")
                args.insert(args.end(), {"--seconds", "1"});
            const CliRun r = cli(args);
            EXPECT_EQ(r.exit_code, 5) << c.device << " " << command;
            EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
        }
    }
}

TEST_F(Cli, APortAnotherProgramHoldsIsRefused) {
    SimProcess sim({"--no-pacing"});
    ASSERT_TRUE(sim.ready());
    PosixSerialPort holder;
    ASSERT_TRUE(holder.open(sim.link()));
    PosixSerialPort probe;
    ASSERT_FALSE(probe.open(sim.link())) << "a port another program holds was opened";
    const CliRun r = cli({"--port", sim.link(), "status"});
    EXPECT_EQ(r.exit_code, 5);
    EXPECT_NE(r.err.find("in use by another program"), std::string::npos) << r.err;
}

TEST_F(Cli, ReadWriteAndCompareExitCodes) {
    SimProcess sim({"--no-pacing"});
    ASSERT_TRUE(sim.ready());
    const std::string port = sim.link();
    const std::string factory = saved(sim, "factory.tvs");
    ASSERT_EQ(std::count(factory.begin(), factory.end(), '\n'), 31);

    std::string changed = with_value(factory, "AttMax", 33);
    changed = with_value(changed, "IgnitionType", 9);
    std::ofstream(dir / "changed.tvs", std::ios::binary) << changed;
    std::ofstream(dir / "bad.tvs", std::ios::binary) << "[Tarv_ex]\r\nVersion=1.3\r\n";
    std::ofstream(dir / "odd.tvs", std::ios::binary) << with_value(factory, "IgnitionType", 200);

    // Compare: equal, then two keys marked.
    CliRun r = patient({"--port", port, "compare", path("factory.tvs")});
    EXPECT_EQ(r.exit_code, 0) << r.err;
    EXPECT_NE(r.out.find("0 of 36 rows differ"), std::string::npos) << r.out;
    r = patient({"--port", port, "compare", path("changed.tvs")});
    EXPECT_EQ(r.exit_code, 1) << r.err;
    std::vector<std::string> marked;
    std::istringstream lines(r.out);
    for (std::string line; std::getline(lines, line);)
        if (line.rfind("*\t", 0) == 0)
            marked.push_back(line.substr(2, line.find('\t', 2) - 2));
    EXPECT_EQ(marked, (std::vector<std::string>{"AttMax=", "IgnitionType="}));

    // Refused files send nothing.
    struct Refused {
        const char* command;
        const char* file;
        const char* message;
    } refused[] = {{"write", "missing.tvs", "cannot open"},
                   {"write", "bad.tvs", "not a valid Tarvex settings file"},
                   {"write", "odd.tvs", "no list of Tarvex offers: IgnitionType= 200;"},
                   {"compare", "bad.tvs", "not a valid Tarvex settings file"},
                   {"compare", "missing.tvs", "cannot open"}};
    for (const auto& f : refused) {
        r = patient({"--port", port, f.command, path(f.file)});
        EXPECT_EQ(r.exit_code, 3) << f.command << " " << f.file;
        EXPECT_NE(r.err.find(f.message), std::string::npos) << r.err;
    }
    EXPECT_EQ(saved(sim, "after-refused.tvs"), factory);

    // Write, then read back what was written.
    r = patient({"--port", port, "write", path("changed.tvs")});
    EXPECT_EQ(r.exit_code, 0) << r.err;
    EXPECT_EQ(saved(sim, "after-write.tvs"), changed);
    r = patient({"--port", port, "write", "--force", path("odd.tvs")});
    EXPECT_EQ(r.exit_code, 0) << r.err;

    // A read that cannot be saved.
    r = patient({"--port", port, "read", path("no-such-folder/x.tvs")});
    EXPECT_EQ(r.exit_code, 7);
    EXPECT_NE(r.err.find("cannot write"), std::string::npos) << r.err;

    // Bad command lines.
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"--port", port, "read"}, {"--port", port, "frobnicate"}, {"status"}, {"--bogus"}}) {
        r = cli(args);
        EXPECT_EQ(r.exit_code, 2) << args.back();
        EXPECT_NE(r.err.find("--help"), std::string::npos);
    }
    r = cli({"--help"});
    EXPECT_EQ(r.exit_code, 0);
    EXPECT_NE(r.out.find("Exit codes:"), std::string::npos);
}

TEST_F(Cli, ControllersThatDoNotTakeSettings) {
    std::ofstream(dir / "any.tvs", std::ios::binary)
        << "[Tarv_ex]\r\nVersion=1.2\r\n[Configuration]\r\nOptions= 0\r\nLambdaType= 0\r\n"
           "LambdaPoint= 0\r\nLambdaDelay= 0\r\nEmulType= 0\r\nEmulBJ_TimeHi= 0\r\n"
           "EmulBJ_TimeLo= 0\r\nEmulDO_TimeHi= 0\r\nEmulDO_TimeLo= 0\r\nInjectDelay= 0\r\n"
           "LPGOnTemp= 0\r\nAttMax= 0\r\nAttMin= 0\r\nAttInit= 0\r\nTPSJump= 0\r\nAttJump= 0\r\n"
           "LPGOnRPMLo= 0\r\nLPGOnRPMHi= 0\r\nIgnitionType= 0\r\nCutOffRPMLo= 0\r\n"
           "CutOffRPMHi= 0\r\nCutOffSteps= 0\r\nLPGOffRPMLo= 0\r\nLPGOffRPMHi= 0\r\n"
           "TPSInert= 0\r\nAttMax_BJ= 0\r\nAttMin_BJ= 0\r\nOtwarcie_GAZU= 0\r\n";
    struct Case {
        std::vector<std::string> sim_args;
        const char* command;
        int exit_code;
        const char* message;
    } cases[] = {
        {{"--no-pacing", "--generation", "3"}, "read", 4, "generation 3"},
        {{"--no-pacing", "--generation", "3"}, "write", 4, "generation 3"},
        {{"--no-pacing", "--generation", "1"}, "compare", 4, "generation 1"},
        {{"--silence", "100%"}, "read", 4, "no answer"},
        {{"--silence", "100%"}, "write", 4, "no answer"},
        {{"--no-pacing", "--no-ack", "100%"},
         "write",
         6,
         "did not acknowledge Options= 0 (setting 1 of 28"},
        // Every write acknowledged, none taken: read back, each is named.
        {{"--no-pacing", "--ignore", "100%"}, "write", 6, "does not hold Options= 0: it holds 106"},
    };
    for (const auto& c : cases) {
        SimProcess sim(c.sim_args);
        ASSERT_TRUE(sim.ready());
        std::vector<std::string> args{"--port", sim.link(), c.command, path("any.tvs")};
        if (std::string(c.command) == "write")
            args.push_back("--force");  // zeros that no list offers
        const bool silent = c.sim_args.front() == "--silence";
        const CliRun r = silent ? cli(args) : patient(args);
        EXPECT_EQ(r.exit_code, c.exit_code) << c.command << " " << c.sim_args.back();
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    }
}

TEST_F(Cli, LogRecordsTheReadings) {
    SimProcess sim;
    ASSERT_TRUE(sim.ready());
    // To standard output and to a file: a recording that reads back whole.
    CliRun r = patient({"--port", sim.link(), "log", "--seconds", "0.6"});
    EXPECT_EQ(r.exit_code, 0) << r.err;
    Recording rec;
    std::string error;
    ASSERT_TRUE(parse_recording(r.out, rec, error)) << error;
    EXPECT_TRUE(rec.problem.empty());
    EXPECT_EQ(rec.tick(0).replies[0].size, 4);
    EXPECT_EQ(rec.tick(0).replies[1].size, 11);
    EXPECT_NE(r.out.find(",connected\r\n"), std::string::npos);

    r = patient({"--port", sim.link(), "log", "--seconds", "0.3", "--csv", path("drive.csv")});
    EXPECT_EQ(r.exit_code, 0) << r.err;
    EXPECT_TRUE(r.out.empty());
    ASSERT_TRUE(load_recording(path("drive.csv"), rec, error)) << error;

    // A controller that never answers.
    SimProcess silent({"--silence", "100%"});
    ASSERT_TRUE(silent.ready());
    r = cli({"--port", silent.link(), "log", "--seconds", "0.5"});
    EXPECT_EQ(r.exit_code, 4);
    ASSERT_TRUE(parse_recording(r.out, rec, error)) << error;
    EXPECT_EQ(rec.tick(0).replies[0].size, 0);
}

// Values out of range are refused before anything is done (2); an output not
// written fails (7), unless its reader went away; closed standard streams
// take nothing from the controller's line.
TEST_F(Cli, ExitCodesOfValuesAndOutputs) {
    const std::string log = path("sim.log");
    SimProcess sim({"--no-pacing", "--verbose"}, {}, log);
    ASSERT_TRUE(sim.ready());
    const std::string tvs = path("f.tvs"), fifo = path("fifo");
    saved(sim, "f.tvs");
    ::mkfifo(fifo.c_str(), 0644);
    struct Case {
        std::vector<std::string> args;
        const char* to;
        int exit_code;
        const char* err;
    } cases[] = {
        {{"log", "--seconds", "1e-10"}, "", 2, "bad value for --seconds"},
        {{"compare", tvs, "--lang", "xyz"}, "", 2, "bad value for --lang"},
        {{"status"}, "/dev/full", 7, "No space left on device"},
        {{"compare", tvs}, "/dev/full", 7, "No space left on device"},
        {{"log", "--seconds", "0.3"}, "/dev/full", 7, "No space left on device"},
        {{"read", "/dev/full"}, "", 7, "not a regular file"},
        {{"log", "--seconds", "0.3", "--csv", fifo}, "", 7, "not a regular file"},
        {{"compare", path("missing.tvs")}, "", 3, "missing.tvs: No such file or directory"},
        {{"log", "--seconds", "0.3"}, "|", 0, ""},
        {{"log", "--seconds", "0.3"}, "-", 0, ""},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args{"--port", sim.link(), "--timeout-scale", "20"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const CliRun r = run_cli(args, dir.string(), c.to);
        EXPECT_EQ(r.exit_code, c.exit_code) << c.args[0] << " > " << c.to << ": " << r.err;
        EXPECT_TRUE(*c.err ? r.err.find(c.err) != std::string::npos : r.err.empty()) << r.err;
    }
    // Only the read commands reached the controller: no output went down the line.
    const std::string reads = "|65 01 01 67|65 02 02 69|65 03 03 6B|65 04 04 6D|";
    std::istringstream lines(read_all(log));
    for (std::string line; std::getline(lines, line);)
        if (const auto at = line.find(" <- "); at != std::string::npos) {
            EXPECT_NE(reads.find("|" + line.substr(at + 4) + "|"), std::string::npos) << line;
        }
}

// write, undo and restore keep their writes in the history beside the
// command; undo puts back what the last change replaced, walks back, and
// sends nothing when the controller no longer shows what the change sent
// (unless --force); a history that cannot be used stops the history
// commands but not write.
TEST_F(Cli, HistoryKeepsWritesAndUndoesAndRestoresThem) {
    SimProcess sim({"--no-pacing"});
    ASSERT_TRUE(sim.ready());
    const std::string port = sim.link();
    const std::string factory = saved(sim, "factory.tvs");
    std::ofstream(dir / "a.tvs", std::ios::binary) << with_value(factory, "AttMax", 33);
    std::ofstream(dir / "b.tvs", std::ios::binary) << with_value(factory, "AttMax", 34);
    const auto run = [&](std::vector<std::string> args) {
        args.insert(args.begin(), {"--port", port});
        return patient(args);
    };

    CliRun r = run({"snapshot", "--note", "as it came in"});
    ASSERT_EQ(r.exit_code, 0) << r.err;
    EXPECT_EQ(r.out, "snapshot 1\n");
    ASSERT_EQ(run({"write", path("a.tvs")}).exit_code, 0);
    r = run({"undo"});
    EXPECT_EQ(r.exit_code, 0) << r.err;
    EXPECT_NE(r.out.find("undone: change 1 (cli"), std::string::npos) << r.out;
    EXPECT_EQ(saved(sim, "undone.tvs"), factory);
    EXPECT_EQ(run({"undo"}).out, "nothing to undo\n");

    // Changed behind the history's back: undo names it and waits for --force.
    ASSERT_EQ(run({"write", path("b.tvs")}).exit_code, 0);
    ASSERT_EQ(run({"write", path("a.tvs"), "--history", path("other.history")}).exit_code, 0);
    r = run({"undo"});
    EXPECT_EQ(r.exit_code, 1);
    EXPECT_NE(r.err.find("sent AttMax= 34, the controller shows 33 now"), std::string::npos)
        << r.err;
    EXPECT_EQ(run({"undo", "--force"}).exit_code, 0);
    EXPECT_EQ(saved(sim, "forced.tvs"), factory);

    ASSERT_EQ(run({"write", path("a.tvs")}).exit_code, 0);
    r = run({"restore", "1"});
    EXPECT_EQ(r.exit_code, 0) << r.err;
    EXPECT_EQ(saved(sim, "restored.tvs"), factory);
    EXPECT_EQ(run({"restore", "99"}).exit_code, 8);

    r = cli({"history", "--json"});
    EXPECT_EQ(r.exit_code, 0) << r.err;
    for (const char* kept :
         {"\"note\":\"as it came in\"", "\"source\":\"cli\"", "\"source\":\"undo\"",
          "\"source\":\"restore\"", "\"kind\":\"before-restore\""})
        EXPECT_NE(r.out.find(kept), std::string::npos) << kept;
    r = cli({"history", "--limit", "1"});
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 2) << r.out;

    // A folder where the history should be.
    const std::string folder = path("a-folder");
    fs::create_directory(folder);
    EXPECT_EQ(cli({"history", "--history", folder}).exit_code, 8);
    r = run({"write", path("a.tvs"), "--history", folder});
    EXPECT_EQ(r.exit_code, 0) << r.err;
    EXPECT_NE(r.err.find("the write goes on without it"), std::string::npos) << r.err;
}
