// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <random>
#include <vector>

#include "sim/engine_model.h"

namespace tarvex::sim {

// Probability 0..1 of each fault, per reply.
struct FaultRates {
    double silence = 0;       // no reply at all
    double garbage = 0;       // random bytes without a frame mark
    double bad_checksum = 0;  // a good frame with a wrong last byte
    double short_reply = 0;   // the frame cut short
    double late = 0;          // the reply after the host has given up
    double no_ack = 0;        // a write applied but not acknowledged
    double ignore = 0;        // a write acknowledged but not applied
};

struct Reply {
    std::vector<std::uint8_t> bytes;
    int extra_delay_ms = 0;  // before the first byte
};

// A generation-2 controller as seen from its serial port: answers the four
// read commands, applies and acknowledges writes, runs the learning run and the
// factory reset. Faults are injected at the given rates.
class SimController {
  public:
    SimController(int generation = 2, int minor = 6, FaultRates faults = {}, unsigned seed = 1);

    // Drives the scenario's profile with its sensor faults from now on.
    void set_scenario(const DriveScenario& scenario) { engine_ = EngineModel(scenario); }

    // Answer to a 4-byte frame received at time t (seconds); nothing for a
    // frame with a bad checksum or an unknown command, or when faults say so.
    std::optional<Reply> handle(const std::array<std::uint8_t, 4>& frame, double t);

    void set_silent(bool silent) { silent_ = silent; }
    bool silent() const { return silent_; }
    void set_late_delay_ms(int ms) { late_delay_ms_ = ms; }
    void factory_reset();
    // Sets a setting byte (write code 5..33 but 30) before any host writes it.
    void set_setting(int code, std::uint8_t value);
    void set_idle_on_gas(bool on) { engine_.set_idle_on_gas(on); }
    void toggle_petrol_hold() { engine_.toggle_petrol_hold(); }

    // Setting bytes by write code 5..33 (30 unused).
    std::uint8_t setting(int code) const { return settings_.at(static_cast<std::size_t>(code)); }
    std::vector<std::uint8_t> status_frame() const;
    std::vector<std::uint8_t> live_frame(double t);
    std::vector<std::uint8_t> settings1_frame() const;
    std::vector<std::uint8_t> settings2_frame() const;
    const EngineModel& engine() const { return engine_; }

    static const std::array<std::uint8_t, 34>& factory_settings();

  private:
    ModelSettings model_settings() const;
    std::optional<Reply> faulty(std::vector<std::uint8_t> frame, bool is_write);
    bool roll(double rate);

    int generation_;
    int minor_;
    FaultRates faults_;
    std::mt19937 rng_;
    bool silent_ = false;
    int late_delay_ms_ = 400;
    std::array<std::uint8_t, 34> settings_{};
    EngineModel engine_;
};

// Appends the 8-bit sum of the bytes as the last byte.
std::vector<std::uint8_t> with_checksum(std::vector<std::uint8_t> bytes);

}  // namespace tarvex::sim
