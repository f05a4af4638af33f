// SPDX-License-Identifier: MIT
#include "sim/offline_drive.h"

#include <algorithm>
#include <optional>

#include "link/link_state.h"
#include "recording/playback_port.h"
#include "recording/recorder.h"

namespace tarvex::sim {

namespace {

// Simulated time: it moves only as the port and the poll loop move it.
class SimulatedClock final : public LinkClock {
  public:
    explicit SimulatedClock(Wall::time_point wall_start) : wall_start_(wall_start) {}
    Steady::time_point now() override { return t_; }
    Wall::time_point wall_now() override {
        return wall_start_ + std::chrono::duration_cast<Wall::duration>(t_ - Steady::time_point{});
    }
    void sleep_until(Steady::time_point until) override { t_ = std::max(t_, until); }
    double seconds() const { return std::chrono::duration<double>(t_ - Steady::time_point{}).count(); }

  private:
    Wall::time_point wall_start_;
    Steady::time_point t_{};
};

// The controller behind a lead at 9600 baud, on the simulated clock: a
// command takes its four bytes' time, a reply its own; a reply that does not
// come (or comes too late) costs the read's whole timeout.
class DirectPort final : public SerialPort {
  public:
    DirectPort(SimController& controller, SimulatedClock& clock)
        : controller_(controller), clock_(clock) {}
    bool open(const std::string&) override { return true; }
    void close() override {}
    void purge_receive() override { reply_.reset(); }
    void purge_transmit() override {}
    std::size_t write(std::span<const std::uint8_t> bytes) override {
        clock_.sleep_until(clock_.now() + kWireByteTime * static_cast<long>(bytes.size()));
        reply_.reset();
        if (bytes.size() == 4)
            reply_ = controller_.handle({bytes[0], bytes[1], bytes[2], bytes[3]}, clock_.seconds());
        return bytes.size();
    }
    std::size_t read(std::span<std::uint8_t> into) override {
        const auto timeout = std::chrono::milliseconds(total_timeout_ms(into.size()));
        if (!reply_ || reply_->extra_delay_ms > 0 || reply_->bytes.empty()) {
            reply_.reset();
            clock_.sleep_until(clock_.now() + timeout);
            return 0;
        }
        const std::size_t n = std::min(into.size(), reply_->bytes.size());
        std::copy_n(reply_->bytes.begin(), n, into.begin());
        reply_.reset();
        clock_.sleep_until(clock_.now() + kWireByteTime * static_cast<long>(n));
        if (n < into.size())
            clock_.sleep_until(clock_.now() + std::chrono::milliseconds(kInterByteTimeoutMs));
        return n;
    }
    void sleep_ms(int ms) override {
        clock_.sleep_until(clock_.now() + std::chrono::milliseconds(ms));
    }

  private:
    SimController& controller_;
    SimulatedClock& clock_;
    std::optional<Reply> reply_;
};

}  // namespace

bool write_offline_recording(SimController& controller, const OfflineDrive& drive,
                             std::string& error) {
    SimulatedClock clock(drive.wall_start);
    DirectPort port(controller, clock);
    LinkState link;
    link.port = &port;
    ControllerImage image;
    Recorder recorder(link, image, clock);
    if (!recorder.start(drive.path)) {
        error = recorder.error();
        return false;
    }
    const bool scope = drive.pace == PollPace::Oscilloscope;
    unsigned poll_tick = 0;
    bool block1_read = false;
    auto next = clock.now();
    const auto end = clock.now() + std::chrono::duration_cast<LinkClock::Steady::duration>(
                                       std::chrono::duration<double>(drive.seconds));
    while (next < end && !recorder.failed()) {
        clock.sleep_until(next);
        poll_status(link, image);
        if (link.NoConnection == 0 && controller_generation(image) == 2) {
            read_live(link, image);
            if (scope && !block1_read) {
                read_settings1(link, image);
                block1_read = true;
            } else if (!scope && ++poll_tick > 3) {
                read_settings1(link, image);
                read_settings2(link, image);
                poll_tick = 0;
            }
        } else {
            block1_read = false;
        }
        // The view's timer: the next tick a period after this one, at once
        // when this one took longer.
        const int period = scope ? 20 : link.PollPeriod;
        next = std::max(next + std::chrono::milliseconds(period), clock.now());
    }
    recorder.stop();
    if (recorder.failed()) {
        error = recorder.error();
        return false;
    }
    return true;
}

}  // namespace tarvex::sim
