// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>

namespace tarvex {

// What stands behind a port: a serial device, or a recording played back in
// place of the controller (still playing, or played to its end).
enum class PortSource { Device, Playback, PlaybackEnded };

// The byte pipe to the controller. Implementations honour the link's timeouts:
// a read of n bytes gives up 100 + 10 n ms after it started, or 50 ms after the
// last byte once one has arrived, and returns as soon as all n bytes are there.
class SerialPort {
  public:
    virtual ~SerialPort() = default;

    // Opens and configures the device (9600 8N1, raw). False when that failed;
    // transfers then move no bytes until the next open.
    virtual bool open(const std::string& device) = 0;
    virtual void close() = 0;
    virtual void purge_receive() = 0;
    virtual void purge_transmit() = 0;
    virtual std::size_t write(std::span<const std::uint8_t> bytes) = 0;
    virtual std::size_t read(std::span<std::uint8_t> into) = 0;
    virtual void sleep_ms(int ms) = 0;
    // errno of the last failed open, 0 after a successful one.
    virtual int last_open_error() const { return 0; }
    // Work to do once while the next read waits for the controller (a reply
    // leaves the line idle for milliseconds), such as showing the screen what
    // the last poll drew. Ports that never wait do it at once; an empty
    // function drops work not yet done.
    virtual void while_next_read_waits(std::function<void()> work) {
        if (work)
            work();
    }
    virtual PortSource source() const { return PortSource::Device; }
};

// Timeouts of the link, in milliseconds.
constexpr int kInterByteTimeoutMs = 50;
constexpr int total_timeout_ms(std::size_t n) {
    return 100 + 10 * static_cast<int>(n);
}

}  // namespace tarvex
