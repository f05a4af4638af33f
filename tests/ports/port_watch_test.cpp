// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>

#include "link/link_state.h"
#include "ports/port_watch.h"
#include "support/scripted_serial_port.h"

using namespace tarvex;
namespace fs = std::filesystem;

TEST(PortProblem, ReasonsByErrno) {
    struct Case {
        int error;
        PortProblem problem;
        const char* note;
    } cases[] = {
        {0, PortProblem::None, ""},
        {ENOENT, PortProblem::NoSuchDevice, "no such device"},
        {ENODEV, PortProblem::NoSuchDevice, "no such device"},
        {ENXIO, PortProblem::NoSuchDevice, "no such device"},
        {EACCES, PortProblem::NoPermission, "no permission"},
        {EPERM, PortProblem::NoPermission, "no permission"},
        {EBUSY, PortProblem::HeldByAnother, "held by another program"},
        {EWOULDBLOCK, PortProblem::HeldByAnother, "held by another program"},
        {ENOTTY, PortProblem::NotATerminal, "not a terminal"},
        {EISDIR, PortProblem::NotATerminal, "not a terminal"},
        {EIO, PortProblem::Other, "cannot open (Input/output error)"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(port_problem_of(c.error), c.problem) << c.error;
        EXPECT_EQ(port_problem_note(c.error), c.note) << c.error;
    }
}

TEST(PortProblem, LinesAndThePermissionFix) {
    EXPECT_EQ(port_problem_line("COM2:", "/dev/ttyUSB0", ENOENT),
              "tarvex: COM 2 (/dev/ttyUSB0): no such device");
    EXPECT_EQ(port_problem_line("COM1:", "/dev/ttyUSB0", EBUSY),
              "tarvex: COM 1 (/dev/ttyUSB0): held by another program");
    // A device that cannot be looked at: the usual group.
    EXPECT_EQ(port_problem_line("COM4:", "/nonexistent/ttyUSB0", EACCES),
              "tarvex: COM 4 (/nonexistent/ttyUSB0): no permission; fix: sudo usermod -aG "
              "dialout $USER, then log in again");

    const fs::path dev = fs::temp_directory_path() / ("tarvex-perm-" + std::to_string(getpid()));
    std::ofstream(dev) << "";
    // A mode that no group may use: joining a group would not help.
    ::chmod(dev.c_str(), 0);
    const std::string line = port_problem_line("COM1:", dev.string(), EACCES);
    EXPECT_EQ(
        line.rfind("tarvex: COM 1 (" + dev.string() + "): no permission (mode 0000, owner ", 0), 0u)
        << line;
    EXPECT_EQ(line.find("usermod"), std::string::npos);
    // A device of the dialout group that the group may read and write.
    const group* dialout = ::getgrnam("dialout");
    if (dialout && ::chown(dev.c_str(), static_cast<uid_t>(-1), dialout->gr_gid) == 0) {
        ::chmod(dev.c_str(), 0660);
        EXPECT_EQ(port_problem_line("COM1:", dev.string(), EACCES),
                  "tarvex: COM 1 (" + dev.string() +
                      "): no permission; fix: sudo usermod -aG dialout $USER, then log in again");
    }
    fs::remove(dev);
}

TEST(PortWatch, OneLineEachTimeTheReasonChangesNeverOneAPoll) {
    std::vector<std::string> said;
    PortWatch watch([&](const std::string& l) { said.push_back(l); });
    ScriptedSerialPort port;
    LinkState link;
    link.port = &port;
    link.watch = &watch;
    link.devices.device[0] = "/dev/ttyUSB0";
    ControllerImage image;
    auto polls = [&](int n) {
        for (int i = 0; i < n; ++i)
            poll_status(link, image);
    };

    port.set_open_error(ENOENT);
    polls(6);  // lost after three, every later poll reopens
    EXPECT_EQ(said, (std::vector<std::string>{"tarvex: COM 1 (/dev/ttyUSB0): no such device"}));
    EXPECT_EQ(watch.note("/dev/ttyUSB0"), "no such device");
    EXPECT_EQ(watch.problem("/dev/ttyUSB0"), PortProblem::NoSuchDevice);

    port.set_open_error(EBUSY);
    polls(4);
    ASSERT_EQ(said.size(), 2u);
    EXPECT_EQ(said[1], "tarvex: COM 1 (/dev/ttyUSB0): held by another program");

    // Opened: the reason is gone; the same failure later is said again.
    port.set_open_error(0);
    polls(1);
    EXPECT_EQ(watch.note("/dev/ttyUSB0"), "");
    EXPECT_EQ(watch.problem("/dev/ttyUSB0"), PortProblem::None);
    close_port(link);
    port.set_open_error(EBUSY);
    polls(3);
    ASSERT_EQ(said.size(), 3u);
    EXPECT_EQ(said[2], said[1]);

    // Another port with its own device: its own line, and each device keeps its note.
    link.port_name = "COM2:";
    link.devices.device[1] = "/tmp";
    close_port(link);
    port.set_open_error(EISDIR);
    polls(3);
    ASSERT_EQ(said.size(), 4u);
    EXPECT_EQ(said[3], "tarvex: COM 2 (/tmp): not a terminal");
    EXPECT_EQ(watch.note("/dev/ttyUSB0"), "held by another program");
    EXPECT_EQ(watch.note("/tmp"), "not a terminal");
    EXPECT_EQ(watch.note("/dev/ttyS3"), "");
}
