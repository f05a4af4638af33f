// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <optional>
#include <string>

#include "link/serial_port.h"
#include "recording/link_clock.h"
#include "recording/recording_reader.h"

namespace tarvex {

// A serial port that plays a recording back in place of the controller.
//
// The recording's clock runs in real time from the start of playback (its
// first row plays at once). Each read command is answered with the reply of
// that kind most recently recorded at the current playback time: the status
// reply of the current row as it was received (nothing when the controller
// was silent then), the live and settings replies of the latest row that
// holds one, but none from before the last status reply without a frame mark
// (the program may have lost the link there and cleared its image; a reply
// missing since then was not received). Replies take the time they take on the wire at 9600 8N1,
// about 1.04 ms a byte for the command and the reply; a read that gets nothing waits out the link's
// timeout, as on a real port. Writes are not acknowledged. Past the last row the port is silent, so
// the link is lost as when the lead is pulled.
//
// To play: stop any recording, close_port(link), keep the old link.port and
// put this one there; the next poll opens it. To stop: close_port(link) and
// put the old port back.
class PlaybackSerialPort final : public SerialPort {
  public:
    explicit PlaybackSerialPort(Recording recording, LinkClock& clock = system_link_clock());

    bool open(const std::string& device) override;
    void close() override { open_ = false; }
    void purge_receive() override { pending_.reset(); }
    void purge_transmit() override {}
    std::size_t write(std::span<const std::uint8_t> bytes) override;
    std::size_t read(std::span<std::uint8_t> into) override;
    void sleep_ms(int ms) override;
    PortSource source() const override {
        return at_end() ? PortSource::PlaybackEnded : PortSource::Playback;
    }

    // Starts the recording's clock again from its first row, now.
    void restart();
    // Seconds played since the start.
    double position() const;
    // Seconds from the first row until the port falls silent.
    double length() const { return end_ - first_; }
    bool at_end() const { return position() >= length(); }
    const Recording& recording() const { return recording_; }

    // The reply to read command 1..4 at `seconds` of playback, or none for silence.
    std::optional<ReplyBytes> reply_at(int command, double seconds) const;

  private:
    // Walks the rows in order and keeps, for each read command, the row
    // whose reply answers it at the row reached; playback asks in time order,
    // so each row is passed once (asking for an earlier time starts over).
    struct Cursor {
        std::size_t next = 0;  // rows passed
        std::array<long, 4> source{-1, -1, -1, -1};
    };
    void advance_to(std::size_t row) const;

    Recording recording_;
    LinkClock& clock_;
    mutable Cursor cursor_;
    double first_ = 0;  // recording time of the first row
    double end_ = 0;    // recording time at which the port falls silent
    LinkClock::Steady::time_point started_{};
    bool open_ = false;
    std::optional<ReplyBytes> pending_;
    LinkClock::Steady::time_point written_at_{};
    std::size_t written_bytes_ = 0;
};

// Seconds as minutes and seconds, "01:23", or with the hours from an hour
// on, "1:02:03"; whole seconds, cut toward zero.
std::string minutes_seconds(double seconds);

// Time of one byte on the wire at 9600 baud, 8N1: ten bits.
inline constexpr std::chrono::nanoseconds kWireByteTime{1'041'667};

}  // namespace tarvex
