// SPDX-License-Identifier: MIT
// Reading a recording back and playing it as a controller: whole rows only,
// the latest reply of each kind at the playback time, wire pace, silence for
// writes and after the end.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "readings/readings_poll.h"
#include "recording/playback_port.h"
#include "recording/recording_port.h"
#include "recording/recording_reader.h"
#include "support/fake_link_clock.h"
#include "support/scripted_serial_port.h"
#include "support/sim_answer.h"

using namespace tarvex;
using tarvex::testing::FakeLinkClock;
using Bytes = std::vector<std::uint8_t>;

namespace {

const char* kHeader =
    "time,seconds,status_frame,live_frame,settings1_frame,settings2_frame,engine_speed_rpm,"
    "lambda_voltage_v,tps,actuator_step,start_position,reducer_temperature_c,fuel,lpg_off,"
    "cut_off,learning,link\r\n";

std::string row(const char* seconds, const char* status, const char* live, const char* s1 = "",
                const char* s2 = "") {
    return std::string("2024-05-01T14:03:22.123+02:00,") + seconds + "," + status + "," + live +
           "," + s1 + "," + s2 + ",3000,0.45,1.96,5,120,12,LPG,0,0,ready,connected\r\n";
}

Bytes bytes_of(const ReplyBytes* r) {
    return r ? Bytes(r->bytes.begin(), r->bytes.begin() + r->size) : Bytes{};
}

Bytes bytes_of(const std::optional<ReplyBytes>& r) {
    return bytes_of(r ? &*r : nullptr);
}

Bytes bytes_of(const ReplyBytes& r) {
    return bytes_of(&r);
}

ReplyBytes reply(Bytes b) {
    ReplyBytes r;
    std::copy(b.begin(), b.end(), r.bytes.begin());
    r.size = static_cast<std::uint8_t>(b.size());
    return r;
}

}  // namespace

TEST(RecordingReader, EveryCutPointKeepsTheWholeRowsBeforeIt) {
    const std::string rows[] = {row("0.000", "6501268C", "65000102"),
                                row("0.051", "6501268C", "65000103", "65AA", "65BB"),
                                row("0.102", "", "")};
    const std::string text = kHeader + rows[0] + rows[1] + rows[2];
    const std::size_t header = std::string(kHeader).size();
    for (std::size_t len = header; len <= text.size(); ++len) {
        std::size_t whole = 0, end = header;
        for (const auto& r : rows)
            if ((end += r.size()) <= len)
                ++whole;
        Recording rec;
        std::string error;
        const bool ok = parse_recording(text.substr(0, len), rec, error);
        EXPECT_EQ(ok, whole > 0) << len;
        EXPECT_EQ(rec.size(), whole) << len;
        const bool cut = len != text.size() && len != header + rows[0].size() &&
                         len != header + rows[0].size() + rows[1].size() && len != header;
        EXPECT_EQ(rec.problem.find("cut off") != std::string::npos, cut) << len << rec.problem;
    }
    Recording rec;
    std::string error;
    ASSERT_TRUE(parse_recording(text, rec, error));
    EXPECT_DOUBLE_EQ(rec.seconds(1), 0.051);
    EXPECT_EQ(bytes_of(&rec.tick(1).replies[2]), (Bytes{0x65, 0xAA}));
    EXPECT_EQ(rec.tick(2).replies[0].size, 0);
}

TEST(RecordingReader, DamagedRowsEndTheRecordingBeforeThem) {
    const std::string good = row("0.000", "6501268C", "");
    struct Case {
        const char* what;
        std::string bad;
    } cases[] = {
        {"odd hex", row("0.05", "6501268", "")},
        {"not hex", row("0.05", "65XX268C", "")},
        {"17 bytes", row("0.05", "6501268C", "0102030405060708090A0B0C0D0E0F1011")},
        {"seconds going back", row("-0.05", "", "")},
        {"seconds before the previous row", row("0.005", "", "")},
        {"seconds not a number", row("nan", "", "")},
        {"seconds with an exponent", row("1e3", "", "")},
        {"too few fields", "x,0.05,6501268C\r\n"},
        {"a bare CR", "x,0.05\r,,,,,,,,,,,,,,,\r\n"},
        {"text after a closing quote", "\"x\"y,0.05,,,,,,,,,,,,,,,\r\n"},
        {"a quote inside a field", "x\"y,0.05,,,,,,,,,,,,,,,\r\n"},
        {"zeros left by a power loss", std::string(300, '\0')},
    };
    for (const auto& c : cases) {
        Recording rec;
        std::string error;
        const std::string text = kHeader + row("0.010", "6501268C", "") + c.bad + good;
        ASSERT_TRUE(parse_recording(text, rec, error)) << c.what;
        EXPECT_EQ(rec.size(), 1u) << c.what;
        EXPECT_FALSE(rec.problem.empty()) << c.what;
    }
}

TEST(RecordingReader, HeaderDecidesTheColumns) {
    Recording rec;
    std::string error;
    // Columns in another order, one more, quoted fields, a byte-order mark,
    // line ends without CR.
    const std::string moved =
        "\xEF\xBB\xBF"
        "live_frame,note,settings2_frame,seconds,status_frame,settings1_frame\n"
        "\"6500\",\"a, \"\"quoted\"\"\nnote\",,1.5,6501268C,\n";
    ASSERT_TRUE(parse_recording(moved, rec, error)) << error;
    ASSERT_EQ(rec.size(), 1u);
    EXPECT_DOUBLE_EQ(rec.seconds(0), 1.5);
    EXPECT_EQ(bytes_of(&rec.tick(0).replies[0]), (Bytes{0x65, 0x01, 0x26, 0x8C}));
    EXPECT_EQ(bytes_of(&rec.tick(0).replies[1]), (Bytes{0x65, 0x00}));

    EXPECT_FALSE(parse_recording("", rec, error));
    EXPECT_FALSE(parse_recording(
        "time,seconds,status_frame,live_frame,settings1_frame\r\n0,0,,,\r\n", rec, error));
    EXPECT_NE(error.find("settings2_frame"), std::string::npos);
    EXPECT_FALSE(parse_recording(kHeader, rec, error));
    EXPECT_FALSE(parse_recording("[Tarv_ex]\r\nVersion=1.2\r\n", rec, error));
    // Only a regular file is read: a folder or a FIFO (which would block) is refused.
    const std::string fifo = "/tmp/tarvex-fifo-" + std::to_string(getpid());
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string path : {"/nonexistent/drive.csv", "/tmp", fifo.c_str()}) {
        std::string e2;
        EXPECT_FALSE(load_recording(path, rec, e2)) << path;
        EXPECT_FALSE(e2.empty()) << path;
    }
    ::unlink(fifo.c_str());
}

TEST(RecordingReader, ProblemsNameTheLineAndTheRow) {
    const std::string good = row("0.000", "6501268C", "");
    struct Case {
        const char* what;
        std::string text;
        bool loads;
        const char* says;  // part of the problem, or of the error when nothing loads
    } cases[] = {
        {"cut off", kHeader + good + good.substr(0, 20), true, "line 3: row 2 is cut off"},
        {"a note over two lines before a damaged row",
         "seconds,note,status_frame,live_frame,settings1_frame,settings2_frame\n"
         "0.1,\"two\nlines\",,,,\n0.2,x\"y,,,,\n",
         true, "line 4: row 2 is damaged"},
        {"zeros after the rows", kHeader + good + std::string(64, '\0'), true,
         "line 3: row 2 holds binary data"},
        {"binary from the start", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), false,
         "not a recording: line 1 holds binary data"},
        {"another kind of text", "name,value\r\nx,1\r\n", false,
         "not a recording: line 1 has no column \"seconds\""},
    };
    for (const auto& c : cases) {
        Recording rec;
        std::string error;
        EXPECT_EQ(parse_recording(c.text, rec, error), c.loads) << c.what;
        const std::string& said = c.loads ? rec.problem : error;
        EXPECT_NE(said.find(c.says), std::string::npos) << c.what << ": " << said;
    }
    // The time and link columns are kept: first and last time, each row's link.
    Recording rec;
    std::string error;
    ASSERT_TRUE(parse_recording(
        kHeader + row("0.000", "", "") + "2024-05-01T14:03:23.000+02:00,1.0,,,,,,,,,,,,,,,lost\r\n",
        rec, error));
    EXPECT_EQ(rec.first_time, "2024-05-01T14:03:22.123+02:00");
    EXPECT_EQ(rec.last_time, "2024-05-01T14:03:23.000+02:00");
    EXPECT_EQ(rec.recorded_link(0), LinkReading::Connected);
    EXPECT_EQ(rec.recorded_link(1), LinkReading::Lost);
}

TEST(RecordingReader, TooLargeIsRefusedWholeNamingTheLimit) {
    Recording rec;
    std::string error;
    std::string rows = "seconds,status_frame,live_frame,settings1_frame,settings2_frame\n";
    for (std::size_t i = 0; i <= kMaxRecordingRows; ++i)
        rows += "0,,,,\n";
    EXPECT_FALSE(parse_recording(rows, rec, error));
    EXPECT_NE(error.find("more than 2,000,000 rows"), std::string::npos) << error;
    EXPECT_TRUE(rec.empty());
    // A file over 1 GiB is refused before it is read (a sparse file).
    const std::string big = "/tmp/tarvex-big-" + std::to_string(getpid()) + ".csv";
    std::ofstream(big) << rows.substr(0, 200);
    std::filesystem::resize_file(big, (1ULL << 30) + 1);
    EXPECT_FALSE(load_recording(big, rec, error));
    EXPECT_NE(error.find("1 GiB"), std::string::npos) << error;
    std::filesystem::remove(big);
}

TEST(RecordingReader, AFileReadInChunksGivesWhatItsTextGives) {
    // Rows of every kind, and notes whose quotes and line ends straddle the
    // reader's chunks, in a file of three chunks or so.
    std::string text = std::string("note,") + kHeader;
    for (int i = 0; text.size() < 3'300'000; ++i)
        text += (i % 7 ? std::string("n,")
                       : "\"a \"\"long\"\"\r\nnote " + std::to_string(i) + std::string(300, 'x') +
                             "\",") +
                row(std::to_string(i * 0.05).c_str(), "6501268C",
                    i % 3 ? "651A007878FFFF08005BD0" : "65FF", i % 4 ? "" : "650102");
    const std::string path = "/tmp/tarvex-chunks-" + std::to_string(getpid()) + ".csv";
    for (const std::size_t cut : {text.size(), std::size_t{1} << 20, (std::size_t{1} << 20) + 1,
                                  (std::size_t{2} << 20) - 7, text.size() - 3}) {
        std::ofstream(path, std::ios::binary) << text.substr(0, cut);
        Recording from_file, from_text;
        std::string e1, e2;
        ASSERT_TRUE(load_recording(path, from_file, e1)) << e1;
        ASSERT_TRUE(parse_recording(text.substr(0, cut), from_text, e2)) << e2;
        ASSERT_EQ(from_file.size(), from_text.size()) << cut;
        EXPECT_EQ(from_file.problem, from_text.problem) << cut;
        for (std::size_t i = 0; i < from_file.size(); ++i)
            for (int k = 0; k < 4; ++k)
                ASSERT_EQ(bytes_of(from_file.reply(i, k)), bytes_of(from_text.reply(i, k))) << i;
    }
    std::filesystem::remove(path);
}

TEST(Recording, KeepsEveryReplyAsReceivedInLittleMemoryPerRow) {
    Recording rec;
    std::vector<RecordedTick> ticks;
    for (int i = 0; i < 4 * 65536; ++i) {
        RecordedTick t;
        t.seconds = i * 0.025;
        t.replies[0] = i % 50 ? reply({0x65, 0x01, 0x26, 0x8C}) : reply({0x00, 0x13});
        Bytes live(11, static_cast<std::uint8_t>(i));
        live[0] = 0x65;
        t.replies[1] = i % 97 ? reply(live) : reply({0x65, 0x02});  // now and then cut short
        if (i % 4 == 0)
            t.replies[2] = reply(Bytes(15, static_cast<std::uint8_t>(i / 40000)));
        if (i % 4 == 1)
            t.replies[3] = reply(Bytes(16, 0x42));
        rec.append(t);
        ticks.push_back(t);
    }
    ASSERT_EQ(rec.size(), ticks.size());
    for (std::size_t i = 0; i < ticks.size(); ++i) {
        EXPECT_EQ(rec.seconds(i), ticks[i].seconds);
        for (int k = 0; k < 4; ++k)
            ASSERT_EQ(bytes_of(rec.reply(i, k)), bytes_of(&ticks[i].replies[k])) << i << " " << k;
    }
    EXPECT_LT(rec.memory_bytes() / rec.size(), 40u);
}

TEST(PlaybackPort, AnswersWithTheLatestReplyOfEachKind) {
    Recording rec;
    rec.append({0.30, {reply({0x65, 1}), reply({0x65, 2}), {}, {}}});
    rec.append({0.35, {reply({0x65, 3}), {}, {}, {}}});
    rec.append({0.40, {}});
    rec.append({0.45, {reply({0x65, 4}), reply({0x65, 5}), reply({0x65, 6}), reply({0x65, 7})}});
    FakeLinkClock clock;
    PlaybackSerialPort port(rec, clock);
    EXPECT_NEAR(port.length(), 0.20, 1e-9);  // the last row lasts as long as the one before
    struct Case {
        int command;
        double at;
        Bytes expected;
    } cases[] = {
        // The first row plays at once.
        {1, 0.00, {0x65, 1}},
        {2, 0.049, {0x65, 2}},
        // No settings block recorded yet.
        {3, 0.049, {}},
        {1, 0.051, {0x65, 3}},
        // The latest live reply, from an earlier row.
        {2, 0.06, {0x65, 2}},
        // The controller was silent then, and nothing from before the
        // silence plays after it.
        {1, 0.101, {}},
        {2, 0.101, {}},
        {1, 0.151, {0x65, 4}},
        {4, 0.199, {0x65, 7}},
        // Asked for an earlier time again (playback started over).
        {2, 0.049, {0x65, 2}},
        {4, 0.199, {0x65, 7}},
        // The end: silence.
        {1, 0.201, {}},
        {2, 5.00, {}},
        {5, 0.15, {}},
        {1, -0.01, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(bytes_of(port.reply_at(c.command, c.at)), c.expected)
            << c.command << " at " << c.at;
}

TEST(PlaybackPort, WirePaceTimeoutsAndWrites) {
    Recording rec;
    Bytes status{0x65, 0x01, 0x26, 0x8C};
    Bytes live{0x65, 10, 20, 30, 40, 0x88, 0x13, 0x08, 0x01, 150};
    live.push_back(checksum(live.data(), live.size()));
    RecordedTick t;
    t.replies[0] = reply(status);
    t.replies[1] = reply(live);
    for (int i = 0; i < 20; ++i) {
        t.seconds = i * 0.05;
        rec.append(t);
    }
    FakeLinkClock clock;
    PlaybackSerialPort port(rec, clock);
    LinkState link;
    link.port = &port;
    ControllerImage image;
    using std::chrono::microseconds;
    auto elapsed = [&](auto&& op) {
        const auto t0 = clock.t;
        op();
        return static_cast<double>(std::chrono::duration_cast<microseconds>(clock.t - t0).count());
    };
    // Command and reply at 10 bits a byte.
    EXPECT_NEAR(elapsed([&] { poll_status(link, image); }), 8 * 1041.667, 1);
    EXPECT_EQ(link.NoConnection, 0);
    EXPECT_EQ(controller_generation(image), 2);
    EXPECT_NEAR(elapsed([&] { read_live(link, image); }), 15 * 1041.667, 1);
    EXPECT_EQ(Bytes(image.LiveFrame.begin(), image.LiveFrame.end()), live);
    // The link writes nothing to a recording: no frame, no wait for an answer.
    EXPECT_EQ(port_source(link), PortSource::Playback);
    int acked = -1;
    EXPECT_EQ(elapsed([&] { acked = write_setting(link, image, 16, 20); }), 0);
    EXPECT_EQ(acked, 0);
    // Past the end: silence, and three polls lose the link.
    clock.set_seconds(port.length());
    EXPECT_EQ(port_source(link), PortSource::PlaybackEnded);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(elapsed([&] { poll_status(link, image); }), 140000);
    EXPECT_EQ(link.NoConnection, 1);
    EXPECT_EQ(link.PollPeriod, kPollPeriodLost);
    EXPECT_EQ(image.LiveFrame[0], 0);
    // Closed, the port moves nothing and takes no time.
    port.close();
    std::uint8_t buf[4];
    EXPECT_EQ(port.write(status), 0u);
    EXPECT_EQ(elapsed([&] { port.read(buf); }), 0);
    // A fresh start plays from the first row again.
    port.restart();
    poll_status(link, image);
    EXPECT_EQ(link.NoConnection, 0);
}

TEST(PlaybackPort, ShortRepliesEndAfterTheInterByteTimeout) {
    Recording rec;
    RecordedTick t;
    t.replies[0] = reply({0x65, 0x01});
    rec.append(t);
    FakeLinkClock clock;
    PlaybackSerialPort port(rec, clock);
    port.open("");
    const auto cmd = command_frame(1, 1);
    port.write(cmd);
    std::uint8_t buf[4] = {};
    const auto t0 = clock.t;
    EXPECT_EQ(port.read(buf), 2u);
    const double ms = std::chrono::duration<double, std::milli>(clock.t - t0).count();
    EXPECT_NEAR(ms, 6 * 1.041667 + 50, 0.01);
}

namespace {

// What the program holds after a tick.
struct AfterTick {
    int no_connection, failed_polls, poll_period;
    ControllerImage image;
    bool operator==(const AfterTick& o) const {
        return no_connection == o.no_connection && failed_polls == o.failed_polls &&
               poll_period == o.poll_period && image.StatusFrame == o.image.StatusFrame &&
               image.LiveFrame == o.image.LiveFrame &&
               image.SettingsBlock1 == o.image.SettingsBlock1 &&
               image.SettingsBlock2 == o.image.SettingsBlock2;
    }
};

}  // namespace

TEST(PlaybackPort, ARecordedRunPlaysBackTheSameFramesTickByTick) {
    // Record a run of the simulated controller with faults of every kind and
    // a pulled lead, one tick a second on a fake clock, then play it back
    // with the clock set to each row's time. Every tick receives the status
    // reply and every other reply that was recorded, and leaves the link and
    // the image as the recorded tick left them.
    sim::FaultRates faults;
    faults.garbage = 0.08;
    faults.short_reply = 0.08;
    faults.bad_checksum = 0.08;
    faults.silence = 0.10;
    sim::SimController controller(2, 6, faults, 11);
    double sim_t = 2.0;
    ScriptedSerialPort device;
    tarvex::testing::answer_as(device, controller, sim_t);
    FakeLinkClock clock;
    std::vector<TickFrames> recorded;
    std::vector<AfterTick> recorded_after;
    RecordingSerialPort rec(
        device, [&](const TickFrames& t) { recorded.push_back(t); }, clock);
    LinkState link;
    link.port = &rec;
    ControllerImage image;
    PollShared poll;
    for (int i = 0; i < 300; ++i) {
        clock.set_seconds(i);
        sim_t = 2.0 + i * 0.05;
        controller.set_silent(i >= 100 && i < 110);
        readings_poll(link, image, poll);
        recorded_after.push_back({link.NoConnection, link.FailedPolls, link.PollPeriod, image});
    }
    rec.finish();
    ASSERT_EQ(recorded.size(), 300u);

    Recording recording;
    for (const auto& t : recorded)
        recording.append(
            {std::chrono::duration<double>(t.started - recorded[0].started).count(), t.replies});
    FakeLinkClock play_clock;
    PlaybackSerialPort player(recording, play_clock);
    std::vector<TickFrames> played;
    RecordingSerialPort tap(
        player, [&](const TickFrames& t) { played.push_back(t); }, play_clock);
    LinkState link2;
    link2.port = &tap;
    ControllerImage image2;
    PollShared poll2;
    int lost = 0;
    for (int i = 0; i < 300; ++i) {
        play_clock.set_seconds(i);
        readings_poll(link2, image2, poll2);
        lost += link2.NoConnection;
        ASSERT_TRUE((AfterTick{link2.NoConnection, link2.FailedPolls, link2.PollPeriod, image2} ==
                     recorded_after[static_cast<std::size_t>(i)]))
            << "tick " << i;
    }
    tap.finish();
    ASSERT_EQ(played.size(), 300u);
    for (std::size_t i = 0; i < 300; ++i) {
        EXPECT_EQ(bytes_of(&played[i].replies[0]), bytes_of(&recorded[i].replies[0])) << i;
        for (std::size_t k = 1; k < 4; ++k) {
            if (recorded[i].replies[k].size > 0) {
                EXPECT_EQ(bytes_of(&played[i].replies[k]), bytes_of(&recorded[i].replies[k]))
                    << "tick " << i << " command " << k + 1;
            }
        }
    }
    EXPECT_GT(lost, 0) << "the pulled lead should have lost the link";
}

TEST(PlaybackPort, PositionAndLengthAsMinutesAndSeconds) {
    const std::pair<double, const char*> cases[] = {
        {-1, "00:00"}, {83.9, "01:23"}, {3599.99, "59:59"}, {3723, "1:02:03"}};
    for (const auto& [seconds, text] : cases)
        EXPECT_EQ(minutes_seconds(seconds), text) << seconds;
}
