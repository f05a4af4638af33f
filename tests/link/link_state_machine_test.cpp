// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <random>

#include "link/link_state.h"
#include "support/scripted_serial_port.h"

using namespace tarvex;
using Bytes = std::vector<std::uint8_t>;
using Op = ScriptedSerialPort::Op;

namespace {

Bytes framed(Bytes b) {
    b.push_back(checksum(b.data(), b.size()));
    return b;
}

const Bytes kStatusGen2 = framed({0x65, 0x01, 0x25});  // generation 2, minor 5

struct LinkFixture : ::testing::Test {
    ScriptedSerialPort port;
    LinkState link;
    ControllerImage image;
    void SetUp() override {
        link.port = &port;
        link.devices.device[0] = "/dev/test-com1";
    }
    // Fills every frame with recognisable bytes.
    void fill_image() {
        image.StatusFrame = {0x65, 1, 0x25, 0x8B};
        image.LiveFrame.fill(0x11);
        image.SettingsBlock1.fill(0x22);
        image.SettingsBlock2.fill(0x33);
        image.WriteAck = {7, 8, 9};
    }
    std::vector<Op> ops() const {
        std::vector<Op> out;
        for (const auto& e : port.events())
            out.push_back(e.op);
        return out;
    }
};

}  // namespace

TEST_F(LinkFixture, StatusPollSequenceAndGoodReply) {
    port.queue_reply(kStatusGen2);
    poll_status(link, image);
    EXPECT_EQ(ops(), (std::vector<Op>{Op::Open, Op::PurgeTransmit, Op::PurgeReceive, Op::Write,
                                      Op::Read}));
    EXPECT_EQ(port.events()[0].device, "/dev/test-com1");
    EXPECT_EQ(port.writes()[0], (Bytes{0x65, 0x01, 0x01, 0x67}));
    EXPECT_EQ(port.events()[4].asked, 4u);
    EXPECT_EQ(link.PortOpen, 1);
    EXPECT_EQ(link.NoConnection, 0);
    EXPECT_EQ(link.FailedPolls, 0);
    EXPECT_EQ(link.PollPeriod, 50);
    EXPECT_EQ(Bytes(image.StatusFrame.begin(), image.StatusFrame.end()), kStatusGen2);
    EXPECT_EQ(controller_generation(image), 2);
    EXPECT_EQ(image.ControllerMinor, 5);
}

TEST_F(LinkFixture, ThreeFailedPollsLoseTheLinkAndEveryFurtherFailureRepeatsIt) {
    fill_image();
    link.NoConnection = 0;
    link.read_since_up = {true, true, true};
    // First two: counted quietly, the port stays open, nothing cleared.
    for (int i = 1; i <= 2; ++i) {
        port.clear_events();
        poll_status(link, image);
        EXPECT_EQ(link.FailedPolls, i);
        EXPECT_EQ(link.NoConnection, 0);
        EXPECT_EQ(link.PollPeriod, 50);
        EXPECT_EQ(link.PortOpen, 1);
        EXPECT_EQ(image.LiveFrame[3], 0x11);
    }
    // Third: lost.
    port.clear_events();
    poll_status(link, image);
    EXPECT_EQ(ops(),
              (std::vector<Op>{Op::PurgeTransmit, Op::PurgeReceive, Op::Write, Op::Read,
                               Op::PurgeReceive, Op::PurgeReceive, Op::PurgeTransmit, Op::Close}));
    EXPECT_EQ(link.NoConnection, 1);
    EXPECT_EQ(link.FailedPolls, 2);
    EXPECT_EQ(link.PollPeriod, 500);
    EXPECT_EQ(link.PortOpen, 0);
    EXPECT_FALSE(link.read_since_up.settings2);
    for (auto b : image.LiveFrame)
        EXPECT_EQ(b, 0);
    for (int i = 0; i < 14; ++i)
        EXPECT_EQ(image.SettingsBlock1[i], 0) << i;
    EXPECT_EQ(image.SettingsBlock1[14], 0x22);  // checksum byte kept
    for (auto b : image.SettingsBlock2)
        EXPECT_EQ(b, 0);
    EXPECT_EQ(image.StatusFrame[2], 0x25);  // status kept
    EXPECT_EQ(image.WriteAck[0], 7);

    // Every further failed poll reopens, fails and closes again.
    for (int i = 0; i < 3; ++i) {
        image.LiveFrame.fill(0x44);
        port.clear_events();
        poll_status(link, image);
        EXPECT_EQ(ops().front(), Op::Open);
        EXPECT_EQ(ops().back(), Op::Close);
        EXPECT_EQ(link.FailedPolls, 2);
        EXPECT_EQ(link.NoConnection, 1);
        EXPECT_EQ(link.PollPeriod, 500);
        EXPECT_EQ(image.LiveFrame[0], 0);
    }

    // One good reply brings the link back at once.
    port.queue_reply(kStatusGen2);
    poll_status(link, image);
    EXPECT_EQ(link.NoConnection, 0);
    EXPECT_EQ(link.FailedPolls, 0);
    EXPECT_EQ(link.PollPeriod, 50);
    EXPECT_EQ(link.PortOpen, 1);
}

TEST_F(LinkFixture, GarbageStatusCountsAsAFailedPoll) {
    port.queue_reply({0x00, 0x65, 0x01, 0x66});
    poll_status(link, image);
    EXPECT_EQ(link.FailedPolls, 1);
    EXPECT_EQ(image.StatusFrame[0], 0);
}

TEST_F(LinkFixture, StatusRepliesByChecksum) {
    struct Case {
        Bytes reply;
        bool good;
        int generation, minor;
    } cases[] = {
        {{0x65, 0x01, 0x41, 0xA7}, true, 3, 1},
        {{0x65, 0x01, 0x41, 0xA8}, false, 1, 0},
        {{0x65, 0x01, 0x25}, false, 1, 0},  // short: the missing byte reads as 0
    };
    for (const auto& c : cases) {
        ScriptedSerialPort p;
        LinkState l;
        l.port = &p;
        l.FailedPolls = 1;
        ControllerImage img;
        p.queue_reply(c.reply);
        poll_status(l, img);
        if (c.good) {
            EXPECT_EQ(l.NoConnection, 0);
            EXPECT_EQ(l.FailedPolls, 0);
            EXPECT_EQ(l.PortOpen, 1);
        } else {
            // A bad checksum changes no state; it only closes the port.
            EXPECT_EQ(l.NoConnection, 1);
            EXPECT_EQ(l.FailedPolls, 1);
            EXPECT_EQ(l.PollPeriod, 50);
            EXPECT_EQ(l.PortOpen, 0);
            EXPECT_FALSE(p.is_open());
            EXPECT_EQ(img.StatusFrame[0], 0);
        }
        EXPECT_EQ(controller_generation(img), c.generation);
        EXPECT_EQ(img.ControllerMinor, c.minor);
    }
}

TEST_F(LinkFixture, ReadCommandsFillTheirFrames) {
    const Bytes live = framed({0x65, 10, 23, 120, 110, 0x88, 0x13, 0x18, 0xD1, 150});
    const Bytes s1 = framed({0x65, 0x6A, 0, 23, 6, 0x81, 40, 40, 0x55, 0x55, 10, 145, 4, 10});
    const Bytes s2 = framed({0x65, 20, 20, 25, 10, 0x4C, 0x1D, 4, 0x8D, 0x20, 40, 0xC4, 9, 15, 15});
    port.queue_reply(live);
    read_live(link, image);
    port.queue_reply(s1);
    read_settings1(link, image);
    EXPECT_FALSE(link.read_since_up.all());
    port.queue_reply(s2);
    EXPECT_TRUE(read_settings2(link, image));
    EXPECT_TRUE(link.read_since_up.all());
    const auto w = port.writes();
    ASSERT_EQ(w.size(), 3u);
    EXPECT_EQ(w[0], (Bytes{0x65, 0x02, 0x02, 0x69}));
    EXPECT_EQ(w[1], (Bytes{0x65, 0x03, 0x03, 0x6B}));
    EXPECT_EQ(w[2], (Bytes{0x65, 0x04, 0x04, 0x6D}));
    EXPECT_EQ(Bytes(image.LiveFrame.begin(), image.LiveFrame.end()), live);
    EXPECT_EQ(Bytes(image.SettingsBlock1.begin(), image.SettingsBlock1.end()), s1);
    EXPECT_EQ(Bytes(image.SettingsBlock2.begin(), image.SettingsBlock2.end()), s2);
    EXPECT_EQ(image.LambdaPoint(), 23);
    EXPECT_EQ(image.AttInit(), 110);
    EXPECT_EQ(image.LPGOffRPMHi(), 9);
    // Reads purge only the transmit buffer before sending.
    EXPECT_EQ(ops(),
              (std::vector<Op>{Op::Open, Op::PurgeTransmit, Op::Write, Op::Read, Op::PurgeTransmit,
                               Op::Write, Op::Read, Op::PurgeTransmit, Op::Write, Op::Read}));
    // Let go of the port (another is chosen): nothing counts as read.
    close_port(link);
    EXPECT_FALSE(link.read_since_up.live || link.read_since_up.settings1 ||
                 link.read_since_up.settings2);
}

TEST_F(LinkFixture, BadReadRepliesLeaveTheFrame) {
    struct Case {
        Bytes reply;
        bool closes;
        bool purges;
    };
    const Bytes good = framed({0x65, 1, 2, 3, 4, 5, 6, 7, 8, 9});
    std::vector<Case> cases = {
        {{0x00, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, false, false},  // no frame mark
        {{}, false, true},                                      // silence
        {good, true, false},
    };
    cases[2].reply.back() ^= 1;  // bad checksum
    // Cut short by any number of bytes: those missing read as 0, and no prefix
    // of this frame sums to 0, so each fails its checksum.
    for (std::size_t n = 1; n < good.size(); ++n)
        cases.push_back(
            {Bytes(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(n)), true, true});
    for (const auto& c : cases) {
        ScriptedSerialPort p;
        LinkState l;
        l.port = &p;
        l.FailedPolls = 1;
        ControllerImage img;
        img.LiveFrame.fill(0x5A);
        l.read_since_up = {true, true, true};
        p.queue_reply(c.reply);
        EXPECT_FALSE(read_live(l, img));
        EXPECT_TRUE(l.read_since_up.all());  // what was read stays read
        EXPECT_EQ(img.LiveFrame[0], 0x5A);
        EXPECT_EQ(img.LiveFrame[10], 0x5A);
        EXPECT_EQ(l.FailedPolls, 1);  // reads never count
        EXPECT_EQ(l.PortOpen, c.closes ? 0 : 1) << c.reply.size();
        bool purged = false;
        for (const auto& e : p.events())
            purged |= e.op == Op::PurgeReceive;
        EXPECT_EQ(purged, c.purges) << c.reply.size();
    }
}

TEST_F(LinkFixture, WritesSendOnlyToGenerationTwo) {
    struct Case {
        std::uint8_t version;
        bool sends;
    } cases[] = {{0x00, false}, {0x25, true}, {0x41, false}, {0x3F, true}, {0xE0, false}};
    for (const auto& c : cases) {
        ScriptedSerialPort p;
        LinkState l;
        l.port = &p;
        ControllerImage img;
        img.StatusFrame[2] = c.version;
        p.queue_reply({0x65, 0x11, 0x76});
        const int n = write_setting(l, img, 7, 25);
        EXPECT_EQ(n, c.sends ? 3 : 0) << int(c.version);
        EXPECT_EQ(p.events().empty(), !c.sends) << int(c.version);
    }
}

TEST_F(LinkFixture, WriteFrameUsesLowBytesAndStoresTheAck) {
    image.StatusFrame[2] = 0x25;
    port.queue_reply({0x65, 0x01, 0x66});
    EXPECT_EQ(write_setting(link, image, 300, 513), 3);
    EXPECT_EQ(port.writes()[0], (Bytes{0x65, 0x2C, 0x01, 0x92}));
    EXPECT_EQ(ops(), (std::vector<Op>{Op::Open, Op::PurgeReceive, Op::PurgeTransmit, Op::Write,
                                      Op::Read, Op::PurgeReceive}));
    EXPECT_EQ(image.WriteAck, (std::array<std::uint8_t, 3>{0x65, 0x01, 0x66}));
    // The acknowledgement changes no connection state.
    EXPECT_EQ(link.NoConnection, 1);
    EXPECT_EQ(link.PollPeriod, 50);
}

TEST_F(LinkFixture, ShortAckKeepsTheBytesThatDidNotArrive) {
    image.StatusFrame[2] = 0x25;
    image.WriteAck = {1, 2, 3};
    port.queue_reply({0x65});
    EXPECT_EQ(write_setting(link, image, 30, 51), 1);
    EXPECT_EQ(image.WriteAck, (std::array<std::uint8_t, 3>{0x65, 2, 3}));
    EXPECT_EQ(write_setting(link, image, 30, 51), 0);
    EXPECT_EQ(image.WriteAck, (std::array<std::uint8_t, 3>{0x65, 2, 3}));
}

TEST_F(LinkFixture, WriteDelayPausesBetweenSendingAndReading) {
    image.StatusFrame[2] = 0x25;
    link.WriteDelay = 250;
    port.queue_reply({0x65, 0x33, 0x98});
    write_setting(link, image, 30, 51);
    EXPECT_EQ(ops(), (std::vector<Op>{Op::Open, Op::PurgeReceive, Op::PurgeTransmit, Op::Write,
                                      Op::Sleep, Op::Read, Op::PurgeReceive}));
    EXPECT_EQ(port.events()[4].ms, 250);
    link.WriteDelay = 0;
    port.clear_events();
    write_setting(link, image, 30, 51);
    for (const auto& e : port.events())
        EXPECT_NE(e.op, Op::Sleep);
}

TEST_F(LinkFixture, PortThatCannotOpenBehavesLikeASilentController) {
    port.set_open_result(false);
    for (int i = 0; i < 3; ++i)
        poll_status(link, image);
    EXPECT_EQ(link.NoConnection, 1);
    EXPECT_EQ(link.PollPeriod, 500);
    EXPECT_EQ(link.PortOpen, 0);
    // The next poll tries to open again.
    port.clear_events();
    poll_status(link, image);
    EXPECT_EQ(port.events().front().op, Op::Open);
}

TEST_F(LinkFixture, ClosePortOnlyWhenOpen) {
    close_port(link);
    EXPECT_TRUE(port.events().empty());
    port.queue_reply(kStatusGen2);
    poll_status(link, image);
    close_port(link);
    EXPECT_EQ(port.events().back().op, Op::Close);
    EXPECT_EQ(link.PortOpen, 0);
}

TEST(LinkRobustness, RepliesOfAnyLengthAndContentKeepTheStateConsistent) {
    std::mt19937 rng(12345);
    ScriptedSerialPort port;
    LinkState link;
    link.port = &port;
    ControllerImage image;
    auto byte = [&] { return static_cast<std::uint8_t>(rng() & 0xFF); };
    for (int i = 0; i < 5000; ++i) {
        Bytes reply(rng() % 24);
        for (auto& b : reply)
            b = byte();
        if (!reply.empty() && rng() % 2)
            reply[0] = 0x65;
        if (reply.size() > 1 && rng() % 3 == 0)
            reply.back() = checksum(reply.data(), reply.size() - 1);
        port.queue_reply(reply);
        switch (rng() % 5) {
            case 0:
                poll_status(link, image);
                break;
            case 1:
                read_live(link, image);
                break;
            case 2:
                read_settings1(link, image);
                break;
            case 3:
                read_settings2(link, image);
                break;
            default: {
                const int n =
                    write_setting(link, image, static_cast<int>(rng()), static_cast<int>(rng()));
                ASSERT_GE(n, 0);
                ASSERT_LE(n, 3);
            }
        }
        port.clear_replies();  // a reply the operation did not read
        port.clear_events();
        ASSERT_GE(link.FailedPolls, 0);
        ASSERT_LE(link.FailedPolls, 2);
        ASSERT_TRUE(link.NoConnection == 0 || link.NoConnection == 1);
        ASSERT_TRUE(link.PollPeriod == 50 || link.PollPeriod == 500);
        ASSERT_TRUE(link.PortOpen == 0 || link.PortOpen == 1);
        for (const auto* f : {image.StatusFrame.data(), image.LiveFrame.data(),
                              image.SettingsBlock1.data(), image.SettingsBlock2.data()})
            ASSERT_TRUE(f[0] == 0 || f[0] == 0x65);
        if (image.LiveFrame[0] == 0x65) {
            ASSERT_EQ(checksum(image.LiveFrame.data(), 10), image.LiveFrame[10]);
        }
    }
}
