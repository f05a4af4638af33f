// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <span>

#include "link/serial_port.h"
#include "recording/link_clock.h"

namespace tarvex {

// The bytes that came back after one read command, as received: a good frame,
// a short or garbled one, or nothing.
struct ReplyBytes {
    std::array<std::uint8_t, 16> bytes{};
    std::uint8_t size = 0;
    std::span<const std::uint8_t> view() const { return {bytes.data(), size}; }
};

// What one poll tick received. A tick starts with the status command, which
// every polling view sends first, and lasts until the next one.
struct TickFrames {
    LinkClock::Steady::time_point started{};
    LinkClock::Wall::time_point started_wall{};
    // By read command: status, live data, settings block 1, settings block 2.
    // Empty when the command was not sent in this tick or nothing came back.
    std::array<ReplyBytes, 4> replies{};
};

// A serial port that passes every call through to another one unchanged and
// collects, per poll tick, the reply bytes to the read commands. A tick is
// handed to the sink when the next tick starts or on finish(); the sink runs
// before the next status command goes out, so the controller image it looks
// at is the one the finished tick left.
class RecordingSerialPort final : public SerialPort {
  public:
    using TickSink = std::function<void(const TickFrames&)>;

    RecordingSerialPort(SerialPort& inner, TickSink sink, LinkClock& clock = system_link_clock());

    bool open(const std::string& device) override { return inner_.open(device); }
    void close() override { inner_.close(); }
    void purge_receive() override { inner_.purge_receive(); }
    void purge_transmit() override { inner_.purge_transmit(); }
    std::size_t write(std::span<const std::uint8_t> bytes) override;
    std::size_t read(std::span<std::uint8_t> into) override;
    void sleep_ms(int ms) override { inner_.sleep_ms(ms); }
    void while_next_read_waits(std::function<void()> work) override {
        inner_.while_next_read_waits(std::move(work));
    }
    PortSource source() const override { return inner_.source(); }

    // Hands over the tick in progress, if any; later replies start no new
    // tick until the next status command.
    void finish();
    SerialPort& inner() { return inner_; }

  private:
    SerialPort& inner_;
    TickSink sink_;
    LinkClock& clock_;
    TickFrames tick_;
    bool tick_open_ = false;
    int pending_ = 0;  // read command whose reply comes next, 0 for none
};

// The read command (1 to 4) a frame sends, or 0 when it is anything else.
int read_command_of(std::span<const std::uint8_t> frame);

}  // namespace tarvex
