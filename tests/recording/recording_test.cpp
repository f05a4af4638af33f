// SPDX-License-Identifier: MIT
// Recording: the port passes everything through, the ticks hold the replies
// received, the rows decode the image as the dashboard presents it, and the
// file keeps whole rows whatever happens to the disk.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "readings/readings_poll.h"
#include "recording/recorder.h"
#include "recording/recording_reader.h"
#include "recording/recording_row.h"
#include "support/fake_link_clock.h"
#include "support/file_text.h"
#include "support/scripted_serial_port.h"
#include "support/sim_answer.h"

using namespace tarvex;
using tarvex::testing::FakeLinkClock;
namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

using tarvex::testing::read_all;

namespace {

// A port answering as the simulated controller, its clock a tick counter.
struct SimPort {
    ScriptedSerialPort port;
    sim::SimController controller;
    double t = 5.0;
    explicit SimPort(sim::FaultRates faults = {}, unsigned seed = 3)
        : controller(2, 6, faults, seed) {
        tarvex::testing::answer_as(port, controller, t);
    }
};

Bytes bytes_of(const ReplyBytes& r) {
    return Bytes(r.bytes.begin(), r.bytes.begin() + r.size);
}

struct TempDir : ::testing::Test {
    fs::path dir;
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("tarvex-rec-" + std::to_string(getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }
};

}  // namespace

TEST(RecordingPort, PassesEveryCallThroughUnchanged) {
    // The same polls with and without the recording port in front, against
    // a controller with every kind of fault: the same calls reach the port,
    // in the same order, and the image ends the same.
    sim::FaultRates faults;
    faults.garbage = 0.1;
    faults.short_reply = 0.1;
    faults.bad_checksum = 0.1;
    faults.silence = 0.1;
    SimPort plain(faults), recorded(faults);
    LinkState link_a, link_b;
    ControllerImage image_a, image_b;
    link_a.port = &plain.port;
    FakeLinkClock clock;
    int ticks = 0;
    RecordingSerialPort rec(
        recorded.port, [&](const TickFrames&) { ++ticks; }, clock);
    link_b.port = &rec;
    PollShared pa, pb;
    for (int i = 0; i < 60; ++i) {
        plain.t = recorded.t = 5.0 + i * 0.05;
        readings_poll(link_a, image_a, pa);
        readings_poll(link_b, image_b, pb);
        write_setting(link_a, image_a, 30, 50);
        write_setting(link_b, image_b, 30, 50);
    }
    rec.finish();
    ASSERT_EQ(plain.port.events().size(), recorded.port.events().size());
    for (std::size_t i = 0; i < plain.port.events().size(); ++i) {
        const auto& a = plain.port.events()[i];
        const auto& b = recorded.port.events()[i];
        EXPECT_EQ(a.op, b.op) << i;
        EXPECT_EQ(a.bytes, b.bytes) << i;
        EXPECT_EQ(a.asked, b.asked) << i;
    }
    EXPECT_EQ(image_a.LiveFrame, image_b.LiveFrame);
    EXPECT_EQ(image_a.SettingsBlock2, image_b.SettingsBlock2);
    EXPECT_EQ(ticks, 60);
    EXPECT_EQ(clock.seconds(), 0.0) << "recording must not sleep";
}

TEST(RecordingPort, EachTickHoldsTheRepliesReceived) {
    ScriptedSerialPort port;
    FakeLinkClock clock;
    std::vector<TickFrames> ticks;
    RecordingSerialPort rec(
        port, [&](const TickFrames& t) { ticks.push_back(t); }, clock);
    LinkState link;
    link.port = &rec;
    ControllerImage image;
    const Bytes status{0x65, 0x01, 0x26, 0x8C};
    Bytes live{0x65, 10, 20, 30, 40, 0x88, 0x13, 0x08, 0x01, 150};
    live.push_back(checksum(live.data(), live.size()));

    // Tick 1: status and live. Tick 2: status, then a short live reply.
    // Tick 3: silence. A write in between records nothing.
    port.queue_reply(status);
    port.queue_reply(live);
    clock.set_seconds(1.0);
    poll_status(link, image);
    controller_generation(image);
    read_live(link, image);
    port.queue_reply({0x65, 0x01});
    write_setting(link, image, 30, 50);
    port.queue_reply(status);
    port.queue_reply({0x65, 10, 20});
    clock.set_seconds(1.05);
    poll_status(link, image);
    read_live(link, image);
    EXPECT_EQ(ticks.size(), 1u) << "a tick is complete only when the next starts";
    clock.set_seconds(1.10);
    poll_status(link, image);
    rec.finish();
    rec.finish();

    ASSERT_EQ(ticks.size(), 3u);
    EXPECT_EQ(bytes_of(ticks[0].replies[0]), status);
    EXPECT_EQ(bytes_of(ticks[0].replies[1]), live);
    EXPECT_EQ(ticks[0].replies[2].size, 0);
    EXPECT_EQ(bytes_of(ticks[1].replies[1]), (Bytes{0x65, 10, 20}));
    EXPECT_EQ(ticks[2].replies[0].size, 0);
    EXPECT_EQ(ticks[1].started - ticks[0].started, std::chrono::milliseconds(50));

    // Replies before the first status command of the recording belong to no tick.
    std::vector<TickFrames> late;
    RecordingSerialPort rec2(
        port, [&](const TickFrames& t) { late.push_back(t); }, clock);
    link.port = &rec2;
    port.queue_reply(live);
    read_live(link, image);
    rec2.finish();
    EXPECT_TRUE(late.empty());
}

TEST(RecordingRow, WordsOfTheReadings) {
    // Each reading in its cell's words, volts cut to four characters (0.0196
    // shows as 0.01, not rounded).
    Readings r;
    r.link = LinkReading::Connected;
    r.lambda_volts = 0.0196;
    const TpsReading tps[] = {{1, TpsShown::InvertedVolts, 3.04},
                              {2, TpsShown::None, 0},
                              {6, TpsShown::SwitchOn, 0},
                              {7, TpsShown::SwitchOff, 0}};
    std::string rows;
    for (int i = 0; i < 8; ++i) {
        r.learning = static_cast<Learning>(i);
        r.tps = i < 4 ? tps[i] : TpsReading{};
        r.fuel = i % 2 ? Fuel::Gas : Fuel::Petrol;
        std::string row;
        append_recording_row(row, TickFrames{}, 0, r);
        rows += row.substr(row.find(",,,,") + 4);  // after the empty frame cells
    }
    EXPECT_EQ(rows,
              ",0,0.01,3.04,0,0,0,petrol,0,0,unknown,connected\r\n"
              ",0,0.01,_.__,0,0,0,LPG,0,0,not-reported,connected\r\n"
              ",0,0.01,ON,0,0,0,petrol,0,0,running,connected\r\n"
              ",0,0.01,OFF,0,0,0,LPG,0,0,lpg-off,connected\r\n"
              ",0,0.01,0.00,0,0,0,petrol,0,0,cut-off,connected\r\n"
              ",0,0.01,0.00,0,0,0,LPG,0,0,ready,connected\r\n"
              ",0,0.01,0.00,0,0,0,petrol,0,0,waiting-rpm,connected\r\n"
              ",0,0.01,0.00,0,0,0,LPG,0,0,waiting-temperature,connected\r\n");
}

TEST(RecordingRow, HeaderAndRowText) {
    setenv("TZ", "UTC", 1);
    tzset();
    EXPECT_EQ(recording_header(),
              "time,seconds,status_frame,live_frame,settings1_frame,settings2_frame,"
              "engine_speed_rpm,lambda_voltage_v,tps,actuator_step,start_position,"
              "reducer_temperature_c,fuel,lpg_off,cut_off,learning,link\r\n");
    TickFrames t;
    t.started_wall = LinkClock::Wall::time_point{} + std::chrono::milliseconds(1714572202123);
    t.replies[0].bytes = {0x65, 0x01, 0x26, 0x8C};
    t.replies[0].size = 4;
    t.replies[2].bytes = {0x65, 0xAB};
    t.replies[2].size = 2;
    ControllerImage img;
    LinkState link;
    link.NoConnection = 0;
    img.StatusFrame = {0x65, 1, 0x26, 0x8C};
    img.SettingsBlock1[block1::EmulType] = 0x80;
    img.LiveFrame = {0x65, 0, 23, 5, 120, 0x88, 0x13, 0x08, 0x0D, 100, 0};
    std::string row;
    append_recording_row(row, t, 12.3456, decode_readings(img, link));
    EXPECT_EQ(row,
              "2024-05-01T14:03:22.123+00:00,12.346,6501268C,,65AB,,3000,0.45,0.00,5,120,12,LPG,"
              "1,1,lpg-off,connected\r\n");
    // With the link lost the row keeps its time, frames and link state; its
    // reading cells stay empty.
    link.NoConnection = 1;
    row.clear();
    append_recording_row(row, t, 12.3456, decode_readings(img, link));
    EXPECT_EQ(row,
              "2024-05-01T14:03:22.123+00:00,12.346,6501268C,,65AB,,,,,,,,,,,,no-connection\r\n");
    // A western offset and a negative one.
    setenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3", 1);
    tzset();
    EXPECT_EQ(iso_local_time(t.started_wall), "2024-05-01T16:03:22.123+02:00");
    setenv("TZ", "EST5", 1);
    tzset();
    EXPECT_EQ(iso_local_time(t.started_wall), "2024-05-01T09:03:22.123-05:00");
    unsetenv("TZ");
    tzset();
}

TEST_F(TempDir, RecorderWritesOneRowPerTickAndRestoresThePort) {
    SimPort sim;
    LinkState link;
    ControllerImage image;
    link.port = &sim.port;
    FakeLinkClock clock;
    Recorder rec(link, image, clock);
    const fs::path file = dir / "drive.csv";
    ASSERT_TRUE(rec.start(file.string()));
    EXPECT_NE(link.port, &sim.port);
    PollShared poll;
    for (int i = 0; i < 10; ++i) {
        clock.set_seconds(0.010 + i * 0.05);
        sim.t = 5 + i * 0.05;
        readings_poll(link, image, poll);
    }
    EXPECT_EQ(rec.rows(), 9u);
    rec.stop();
    EXPECT_EQ(rec.rows(), 10u);
    EXPECT_EQ(link.port, &sim.port);
    EXPECT_FALSE(rec.recording());

    Recording back;
    std::string error;
    ASSERT_TRUE(load_recording(file.string(), back, error)) << error;
    EXPECT_TRUE(back.problem.empty()) << back.problem;
    ASSERT_EQ(back.size(), 10u);
    EXPECT_DOUBLE_EQ(back.seconds(3), 0.160);
    // Live every tick, the settings blocks on the fourth and eighth.
    for (std::size_t i = 0; i < 10; ++i) {
        EXPECT_EQ(back.tick(i).replies[0].size, 4) << i;
        EXPECT_EQ(back.tick(i).replies[1].size, 11) << i;
        const bool settings = i == 3 || i == 7;
        EXPECT_EQ(back.tick(i).replies[2].size, settings ? 15 : 0) << i;
        EXPECT_EQ(back.tick(i).replies[3].size, settings ? 16 : 0) << i;
    }
}

TEST_F(TempDir, FullDiskStopsWithWholeRowsOnly) {
    // A disk that takes the header and two rows, then half of the third.
    SimPort sim;
    LinkState link;
    ControllerImage image;
    link.port = &sim.port;
    FakeLinkClock clock;
    Recorder rec(link, image, clock);
    int failures = 0;
    rec.set_failure_handler([&] { ++failures; });
    int writes = 0;
    rec.appender().set_write_function([&](int fd, const char* data, std::size_t n) -> long {
        if (++writes <= 3)
            return ::write(fd, data, n);
        if (writes == 4)
            return ::write(fd, data, n / 2);
        errno = ENOSPC;
        return -1;
    });
    const fs::path file = dir / "full.csv";
    ASSERT_TRUE(rec.start(file.string()));
    PollShared poll;
    for (int i = 0; i < 8; ++i) {
        clock.set_seconds(i * 0.05);
        readings_poll(link, image, poll);
    }
    EXPECT_TRUE(rec.failed());
    EXPECT_FALSE(rec.recording());
    EXPECT_EQ(rec.error(), std::strerror(ENOSPC));
    EXPECT_EQ(failures, 1);
    EXPECT_EQ(rec.rows(), 2u);
    EXPECT_EQ(link.NoConnection, 0) << "the link goes on while the recording has stopped";
    rec.stop();
    EXPECT_EQ(link.port, &sim.port);
    const std::string text = read_all(file);
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
    Recording back;
    std::string error;
    ASSERT_TRUE(parse_recording(text, back, error)) << error;
    EXPECT_TRUE(back.problem.empty()) << back.problem;
    EXPECT_EQ(back.size(), 2u);
}

TEST_F(TempDir, DevFullAndVanishedFolderStopTheRecording) {
    SimPort sim;
    LinkState link;
    ControllerImage image;
    link.port = &sim.port;
    FakeLinkClock clock;
    {
        Recorder rec(link, image, clock);
        EXPECT_FALSE(rec.start("/dev/full"));
        EXPECT_EQ(rec.error(), "not a regular file");
        EXPECT_EQ(link.port, &sim.port);
        EXPECT_FALSE(rec.start((dir / "no" / "such" / "folder.csv").string()));
        EXPECT_EQ(rec.error(), std::strerror(ENOENT));
    }
    // The folder goes away while recording.
    const fs::path folder = dir / "stick";
    fs::create_directories(folder);
    Recorder rec(link, image, clock);
    int failures = 0;
    rec.set_failure_handler([&] { ++failures; });
    ASSERT_TRUE(rec.start((folder / "drive.csv").string()));
    PollShared poll;
    for (int i = 0; i < 3; ++i)
        readings_poll(link, image, poll);
    EXPECT_TRUE(rec.recording());
    fs::remove_all(folder);
    for (int i = 0; i < 3; ++i)
        readings_poll(link, image, poll);
    EXPECT_TRUE(rec.failed());
    EXPECT_EQ(failures, 1);
    EXPECT_EQ(rec.rows(), 2u);
    rec.stop();
    EXPECT_EQ(link.port, &sim.port);
}

TEST(CsvAppender, APipeTakesLongRowsInParts) {
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    CsvAppender out;
    out.use_descriptor(fds[1]);
    int calls = 0;
    out.set_write_function([&](int fd, const char* data, std::size_t n) -> long {
        ++calls;
        return ::write(fd, data, n > 3 ? 3 : n);
    });
    EXPECT_TRUE(out.append("a,b,c\r\n"));
    EXPECT_EQ(calls, 3);
    out.close();
    char buf[16] = {};
    EXPECT_EQ(::read(fds[0], buf, sizeof buf), 7);
    EXPECT_STREQ(buf, "a,b,c\r\n");
    EXPECT_EQ(fcntl(fds[1], F_GETFD), 0) << "a borrowed descriptor stays open";
    ::close(fds[0]);
    ::close(fds[1]);
}

TEST_F(TempDir, AFailureNeverCutsWhatTheFileHeldBefore) {
    // Standard output sent to the end of an existing file (">>"): a row that
    // fails halfway is taken back, the old content stays.
    const fs::path file = dir / "old.csv";
    std::ofstream(file, std::ios::binary) << "old,row\r\n";
    const int fd = ::open(file.c_str(), O_WRONLY | O_APPEND);
    ASSERT_GE(fd, 0);
    CsvAppender out;
    out.use_descriptor(fd);
    int writes = 0;
    out.set_write_function([&](int f, const char* data, std::size_t n) -> long {
        return ::write(f, data, ++writes == 1 ? n : n / 2);
    });
    EXPECT_TRUE(out.append("a,1\r\n"));
    EXPECT_FALSE(out.append("b,2\r\n"));
    EXPECT_EQ(out.error(), std::strerror(ENOSPC));
    EXPECT_FALSE(out.append("c,3\r\n"));
    out.close();
    ::close(fd);
    EXPECT_EQ(read_all(file), "old,row\r\na,1\r\n");
}
