// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <memory>

#include "sim/drive_scenario.h"

namespace tarvex::sim {

// The settings the engine model reacts to, decoded.
struct ModelSettings {
    int lpg_on_temp_c = 30;
    int lpg_on_rpm = 2000;
    int cut_off_rpm = 1800;
    bool cut_off_enabled = true;
    int lpg_off_rpm = 6000;
    bool lpg_off_enabled = true;
    int att_init = 120;
    int att_min = 20;
    int att_max = 20;
    int lambda_point_raw = 23;  // switching point in sensor counts
};

// The bytes of a live frame between the frame mark and the checksum.
struct LiveValues {
    std::uint8_t tps = 0, lambda = 0, actuator = 0, att_init = 0, period_lo = 0, period_hi = 0,
                 state_bits = 0, fuel_bits = 0, temp_raw = 0;
};

// A car on a test drive, repeating every 40 s once the engine runs: idle,
// revving, a closed-throttle coast-down (cut-off), idle, a hard rev past the
// switch-back speed, coast-down. The reducer warms from 15 degrees; the car
// switches to gas once warm and above the switch-over speed, leaves gas above
// the switch-back speed and returns to it below.
//
// With a scenario it drives the scenario's profile instead, and its lambda
// sensor and actuator behave as the scenario's fault has them (SensorModel):
// a narrowband sensor switching at a known rate on a closed loop, the
// actuator following the load with a small correction.
class EngineModel {
  public:
    EngineModel() = default;
    explicit EngineModel(const DriveScenario& scenario);
    // What the scenario drives with; the demonstration cycle's own without one.
    DriveTruth truth() const;

    // Advances the model to time t (seconds since the simulator started).
    LiveValues update(double t, const ModelSettings& s);
    // Starts a learning run; false (refused) unless the engine idles on gas.
    bool start_learning(double t);
    bool on_gas() const { return on_gas_; }
    // The engine runs from the start, warm, idling on gas: no drive cycle.
    void set_idle_on_gas(bool on);
    // The fuel switch: hold the car on petrol, or let it go back to gas.
    void toggle_petrol_hold();
    bool learning(double t) const { return t < learning_until_; }

    static int rpm_at(double t);
    static double throttle_at(double t);  // 0..1
    static double reducer_temp_at(double t);
    static int idle_rpm_at(double t);

  private:
    int course_rpm_at(double t) const;
    double course_throttle_at(double t) const;
    double course_temp_at(double t) const;

    std::shared_ptr<const DriveCourse> course_;  // none: the demonstration cycle
    std::shared_ptr<const SensorModel> sensors_;  // none: the cycle's sine lambda
    bool on_gas_ = false;
    bool idle_on_gas_ = false;
    bool petrol_hold_ = false;
    bool over_rev_ = false;
    double over_rev_since_ = -1;
    double learning_from_ = -1;
    double learning_until_ = -1;
    int last_rpm_ = 0;
};

}  // namespace tarvex::sim
