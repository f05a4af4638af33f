// SPDX-License-Identifier: MIT
#include <algorithm>

#include "link/link_state.h"
#include "link/write_journal.h"

namespace tarvex {

namespace {

void ensure_open(LinkState& link) {
    if (link.PortOpen == 0) {
        open_port(link);
        link.PortOpen = 1;
    }
}

// Closes the port after a bad reply: the link itself stays as it was.
void close_after_bad_reply(LinkState& link) {
    if (link.PortOpen) {
        if (link.port)
            link.port->close();
        link.PortOpen = 0;
    }
}

// Sends a read command and reads its n-byte reply. A reply with a good
// envelope is copied into frame and counts as read; a bad checksum closes
// the port.
template <std::size_t N>
bool read_frame(LinkState& link, int command, std::array<std::uint8_t, N>& frame, bool& read) {
    ensure_open(link);
    link.port->purge_transmit();
    const auto cmd = command_frame(command, command);
    link.port->write(cmd);
    std::array<std::uint8_t, N> buf{};
    const std::size_t got = link.port->read(buf);
    if (got < N)
        link.port->purge_receive();
    if (buf[0] != kFrameMark)
        return false;
    if (checksum(buf.data(), N - 1) != buf[N - 1]) {
        close_after_bad_reply(link);
        return false;
    }
    frame = buf;
    read = true;
    return true;
}

// Reads a frame and tells the journal when a good one came.
template <std::size_t N>
bool read_and_tell(LinkState& link, const ControllerImage& image, Frame which, int command,
                   std::array<std::uint8_t, N>& frame, bool& read) {
    const FramesRead before = link.read_since_up;
    if (!read_frame(link, command, frame, read))
        return false;
    if (link.journal)
        link.journal->frame_read({which, before, link.read_since_up}, image);
    return true;
}

bool frame_read_since_up(const LinkState& link, Frame frame) {
    switch (frame) {
        case Frame::Live:
            return link.read_since_up.live;
        case Frame::Block1:
            return link.read_since_up.settings1;
        case Frame::Block2:
            return link.read_since_up.settings2;
    }
    return false;
}

// The write as the journal keeps it, with the value the image showed for the
// setting when its frame was read since the link came up.
WriteAttempt attempt(const LinkState& link, const ControllerImage& image, int code, int value) {
    WriteAttempt w{static_cast<std::uint8_t>(code & 0xFF), static_cast<std::uint8_t>(value & 0xFF),
                   std::nullopt};
    if (const SettingDef* def = find_setting_by_code(w.code);
        def && frame_read_since_up(link, def->frame))
        w.shown_before = setting_value(image, *def);
    return w;
}

}  // namespace

std::array<std::uint8_t, 4> command_frame(int code, int value) {
    std::array<std::uint8_t, 4> f{kFrameMark, static_cast<std::uint8_t>(code & 0xFF),
                                  static_cast<std::uint8_t>(value & 0xFF), 0};
    f[3] = checksum(f.data(), 3);
    return f;
}

void open_port(LinkState& link) {
    if (!link.port)
        return;
    const std::string& device = device_for(link.devices, link.port_name);
    const bool opened = link.port->open(device);
    if (link.watch)
        link.watch->opened(link.port_name, device, opened ? 0 : link.port->last_open_error());
}

void close_port(LinkState& link) {
    close_after_bad_reply(link);
    link.read_since_up = {};
}

void poll_status(LinkState& link, ControllerImage& image) {
    ensure_open(link);
    link.port->purge_transmit();
    link.port->purge_receive();
    const auto cmd = command_frame(1, 1);
    link.port->write(cmd);
    std::array<std::uint8_t, kStatusLen> buf{};
    const std::size_t got = link.port->read(buf);
    if (got < buf.size())
        link.port->purge_receive();

    if (buf[0] == kFrameMark) {
        if (checksum(buf.data(), 3) == buf[3]) {
            link.NoConnection = 0;
            link.FailedPolls = 0;
            link.PollPeriod = kPollPeriodConnected;
            image.StatusFrame = buf;
        } else {
            link.port->purge_receive();
            close_after_bad_reply(link);
        }
        return;
    }

    link.FailedPolls += 1;
    if (link.FailedPolls >= kFailedPollsForLoss) {
        link.port->purge_receive();
        link.port->purge_transmit();
        close_port(link);
        link.NoConnection = 1;
        link.FailedPolls -= 1;  // stays at 2: every further failure repeats the loss
        link.PollPeriod = kPollPeriodLost;
        clear_on_link_loss(image);
    }
}

bool poll_controller(LinkState& link, ControllerImage& image) {
    poll_status(link, image);
    const int generation = controller_generation(image);
    return link.NoConnection == 0 && generation == 2;
}

bool read_live(LinkState& link, ControllerImage& image) {
    return read_and_tell(link, image, Frame::Live, 2, image.LiveFrame, link.read_since_up.live);
}

bool read_settings1(LinkState& link, ControllerImage& image) {
    return read_and_tell(link, image, Frame::Block1, 3, image.SettingsBlock1,
                         link.read_since_up.settings1);
}

bool read_settings2(LinkState& link, ControllerImage& image) {
    return read_and_tell(link, image, Frame::Block2, 4, image.SettingsBlock2,
                         link.read_since_up.settings2);
}

int write_setting(LinkState& link, ControllerImage& image, int code, int value) {
    if (controller_generation(image) != 2 || plays_recording(link))
        return 0;
    const auto frame = command_frame(code, value);
    if (link.journal)
        link.journal->before_write(attempt(link, image, code, value));
    ensure_open(link);
    link.port->purge_receive();
    link.port->purge_transmit();
    link.port->write(frame);
    if (link.WriteDelay > 0)
        link.port->sleep_ms(link.WriteDelay);
    // Bytes that do not arrive keep their previous values in WriteAck.
    std::array<std::uint8_t, kAckLen> buf{};
    const std::size_t got = link.port->read(buf);
    std::copy_n(buf.begin(), got, image.WriteAck.begin());
    link.port->purge_receive();
    if (link.journal)
        link.journal->after_write(std::span<const std::uint8_t>(buf.data(), got));
    return static_cast<int>(got);
}

}  // namespace tarvex
