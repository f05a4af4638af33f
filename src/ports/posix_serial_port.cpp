// SPDX-License-Identifier: MIT
#include "ports/posix_serial_port.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <thread>
#include <utility>

#include "ports/device_node.h"

namespace tarvex {

namespace {

using Clock = std::chrono::steady_clock;

int ms_until(Clock::time_point deadline) {
    const auto left = deadline - Clock::now();
    if (left <= Clock::duration::zero())
        return 0;
    // Rounded up, so that a poll that times out never wakes before the
    // deadline: a read then gives up after its whole timeout, not just before.
    return static_cast<int>(std::chrono::ceil<std::chrono::milliseconds>(left).count());
}

bool configure(int fd) {
    termios tio{};
    if (tcgetattr(fd, &tio) != 0)
        return false;
    cfmakeraw(&tio);
    tio.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY | INPCK | ISTRIP | PARMRK | IGNBRK |
                                          BRKINT | IGNPAR);
    tio.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | CSTOPB | CRTSCTS | HUPCL);
    tio.c_cflag |= CS8 | CREAD | CLOCAL;
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    cfsetispeed(&tio, B9600);
    cfsetospeed(&tio, B9600);
    if (tcsetattr(fd, TCSANOW, &tio) != 0)
        return false;
    // Neither DTR nor RTS asserted. Pseudo-terminals have no modem lines.
    int lines = TIOCM_DTR | TIOCM_RTS;
    (void)ioctl(fd, TIOCMBIC, &lines);
    return true;
}

}  // namespace

PosixSerialPort::~PosixSerialPort() {
    close();
}

bool PosixSerialPort::open(const std::string& device) {
    close();
    int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        last_open_error_ = errno;
        return false;
    }
    // A port that another program holds is refused. The lock binds root too,
    // which TIOCEXCL does not, and dies with its holder. It is taken first, so
    // a refused opener leaves the holder's settings alone.
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        last_open_error_ = errno;
        ::close(fd);
        return false;
    }
    if (!isatty(fd) || ioctl(fd, TIOCEXCL) != 0 || !configure(fd)) {
        last_open_error_ = errno ? errno : ENOTTY;
        ::close(fd);
        return false;
    }
    // Without it a USB adapter holds each reply up to its latency timer.
    (void)request_low_latency(fd, serial_info_ioctl_);
    fd_ = fd;
    device_ = device;
    last_open_error_ = 0;
    return true;
}

// The device went away under the open descriptor (pulled out, hung up, its
// node gone): let go of it at once, so that the adapter plugged in again
// gets its old name back. Transfers move no bytes until the next open.
void PosixSerialPort::drop() {
    ::close(fd_);
    fd_ = -1;
}

void PosixSerialPort::close() {
    if (fd_ >= 0) {
        (void)ioctl(fd_, TIOCNXCL);
        ::close(fd_);
        fd_ = -1;
    }
}

void PosixSerialPort::purge_receive() {
    if (fd_ >= 0)
        tcflush(fd_, TCIFLUSH);
}

void PosixSerialPort::purge_transmit() {
    if (fd_ >= 0)
        tcflush(fd_, TCOFLUSH);
}

std::size_t PosixSerialPort::write(std::span<const std::uint8_t> bytes) {
    if (fd_ < 0)
        return 0;
    if (!node_names_descriptor(device_, fd_)) {
        drop();
        return 0;
    }
    const auto deadline =
        Clock::now() + std::chrono::milliseconds(total_timeout_ms(bytes.size()) * timeout_scale_);
    std::size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd_, bytes.data() + done, bytes.size() - done);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno != EAGAIN) {
            if (is_device_gone_error(errno))
                drop();
            break;
        }
        int wait = ms_until(deadline);
        if (wait == 0)
            break;
        pollfd p{fd_, POLLOUT, 0};
        int rc = ::poll(&p, 1, wait);
        if (rc < 0 && errno == EINTR)
            continue;
        if (rc > 0 && (p.revents & (POLLERR | POLLHUP | POLLNVAL))) {
            drop();
            break;
        }
        if (rc <= 0)
            break;
    }
    return done;
}

void PosixSerialPort::while_next_read_waits(std::function<void()> work) {
    // A closed port's reads do not wait.
    if (fd_ < 0 && work)
        work();
    else
        while_waiting_ = std::move(work);
}

std::size_t PosixSerialPort::read(std::span<std::uint8_t> into) {
    if (while_waiting_)
        std::exchange(while_waiting_, nullptr)();
    if (fd_ < 0 || into.empty())
        return 0;
    const auto deadline =
        Clock::now() + std::chrono::milliseconds(total_timeout_ms(into.size()) * timeout_scale_);
    const int inter_byte = kInterByteTimeoutMs * timeout_scale_;
    std::size_t got = 0;
    while (got < into.size()) {
        int wait = ms_until(deadline);
        if (wait == 0)
            break;
        if (got > 0 && wait > inter_byte)
            wait = inter_byte;
        pollfd p{fd_, POLLIN, 0};
        int rc = ::poll(&p, 1, wait);
        if (rc < 0) {
            if (errno == EINTR)
                continue;
            break;
        }
        if (rc == 0)
            break;  // total or inter-byte timeout
        if (p.revents & POLLIN) {
            ssize_t n = ::read(fd_, into.data() + got, into.size() - got);
            if (n > 0) {
                got += static_cast<std::size_t>(n);
                continue;
            }
            if (n < 0 && (errno == EINTR || errno == EAGAIN))
                continue;
            drop();  // end of file or error: the device went away
            break;
        }
        drop();  // POLLHUP, POLLERR or POLLNVAL without data
        break;
    }
    return got;
}

void PosixSerialPort::sleep_ms(int ms) {
    if (ms > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

}  // namespace tarvex
