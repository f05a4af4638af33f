// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

namespace tarvex::sim {

// How the simulated car is driven.
enum class DriveProfile {
    TestCycle,     // the 40-second demonstration cycle, repeated
    TownCold,      // a cold start in town: a cold reducer, stop and go
    MotorwayWarm,  // a warm engine on the motorway: long steady cruising
};

// What is wrong with the car's sensors or actuator.
enum class SensorFault {
    None,
    SlowLambda,       // the lambda sensor switches slowly and sluggishly
    LeanBias,         // the lambda sensor reads lean most of the time
    StuckLambda,      // the lambda sensor sits at the switching point
    HuntingActuator,  // the actuator oscillates far around its position
    ColdReducer,      // the reducer never warms enough for gas
};

struct DriveScenario {
    DriveProfile profile = DriveProfile::TestCycle;
    SensorFault fault = SensorFault::None;
    unsigned seed = 1;
};

// The values the simulator drives with, for checking what a review of its
// recording measures.
struct DriveTruth {
    // The lambda sensor's cycles per second on each fuel; 0 when it is stuck.
    double switch_hz_gas = 0, switch_hz_petrol = 0;
    // Share of each cycle the sensor reads rich.
    double rich_duty = 0;
    // Amplitude (half of peak to peak) of the actuator's hunting, in steps;
    // 0 when it does not hunt beyond its closed-loop correction.
    double hunting_steps = 0;
    bool reducer_warms = true;
};

// The names on tarvex-sim's command line.
bool profile_of(const std::string& name, DriveProfile& out);
bool fault_of(const std::string& name, SensorFault& out);
// How long a drive of the profile lasts when no length is asked for.
double profile_seconds(DriveProfile p);

// The engine speed, throttle and reducer temperature of a profile over
// time, drawn from its seed: a list of points the speed and throttle run
// straight between.
class DriveCourse {
  public:
    DriveCourse(const DriveScenario& s);
    int rpm_at(double t) const;
    double throttle_at(double t) const;  // 0..1
    double reducer_temp_at(double t) const;

  private:
    struct Knot {
        double t, rpm, throttle;
    };
    void add(double dt, double rpm, double throttle);
    std::vector<Knot> knots_;
    double temp_start_ = 15, temp_end_ = 85, temp_tau_ = 20;
};

// The lambda sensor's voltage and the actuator's oscillation, healthy or
// faulty, with parameters drawn from the seed.
class SensorModel {
  public:
    SensorModel(const DriveScenario& s);
    // Volts at time t, lean during a fuel cut-off; a stuck sensor stays at
    // the switching point (in volts).
    double lambda_volts(double t, bool on_gas, bool cut_off, double switching_point_v) const;
    // Steps added to the actuator's position at time t.
    double hunting_at(double t) const;
    const DriveTruth& truth() const { return truth_; }

  private:
    DriveTruth truth_;
    double lean_v_ = 0.1, rich_v_ = 0.8, edge_ = 0.15, hunting_hz_ = 0;
    unsigned seed_ = 1;
};

}  // namespace tarvex::sim
