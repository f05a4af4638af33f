// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <unistd.h>
#include <cerrno>
#include <cstring>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "config/controller_commands.h"
#include "config/settings_file.h"
#include "config/settings_send.h"
#include "files/file_access.h"
#include "link/settings_table.h"
#include "support/file_text.h"
#include "support/scripted_serial_port.h"
#include "support/sim_answer.h"

using namespace tarvex;
namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

using tarvex::testing::read_all;

namespace {

const char* const kZeroFile =
    "[Tarv_ex]\r\nVersion=1.2\r\n[Configuration]\r\nOptions= 0\r\nLambdaType= 0\r\n"
    "LambdaPoint= 0\r\nLambdaDelay= 0\r\nEmulType= 0\r\nEmulBJ_TimeHi= 0\r\nEmulBJ_TimeLo= 0\r\n"
    "EmulDO_TimeHi= 0\r\nEmulDO_TimeLo= 0\r\nInjectDelay= 0\r\nLPGOnTemp= 0\r\nAttMax= 0\r\n"
    "AttMin= 0\r\nAttInit= 0\r\nTPSJump= 0\r\nAttJump= 0\r\nLPGOnRPMLo= 0\r\nLPGOnRPMHi= 0\r\n"
    "IgnitionType= 0\r\nCutOffRPMLo= 0\r\nCutOffRPMHi= 0\r\nCutOffSteps= 0\r\nLPGOffRPMLo= 0\r\n"
    "LPGOffRPMHi= 0\r\nTPSInert= 0\r\nAttMax_BJ= 0\r\nAttMin_BJ= 0\r\nOtwarcie_GAZU= 0\r\n";

// A scripted port that plays a simulated generation-2 controller.
struct Controller {
    ScriptedSerialPort port;
    sim::SimController sim;
    LinkState link;
    ControllerImage image;
    double t = 1.0;
    Controller() {
        link.port = &port;
        tarvex::testing::answer_as(port, sim, t);
        poll_status(link, image);
        read_live(link, image);
        read_settings1(link, image);
        read_settings2(link, image);
    }
};

std::string replace(std::string s, const std::string& from, const std::string& to) {
    const auto at = s.find(from);
    if (at != std::string::npos)
        s.replace(at, from.size(), to);
    return s;
}

}  // namespace

TEST(SettingsFile, SavingBeforeAnyReplyWritesZeros) {
    ControllerImage empty;
    EXPECT_EQ(settings_file_text(empty), kZeroFile);
    EXPECT_EQ(settings_file_tokens()[3], "Options=");
    EXPECT_EQ(settings_file_tokens()[30], "Otwarcie_GAZU=");
}

TEST(SettingsFile, ExactBytesAndRoundTripThroughAController) {
    Controller c;
    const std::string text = settings_file_text(c.image);
    EXPECT_NE(text.find("\r\nLambdaPoint= 23\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nAttInit= 120\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nEmulType= 129\r\n"), std::string::npos);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 31);

    // Load it into a second controller whose settings differ.
    Controller other;
    other.sim.handle({0x65, 7, 99, static_cast<std::uint8_t>(0x65 + 7 + 99)}, 1.0);
    const ParsedSettings parsed = parse_settings_file(text);
    ASSERT_TRUE(parsed.ok);
    other.port.clear_events();
    EXPECT_TRUE(send_and_confirm(other.link, other.image, parsed.values).confirmed());
    // The 28 writes, then the three frames read back.
    const auto writes = other.port.writes();
    ASSERT_EQ(writes.size(), 31u);
    for (std::size_t i = 0; i < 28; ++i) {
        EXPECT_EQ(writes[i][1], kSettings[i].code) << i;
        EXPECT_EQ(writes[i][2], parsed.values[i]) << i;
    }
    EXPECT_EQ(settings_file_text(other.image), text);
}

TEST(SettingsFile, RejectionsBeforeAnyWrite) {
    const std::string good = kZeroFile;
    struct Case {
        const char* what;
        std::string text;
    } cases[] = {
        {"keys swapped", replace(replace(good, "Options= 0", "XX"), "LambdaType= 0", "Options= 0")},
        {"version", replace(good, "Version=1.2", "Version=1.3")},
        {"lower case key", replace(good, "LambdaPoint=", "lambdapoint=")},
        {"missing value", replace(good, "AttMax= 0", "AttMax=")},
        {"non-numeric value", replace(good, "AttMin= 0", "AttMin= x1")},
        {"no space", replace(good, "Options= 0", "Options=0")},
        {"short file", good.substr(0, good.find("TPSInert="))},
        {"30-char token",
         replace(good, "[Configuration]", "[Configuration]" + std::string(15, 'x'))},
        {"empty", ""},
        {"header case", replace(good, "[Tarv_ex]", "[TARV_EX]")},
    };
    for (const auto& c : cases)
        EXPECT_FALSE(parse_settings_file(c.text).ok) << c.what;
    // A 29-character token is read whole, and only then fails to match.
    EXPECT_FALSE(parse_settings_file(replace(good, "Options=", std::string(29, 'O'))).ok);
}

TEST(SettingsFile, ValuesAreCutToTheirLowByteAndTrailingTextIsIgnored) {
    std::string text = replace(replace(kZeroFile, "Options= 0", "Options= 256"), "LambdaType= 0",
                               "LambdaType= 511");
    text = replace(text, "LambdaPoint= 0", "LambdaPoint= -1");
    text = replace(text, "AttMax= 0", "AttMax=\t\r\n  300");
    text = replace(text, "AttMin= 0", "AttMin= 99999999999999999999");
    text += "anything at all = 5\r\n[more]\r\n";
    const ParsedSettings p = parse_settings_file(text);
    ASSERT_TRUE(p.ok);
    EXPECT_EQ(p.values[0], 0);
    EXPECT_EQ(p.values[1], 255);
    EXPECT_EQ(p.values[2], 255);
    EXPECT_EQ(p.values[11], 44);
    EXPECT_EQ(p.values[12], 255);  // 99999999999999999999 mod 256
}

TEST(SettingsFile, LoadingWithoutAControllerStopsAtTheFirstWrite) {
    ScriptedSerialPort port;
    LinkState link;
    link.port = &port;
    ControllerImage image;  // generation 1: nothing is sent
    const auto values = parse_settings_file(kZeroFile).values;
    EXPECT_EQ(send_and_confirm(link, image, values).sent, 0);
    EXPECT_TRUE(port.writes().empty());
    image.StatusFrame[2] = 0x26;  // generation 2 but silent: nothing read back either
    EXPECT_EQ(send_and_confirm(link, image, values).sent, 0);
    EXPECT_EQ(port.writes().size(), 1u);
}

// What the controller holds after the writes is read back afresh: a setting
// acknowledged but not taken is named, a frame that does not come back is no
// confirmation, however well the image before the writes agrees.
TEST(SettingsFile, SentSettingsAreConfirmedByReadingThemBack) {
    struct Case {
        const char* what;
        bool ignoring;                        // acknowledges every write, takes none
        int silent_code, silent_times, sent;  // a command left unanswered so often
        bool read_back;
        std::vector<std::size_t> not_held;
    } cases[] = {
        {"all held", false, 0, 0, 28, true, {}},
        {"IgnitionType acknowledged, not taken", true, 0, 0, 28, true, {18}},
        {"block 1 on the third try", false, 3, 2, 28, true, {}},
        {"block 2 never", false, 4, 99, 28, false, {}},
    };
    for (const auto& k : cases) {
        Controller c;
        ParsedSettings file = parse_settings_file(settings_file_text(c.image));
        if (k.ignoring) {
            file.values[18] = 9;
            c.sim = sim::SimController(2, 6, {0, 0, 0, 0, 0, 0, 1});
        }
        int silent = k.silent_times;
        c.port.set_responder([&](const Bytes& f) -> Bytes {
            const bool answers = f[1] != k.silent_code || silent-- <= 0;
            return answers ? tarvex::testing::sim_answer(c.sim, f, 1.0) : Bytes{};
        });
        const SendOutcome out = send_and_confirm(c.link, c.image, file.values);
        EXPECT_EQ(out.sent, k.sent) << k.what;
        EXPECT_EQ(out.read_back, k.read_back) << k.what;
        EXPECT_EQ(out.not_held, k.not_held) << k.what;
    }
}

TEST(SettingsFile, FailedSavesLeaveTheOldFileUntouched) {
    const fs::path dir = fs::temp_directory_path() / ("tarvex-save-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const fs::path file = dir / "car.tvs";
    const std::string old_bytes = "[Tarv_ex]\r\nold contents\r\n";
    std::ofstream(file, std::ios::binary) << old_bytes;
    std::string error;

    // A disk that fills up midway.
    int calls = 0;
    FileWriter full{[&calls](int fd, const char* data, std::size_t n) -> long {
        if (++calls > 1) {
            errno = ENOSPC;
            return -1;
        }
        return ::write(fd, data, n < 100 ? n : 100);
    }};
    EXPECT_FALSE(write_file_atomically(file.string(), kZeroFile, error, full));
    EXPECT_EQ(error, std::strerror(ENOSPC));
    EXPECT_EQ(read_all(file), old_bytes);

    // A folder that cannot be written (not even by root: a missing folder).
    EXPECT_FALSE(write_file_atomically((dir / "gone" / "car.tvs").string(), kZeroFile, error));
    if (::geteuid() != 0) {
        fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec);
        EXPECT_FALSE(write_file_atomically(file.string(), kZeroFile, error));
        fs::permissions(dir, fs::perms::owner_all);
        EXPECT_EQ(read_all(file), old_bytes);
    }
    // No temporary file is left behind.
    int entries = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir))
        ++entries;
    EXPECT_EQ(entries, 1);

    // A good save replaces it whole and keeps its permissions.
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_TRUE(write_file_atomically(file.string(), kZeroFile, error)) << error;
    EXPECT_EQ(read_all(file), kZeroFile);
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::remove_all(dir);
}

TEST(ControllerCommands, FactoryResetAndVersionText) {
    Controller c;
    c.sim.handle({0x65, 7, 99, static_cast<std::uint8_t>(0x65 + 7 + 99)}, 1.0);
    c.port.clear_events();
    EXPECT_TRUE(factory_reset(c.link, c.image));
    EXPECT_EQ(c.port.writes(), (std::vector<Bytes>{{0x65, 30, 51, 0xB6}}));
    EXPECT_EQ(c.link.WriteDelay, 0);
    bool slept_250 = false;
    for (const auto& e : c.port.events())
        slept_250 |= e.op == ScriptedSerialPort::Op::Sleep && e.ms == 250;
    EXPECT_TRUE(slept_250);
    EXPECT_EQ(c.sim.setting(7), 23);
    EXPECT_TRUE(factory_reset(c.link, c.image));  // twice: sent twice

    // No acknowledgement, or not generation 2: failure, the latter without sending.
    ScriptedSerialPort silent;
    LinkState link;
    link.port = &silent;
    ControllerImage image;
    image.WriteAck[1] = 0x33;
    EXPECT_FALSE(factory_reset(link, image));
    EXPECT_TRUE(silent.events().empty());
    image.StatusFrame[2] = 0x26;
    EXPECT_FALSE(factory_reset(link, image));
    EXPECT_EQ(silent.writes().size(), 1u);

    UiTexts texts;
    texts.slot[161] = "no link";
    texts.slot[162] = "other";
    struct Case {
        std::uint8_t version;
        const char* text;
    } cases[] = {{0x20, "2.00"}, {0x25, "2.05"}, {0x3F, "2.31"}, {0x41, "other"}, {0x00, "other"}};
    for (const auto& k : cases) {
        ScriptedSerialPort p;
        LinkState l;
        l.port = &p;
        ControllerImage img;
        p.queue_reply({0x65, 1, k.version, static_cast<std::uint8_t>(0x66 + k.version)});
        EXPECT_EQ(poll_version_text(l, img, texts), k.text);
    }
    ScriptedSerialPort p;
    LinkState l;
    l.port = &p;
    ControllerImage img;
    EXPECT_EQ(poll_version_text(l, img, texts), "no link");
}
