// SPDX-License-Identifier: MIT
#pragma once

#include "link/serial_port.h"
#include "ports/low_latency.h"

namespace tarvex {

// A serial device through POSIX termios: exclusive (an exclusive lock on the
// device and TIOCEXCL), raw 9600 8N1, no flow control, DTR and RTS cleared,
// low-latency mode asked of the driver. Reads and writes wait with poll(),
// never with fixed sleeps. A device that goes away while open (hang-up, EIO,
// ENODEV, its node vanished) is let go at once and moves no bytes until
// opened again.
class PosixSerialPort final : public SerialPort {
  public:
    PosixSerialPort() = default;
    ~PosixSerialPort() override;
    PosixSerialPort(const PosixSerialPort&) = delete;
    PosixSerialPort& operator=(const PosixSerialPort&) = delete;

    bool open(const std::string& device) override;
    void close() override;
    void purge_receive() override;
    void purge_transmit() override;
    std::size_t write(std::span<const std::uint8_t> bytes) override;
    std::size_t read(std::span<std::uint8_t> into) override;
    void sleep_ms(int ms) override;

    // Stretches every timeout by factor (1, the link's own timeouts, by
    // default). Tests that check what the link does with replies, rather than
    // when it gives up on them, stretch them so that a busy machine cannot
    // make a prompt reply late.
    void set_timeout_scale(int factor) { timeout_scale_ = factor > 1 ? factor : 1; }

    bool is_open() const { return fd_ >= 0; }
    // The driver-settings calls used for low-latency mode (tests replace them).
    void set_serial_info_ioctl(SerialInfoIoctl call) { serial_info_ioctl_ = call; }
    int last_open_error() const override { return last_open_error_; }
    void while_next_read_waits(std::function<void()> work) override;

  private:
    void drop();

    int fd_ = -1;
    std::string device_;
    int last_open_error_ = 0;
    int timeout_scale_ = 1;
    SerialInfoIoctl serial_info_ioctl_ = system_serial_info_ioctl;
    std::function<void()> while_waiting_;
};

}  // namespace tarvex
