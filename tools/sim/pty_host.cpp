// SPDX-License-Identifier: MIT
#include "sim/pty_host.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <thread>

namespace tarvex::sim {

namespace {

volatile std::sig_atomic_t g_stop = 0;
volatile std::sig_atomic_t g_toggle_silence = 0;
volatile std::sig_atomic_t g_toggle_fuel = 0;

using Clock = std::chrono::steady_clock;
// One byte of 9600 baud 8N1: 10 bits.
constexpr auto kByteTime = std::chrono::nanoseconds(1'000'000'000LL * 10 / 9600);

std::string hex(const std::uint8_t* b, std::size_t n) {
    std::string s;
    char buf[4];
    for (std::size_t i = 0; i < n; ++i) {
        std::snprintf(buf, sizeof buf, "%02X ", b[i]);
        s += buf;
    }
    if (!s.empty())
        s.pop_back();
    return s;
}

class PtyHost {
  public:
    explicit PtyHost(const SimOptions& o)
        : opt_(o), ctl_(make_sim_controller(o)), start_(Clock::now()) {}
    ~PtyHost() { cleanup(); }

    int run() {
        if (!open_pty())
            return 1;
        // The link comes last: its appearance tells that the simulator is ready.
        if (!opt_.ports_file.empty() && !write_ports_file())
            return 1;
        if (!make_link())
            return 1;
        std::fprintf(stderr, "tarvex-sim: controller on %s (link %s)%s\n", slave_name_.c_str(),
                     opt_.link.c_str(), opt_.pacing ? ", 9600 baud pacing" : "");
        serve();
        std::fprintf(stderr, "tarvex-sim: stopped\n");
        return 0;
    }

  private:
    bool open_pty() {
        master_ = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
        if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) {
            std::fprintf(stderr, "tarvex-sim: cannot create a pseudo-terminal: %s\n",
                         std::strerror(errno));
            return false;
        }
        const char* name = ptsname(master_);
        if (!name)
            return false;
        slave_name_ = name;
        // Keep one slave descriptor open so the master never sees a hang-up
        // between clients, and make the line raw before any client opens it.
        slave_keep_ = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
        termios tio{};
        if (tcgetattr(master_, &tio) == 0) {
            cfmakeraw(&tio);
            cfsetispeed(&tio, B9600);
            cfsetospeed(&tio, B9600);
            tcsetattr(master_, TCSANOW, &tio);
        }
        int flags = fcntl(master_, F_GETFL);
        fcntl(master_, F_SETFL, flags | O_NONBLOCK);
        return true;
    }

    bool make_link() {
        struct stat st {};
        if (lstat(opt_.link.c_str(), &st) == 0) {
            if (!S_ISLNK(st.st_mode)) {
                std::fprintf(stderr, "tarvex-sim: %s exists and is not a symbolic link\n",
                             opt_.link.c_str());
                return false;
            }
            ::unlink(opt_.link.c_str());
        }
        if (::symlink(slave_name_.c_str(), opt_.link.c_str()) != 0) {
            std::fprintf(stderr, "tarvex-sim: cannot create link %s: %s\n", opt_.link.c_str(),
                         std::strerror(errno));
            return false;
        }
        linked_ = true;
        return true;
    }

    bool write_ports_file() {
        std::ofstream f(opt_.ports_file, std::ios::trunc);
        f << "COM" << opt_.com << "=" << opt_.link << "\n";
        if (!f) {
            std::fprintf(stderr, "tarvex-sim: cannot write %s\n", opt_.ports_file.c_str());
            return false;
        }
        return true;
    }

    void cleanup() {
        if (linked_) {
            // Remove the link only if it still points at our terminal.
            char target[256] = {};
            ssize_t n = ::readlink(opt_.link.c_str(), target, sizeof target - 1);
            if (n > 0 && slave_name_ == std::string(target, static_cast<std::size_t>(n)))
                ::unlink(opt_.link.c_str());
            linked_ = false;
        }
        if (slave_keep_ >= 0)
            ::close(slave_keep_);
        if (master_ >= 0)
            ::close(master_);
        slave_keep_ = master_ = -1;
    }

    double seconds(Clock::time_point t) const {
        return std::chrono::duration<double>(t - start_).count();
    }

    void sleep_until(Clock::time_point t) {
        while (!g_stop && Clock::now() < t)
            std::this_thread::sleep_until(t);
    }

    void send(const Reply& r, Clock::time_point frame_end) {
        auto start = frame_end + std::chrono::milliseconds(r.extra_delay_ms);
        if (!opt_.pacing) {
            if (r.extra_delay_ms > 0)
                sleep_until(start);
            write_all(r.bytes.data(), r.bytes.size());
        } else {
            for (std::size_t i = 0; i < r.bytes.size() && !g_stop; ++i) {
                sleep_until(start + kByteTime * static_cast<long>(i + 1));
                write_all(&r.bytes[i], 1);
            }
        }
        if (opt_.verbose)
            std::fprintf(stderr, "  -> %s%s\n", hex(r.bytes.data(), r.bytes.size()).c_str(),
                         r.extra_delay_ms ? " (late)" : "");
    }

    void write_all(const std::uint8_t* b, std::size_t n) {
        while (n > 0) {
            ssize_t w = ::write(master_, b, n);
            if (w > 0) {
                b += w;
                n -= static_cast<std::size_t>(w);
            } else if (w < 0 && (errno == EAGAIN || errno == EINTR)) {
                pollfd p{master_, POLLOUT, 0};
                ::poll(&p, 1, 10);
            } else {
                return;
            }
        }
    }

    void serve() {
        std::array<std::uint8_t, 4> frame{};
        std::size_t have = 0;
        Clock::time_point in_end = Clock::now();
        while (!g_stop) {
            if (g_toggle_silence) {
                g_toggle_silence = 0;
                ctl_.set_silent(!ctl_.silent());
                std::fprintf(stderr, "tarvex-sim: %s\n", ctl_.silent() ? "silent" : "answering");
            }
            if (g_toggle_fuel) {
                g_toggle_fuel = 0;
                ctl_.toggle_petrol_hold();
                std::fprintf(stderr, "tarvex-sim: fuel switch toggled\n");
            }
            pollfd p{master_, POLLIN, 0};
            int rc = ::poll(&p, 1, 100);
            if (rc <= 0)
                continue;
            std::uint8_t buf[256];
            ssize_t n = ::read(master_, buf, sizeof buf);
            if (n <= 0) {
                // No client (EIO) or nothing yet: wait a little rather than spin.
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
                continue;
            }
            const auto now = Clock::now();
            for (ssize_t i = 0; i < n; ++i) {
                // Each byte takes its wire time to arrive.
                in_end = std::max(in_end, now) + kByteTime;
                const std::uint8_t b = buf[i];
                if (have == 0 && b != kFrameMarkByte)
                    continue;  // resynchronise
                frame[have++] = b;
                if (have < 4)
                    continue;
                have = 0;
                if (opt_.verbose)
                    std::fprintf(stderr, "%9.3f <- %s\n", seconds(now),
                                 hex(frame.data(), 4).c_str());
                auto reply = ctl_.handle(frame, seconds(now));
                if (reply)
                    send(*reply, opt_.pacing ? in_end : now);
            }
        }
    }

    static constexpr std::uint8_t kFrameMarkByte = 0x65;
    SimOptions opt_;
    SimController ctl_;
    Clock::time_point start_;
    int master_ = -1;
    int slave_keep_ = -1;
    std::string slave_name_;
    bool linked_ = false;
};

}  // namespace

void request_stop() {
    g_stop = 1;
}
void request_toggle_silence() {
    g_toggle_silence = 1;
}
void request_toggle_fuel() {
    g_toggle_fuel = 1;
}

int run_pty_host(const SimOptions& options) {
    PtyHost host(options);
    return host.run();
}

}  // namespace tarvex::sim
