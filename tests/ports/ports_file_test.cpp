// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "ports/port_names.h"
#include "ports/ports_file.h"

using namespace tarvex;
namespace fs = std::filesystem;

namespace {

struct PortsFile : ::testing::Test {
    fs::path dir;
    fs::path file;
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("tarvex-ports-" + std::to_string(getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
        file = dir / kPortsFileName;
    }
    void TearDown() override { fs::remove_all(dir); }
    void write(const std::string& text) { std::ofstream(file, std::ios::binary) << text; }
    std::string read() {
        std::ifstream in(file, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
};

}  // namespace

TEST_F(PortsFile, TheDecidingLineIsReplacedAndEverythingElseKept) {
    struct Case {
        std::string before;
        int port;
        std::string after;
    } cases[] = {
        // No file yet.
        {"", 2, "COM2=/dev/ttyUSB0\n"},
        // Comments, blank lines and other ports stay; the line is replaced in place.
        {"# adapters\n\nCOM1=/dev/ttyS0\n  COM2 = /dev/old  \nCOM3=/dev/ttyS2\n", 2,
         "# adapters\n\nCOM1=/dev/ttyS0\nCOM2=/dev/ttyUSB0\nCOM3=/dev/ttyS2\n"},
        // The last line for the port decides it; earlier ones and a commented one stay.
        {"COM4=/dev/a\n#COM4=/dev/b\ncom4=/dev/c\nCOM4\n", 4,
         "COM4=/dev/a\n#COM4=/dev/b\nCOM4=/dev/ttyUSB0\nCOM4\n"},
        // Windows line endings are kept, and used for an added line.
        {"# x\r\nCOM1=/dev/ttyS0\r\n", 3, "# x\r\nCOM1=/dev/ttyS0\r\nCOM3=/dev/ttyUSB0\r\n"},
        {"# x\r\nCOM1=/dev/ttyS0\r\n", 1, "# x\r\nCOM1=/dev/ttyUSB0\r\n"},
        // A last line without an ending gets one before the added line.
        {"COM1=/dev/ttyS0", 2, "COM1=/dev/ttyS0\nCOM2=/dev/ttyUSB0\n"},
        {"COM2=/dev/ttyS0", 2, "COM2=/dev/ttyUSB0"},
    };
    for (const auto& c : cases) {
        fs::remove(file);
        if (!c.before.empty())
            write(c.before);
        std::string error;
        EXPECT_TRUE(assign_port_device(file.string(), c.port, "/dev/ttyUSB0", &error)) << error;
        EXPECT_EQ(read(), c.after) << c.before;
        PortMap m;
        EXPECT_TRUE(load_port_map(file.string(), m));
        EXPECT_EQ(m.device[static_cast<std::size_t>(c.port - 1)], "/dev/ttyUSB0") << c.before;
    }
    // Nothing is left beside the file.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

TEST_F(PortsFile, ModeAndLinkKeptAndAFailureLeavesTheOldFile) {
    write("COM1=/dev/ttyS0\n");
    ::chmod(file.c_str(), 0640);
    ASSERT_TRUE(assign_port_device(file.string(), 1, "/dev/ttyACM0"));
    struct stat st {};
    ASSERT_EQ(::stat(file.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);

    // A ports file that is a link to another file is rewritten where it points.
    const fs::path real = dir / "shared.ports";
    fs::rename(file, real);
    fs::create_symlink(real, file);
    ASSERT_TRUE(assign_port_device(file.string(), 2, "/dev/ttyUSB1"));
    EXPECT_TRUE(fs::is_symlink(file));
    EXPECT_EQ(read(), "COM1=/dev/ttyACM0\nCOM2=/dev/ttyUSB1\n");

    std::string error;
    EXPECT_FALSE(assign_port_device((dir / "no-such-folder" / kPortsFileName).string(), 1,
                                    "/dev/ttyUSB0", &error));
    EXPECT_NE(error.find("No such file or directory"), std::string::npos) << error;
    EXPECT_EQ(read(), "COM1=/dev/ttyACM0\nCOM2=/dev/ttyUSB1\n");
}
