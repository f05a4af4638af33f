// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "ports/serial_devices.h"

using namespace tarvex;
namespace fs = std::filesystem;

namespace {

std::vector<std::string> paths(const std::vector<SerialDevice>& list) {
    std::vector<std::string> out;
    for (const auto& d : list)
        out.push_back(d.path);
    return out;
}

SerialDevice node(const std::string& kernel, const std::string& maker = {}) {
    return {kernel, kernel, maker, {}, {}};
}

}  // namespace

TEST(SerialDevices, MenuOrderByIdFirstThenKindsAndOnlyAnsweringTtyS) {
    const std::map<std::string, std::string> by_id{
        {"/dev/ttyUSB1", "/dev/serial/by-id/usb-Prolific_PL2303-if00-port0"},
        {"/dev/ttyACM3", "/dev/serial/by-id/usb-Arduino_Uno_7563-if00"},
        {"/dev/ttyUSB7", "/dev/serial/by-id/usb-FTDI_FT232R_A50285BI-if00-port0"}};
    std::vector<std::string> asked;
    auto answers = [&](const std::string& n) {
        asked.push_back(n);
        return n == "/dev/ttyS1" || n == "/dev/ttyS10";
    };
    const auto list = arrange_serial_devices(
        {node("/dev/ttyS0"), node("/dev/ttyS10"), node("/dev/ttyUSB10"), node("/dev/ttyS1"),
         node("/dev/ttyACM0"), node("/dev/ttyUSB1", "Prolific"), node("/dev/ttyUSB2"),
         node("/dev/ttyACM3"), node("/dev/ttyAMA0"), node("/dev/ttyUSB2")},
        by_id, answers);
    EXPECT_EQ(paths(list), (std::vector<std::string>{
                               "/dev/serial/by-id/usb-Arduino_Uno_7563-if00",
                               "/dev/serial/by-id/usb-FTDI_FT232R_A50285BI-if00-port0",
                               "/dev/serial/by-id/usb-Prolific_PL2303-if00-port0",
                               "/dev/ttyUSB2",
                               "/dev/ttyUSB10",
                               "/dev/ttyACM0",
                               "/dev/ttyAMA0",
                               "/dev/ttyS1",
                               "/dev/ttyS10",
                           }));
    // Only on-board ports are asked; what the listing knew stays with its device.
    EXPECT_EQ(asked, (std::vector<std::string>{"/dev/ttyS0", "/dev/ttyS10", "/dev/ttyS1"}));
    EXPECT_EQ(list[2].kernel, "/dev/ttyUSB1");
    EXPECT_EQ(list[2].maker, "Prolific");
    // A by-id link the listing lacked is still offered.
    EXPECT_EQ(list[1].kernel, "/dev/ttyUSB7");
    EXPECT_TRUE(arrange_serial_devices({node("/dev/ttyS0")}, {}, {}).empty());
}

TEST(SerialDevices, MenuTexts) {
    struct Case {
        SerialDevice d;
        std::string text;
    } cases[] = {
        {{"/dev/serial/by-id/usb-FTDI_FT232R-if00-port0", "/dev/ttyUSB0", "FTDI", "FT232R USB UART",
          "A50285BI"},
         "/dev/serial/by-id/usb-FTDI_FT232R-if00-port0 (ttyUSB0)\tFTDI, FT232R USB UART, serial "
         "A50285BI"},
        {{"/dev/ttyACM0", "/dev/ttyACM0", "", "USB Serial", ""}, "/dev/ttyACM0\tUSB Serial"},
        {{"/dev/ttyS1", "/dev/ttyS1", "", "", ""}, "/dev/ttyS1"},
        {{"/dev/ttyUSB3", "/dev/ttyUSB3", "", "", "0042"}, "/dev/ttyUSB3\tserial 0042"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(device_menu_text(c.d), c.text);
}

TEST(SerialDevices, ByIdLinksAndTermiosQuery) {
    const fs::path dir = fs::temp_directory_path() / ("tarvex-byid-" + std::to_string(getpid()));
    fs::create_directories(dir / "by-id");
    std::ofstream(dir / "ttyUSB4") << "";
    std::ofstream(dir / "ttyUSB5") << "";
    fs::create_symlink("../ttyUSB4", dir / "by-id" / "usb-B-port0");
    fs::create_symlink("../ttyUSB4", dir / "by-id" / "usb-A-port0");
    fs::create_symlink(dir / "ttyUSB5", dir / "by-id" / "usb-C-port0");
    fs::create_symlink("../gone", dir / "by-id" / "usb-D-port0");
    const auto links = by_id_links((dir / "by-id").string());
    const std::string usb4 = fs::canonical(dir / "ttyUSB4").string();
    ASSERT_EQ(links.size(), 2u);
    EXPECT_EQ(links.at(usb4), (dir / "by-id" / "usb-A-port0").string());
    EXPECT_EQ(links.at(fs::canonical(dir / "ttyUSB5").string()),
              (dir / "by-id" / "usb-C-port0").string());
    EXPECT_TRUE(by_id_links("/nonexistent/by-id").empty());

    // A regular file and a missing node do not answer; a terminal does.
    EXPECT_FALSE(answers_termios(usb4));
    EXPECT_FALSE(answers_termios("/nonexistent/ttyS9"));
    const int master = posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(master, 0);
    ASSERT_EQ(grantpt(master), 0);
    ASSERT_EQ(unlockpt(master), 0);
    EXPECT_TRUE(answers_termios(ptsname(master)));
    ::close(master);
    fs::remove_all(dir);
}
