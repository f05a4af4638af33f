// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "ports/port_names.h"

using namespace tarvex;

TEST(PortNames, NamesAndNumbers) {
    EXPECT_EQ(port_number_of("COM1:"), 1);
    EXPECT_EQ(port_number_of("COM4:"), 4);
    EXPECT_EQ(port_number_of("COM5:"), 0);
    EXPECT_EQ(port_number_of("COM1"), 0);
    EXPECT_EQ(port_name_of(3), "COM3:");
    EXPECT_EQ(port_name_of(7), "COM1:");
    PortMap m;
    EXPECT_EQ(device_for(m, "COM1:"), "/dev/ttyS0");
    EXPECT_EQ(device_for(m, "COM4:"), "/dev/ttyS3");
    EXPECT_EQ(device_for(m, "bogus"), "/dev/ttyS0");
}

TEST(PortNames, PortsFileSkipsBadLines) {
    std::istringstream in(
        "# adapters\r\n"
        "COM1=/dev/ttyUSB0\r\n"
        "  COM3 = /dev/serial/by-id/usb-FTDI  \n"
        "COM5=/dev/ttyUSB1\n"
        "COM2\n"
        "COM4=\n"
        "garbage line\n"
        "\n"
        "=/dev/x\n");
    PortMap m;
    std::vector<std::string> problems;
    parse_port_map(in, m, &problems);
    EXPECT_EQ(m.device[0], "/dev/ttyUSB0");
    EXPECT_EQ(m.device[1], "/dev/ttyS1");
    EXPECT_EQ(m.device[2], "/dev/serial/by-id/usb-FTDI");
    EXPECT_EQ(m.device[3], "/dev/ttyS3");
    ASSERT_EQ(problems.size(), 5u);
    EXPECT_EQ(problems[0].rfind("line 4", 0), 0u);
}

TEST(PortNames, MissingOrBinaryFileIsNeverFatal) {
    PortMap m;
    EXPECT_FALSE(load_port_map("/nonexistent/Tarvex.ports", m));
    EXPECT_EQ(m.device[0], "/dev/ttyS0");
    std::string junk(10000, '\xFF');
    junk += "\nCOM2=/dev/ttyACM0";
    std::istringstream in(junk);
    parse_port_map(in, m);
    EXPECT_EQ(m.device[1], "/dev/ttyACM0");
}

TEST(PortNames, ALineTooLongIsSkipped) {
    const std::string path = "/tmp/tarvex-ports-" + std::to_string(::getpid());
    {
        // One line of almost 1 MiB (a larger file is refused), then a good line.
        std::ofstream f(path, std::ios::binary);
        f.seekp((1 << 20) - 32);
        f << "\nCOM2=/dev/ttyUSB7\n";
    }
    PortMap m;
    std::vector<std::string> problems;
    EXPECT_TRUE(load_port_map(path, m, &problems));
    std::remove(path.c_str());
    EXPECT_EQ(m.device[1], "/dev/ttyUSB7");
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0], "line 1: too long");
}
