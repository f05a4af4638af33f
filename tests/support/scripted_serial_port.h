// SPDX-License-Identifier: MIT
#pragma once

#include <cerrno>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "link/serial_port.h"

namespace tarvex {

// A serial port for tests. It logs every call and answers reads from a queue of
// scripted replies, or else from a responder that plays the controller.
class ScriptedSerialPort final : public SerialPort {
  public:
    enum class Op { Open, Close, PurgeReceive, PurgeTransmit, Write, Read, Sleep };
    struct Event {
        Op op;
        std::vector<std::uint8_t> bytes;  // Write: bytes sent; Read: bytes returned
        std::size_t asked = 0;            // Read: bytes asked for
        int ms = 0;                       // Sleep
        std::string device;               // Open
    };
    // Computes the reply to the frame last written.
    using Responder = std::function<std::vector<std::uint8_t>(const std::vector<std::uint8_t>&)>;

    bool open(const std::string& device) override;
    void close() override;
    void purge_receive() override;
    void purge_transmit() override;
    std::size_t write(std::span<const std::uint8_t> bytes) override;
    std::size_t read(std::span<std::uint8_t> into) override;
    void sleep_ms(int ms) override;

    // A good reply of n bytes (frame mark, checksum, zeros between): the
    // third byte of a status reply is the controller's version.
    static std::vector<std::uint8_t> framed_reply(std::size_t n, std::uint8_t third = 0);
    // Each read takes the next queued reply, cut to the size asked for.
    void queue_reply(std::vector<std::uint8_t> reply) { replies_.push_back(std::move(reply)); }
    void set_responder(Responder r) { responder_ = std::move(r); }
    void set_open_result(bool ok) { open_ok_ = ok; }
    // A failing open with this errno (0: opens).
    void set_open_error(int error) {
        open_error_ = error;
        open_ok_ = error == 0;
    }
    int last_open_error() const override { return open_ ? 0 : open_error_ ? open_error_ : EIO; }
    // With waits(true) the work is kept and done at the next read, as the
    // termios port does; otherwise at once.
    void while_next_read_waits(std::function<void()> work) override;
    void set_waits(bool waits) { waits_ = waits; }
    bool work_waiting() const { return static_cast<bool>(while_waiting_); }

    const std::vector<Event>& events() const { return events_; }
    void clear_events() { events_.clear(); }
    // The frames written, in order, and their command codes.
    std::vector<std::vector<std::uint8_t>> writes() const;
    std::vector<int> commands() const;
    bool is_open() const { return open_; }
    void clear_replies() { replies_.clear(); }

  private:
    std::vector<Event> events_;
    std::deque<std::vector<std::uint8_t>> replies_;
    std::vector<std::uint8_t> last_written_;
    Responder responder_;
    bool open_ok_ = true;
    int open_error_ = 0;
    bool waits_ = false;
    std::function<void()> while_waiting_;
    bool open_ = false;
};

}  // namespace tarvex
