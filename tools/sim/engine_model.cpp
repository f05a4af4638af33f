// SPDX-License-Identifier: MIT
#include "sim/engine_model.h"

#include <algorithm>
#include <cmath>

#include "link/conversions.h"

namespace tarvex::sim {

namespace {

constexpr double kStartTime = 2.0;  // the engine is cranked 2 s after start
constexpr double kCycle = 40.0;
constexpr double kLearningSeconds = 12.0;
constexpr double kPi = 3.14159265358979;

double lerp(double a, double b, double f) {
    return a + (b - a) * std::clamp(f, 0.0, 1.0);
}

// Speed and throttle over one drive cycle: (time in cycle, rpm, throttle).
struct Knot {
    double t, rpm, throttle;
};
constexpr Knot kDrive[] = {
    {0, 850, 0.0},     {6, 850, 0.0},     {9, 2800, 0.55}, {14, 2800, 0.45},
    {14.2, 2800, 0.0}, {17, 900, 0.0},    {22, 850, 0.0},  {25, 6500, 1.0},
    {27, 6500, 0.9},   {27.2, 6500, 0.0}, {31, 900, 0.0},  {40, 850, 0.0},
};

void drive_at(double t, double& rpm, double& throttle) {
    const double c = std::fmod(t - kStartTime, kCycle);
    for (std::size_t i = 1; i < std::size(kDrive); ++i) {
        if (c <= kDrive[i].t) {
            const Knot& a = kDrive[i - 1];
            const Knot& b = kDrive[i];
            const double f = (c - a.t) / (b.t - a.t);
            rpm = lerp(a.rpm, b.rpm, f);
            throttle = lerp(a.throttle, b.throttle, f);
            return;
        }
    }
    rpm = 850;
    throttle = 0;
}

std::uint8_t clamp_byte(double v) {
    return static_cast<std::uint8_t>(std::clamp(static_cast<int>(std::lround(v)), 0, 255));
}

}  // namespace

int EngineModel::rpm_at(double t) {
    if (t < kStartTime)
        return 0;
    double rpm, throttle;
    drive_at(t, rpm, throttle);
    // A little unevenness at idle, as a real engine has.
    if (rpm < 1000)
        rpm += 20 * std::sin(2 * kPi * 0.7 * t);
    return static_cast<int>(std::lround(rpm));
}

double EngineModel::throttle_at(double t) {
    if (t < kStartTime)
        return 0;
    double rpm, throttle;
    drive_at(t, rpm, throttle);
    return throttle;
}

double EngineModel::reducer_temp_at(double t) {
    if (t < kStartTime)
        return 15.0;
    return 15.0 + 70.0 * (1.0 - std::exp(-(t - kStartTime) / 20.0));
}

EngineModel::EngineModel(const DriveScenario& scenario)
    : sensors_(std::make_shared<SensorModel>(scenario)) {
    if (scenario.profile != DriveProfile::TestCycle)
        course_ = std::make_shared<DriveCourse>(scenario);
}

DriveTruth EngineModel::truth() const {
    if (sensors_)
        return sensors_->truth();
    DriveTruth t;
    t.switch_hz_gas = 1.1;
    t.switch_hz_petrol = 1.6;
    t.rich_duty = 0.5;
    return t;
}

int EngineModel::course_rpm_at(double t) const {
    return course_ ? course_->rpm_at(t) : rpm_at(t);
}

double EngineModel::course_throttle_at(double t) const {
    return course_ ? course_->throttle_at(t) : throttle_at(t);
}

double EngineModel::course_temp_at(double t) const {
    return course_ ? course_->reducer_temp_at(t) : reducer_temp_at(t);
}

int EngineModel::idle_rpm_at(double t) {
    return static_cast<int>(std::lround(850 + 20 * std::sin(2 * kPi * 0.7 * t)));
}

void EngineModel::set_idle_on_gas(bool on) {
    idle_on_gas_ = on;
    on_gas_ = on && !petrol_hold_;
}

void EngineModel::toggle_petrol_hold() {
    petrol_hold_ = !petrol_hold_;
    if (petrol_hold_)
        on_gas_ = false;
    else if (idle_on_gas_)
        on_gas_ = true;  // idling never reaches the switch-over speed
}

bool EngineModel::start_learning(double t) {
    if (!on_gas_ || learning(t) || last_rpm_ > 1200)
        return false;
    learning_from_ = t;
    learning_until_ = t + kLearningSeconds;
    return true;
}

LiveValues EngineModel::update(double t, const ModelSettings& s) {
    LiveValues v;
    const int rpm = idle_on_gas_ ? idle_rpm_at(t) : course_rpm_at(t);
    const double throttle = idle_on_gas_ ? 0.0 : course_throttle_at(t);
    const double temp = idle_on_gas_ ? 85.0 : course_temp_at(t);
    const bool warm = temp >= s.lpg_on_temp_c;
    const bool running = rpm > 0;

    // Fuel decisions.
    if (!running) {
        on_gas_ = false;
    } else if (!on_gas_ && !over_rev_ && warm && rpm >= s.lpg_on_rpm) {
        on_gas_ = true;
    }
    if (on_gas_ && s.lpg_off_enabled && rpm > s.lpg_off_rpm) {
        on_gas_ = false;
        over_rev_ = true;
        over_rev_since_ = t;
    }
    if (over_rev_ && rpm < s.lpg_off_rpm - 1500 && t - over_rev_since_ > 1.0) {
        over_rev_ = false;
        on_gas_ = true;
    }
    if (petrol_hold_)
        on_gas_ = false;
    const bool decelerating = rpm < last_rpm_;
    const bool cut_off =
        running && s.cut_off_enabled && throttle == 0.0 && decelerating && rpm > s.cut_off_rpm;
    last_rpm_ = rpm;
    const bool learn = learning(t) && on_gas_;
    if (learning(t) && !on_gas_)
        learning_until_ = t;  // leaving gas ends the run

    // Lambda: a switching sensor on a closed loop, silent when cut off or stopped.
    double volts = 0.0;
    if (sensors_ && running)
        volts = sensors_->lambda_volts(t, on_gas_, cut_off, s.lambda_point_raw * 0.0196);
    else if (running && !cut_off)
        volts = 0.45 + 0.38 * std::sin(2 * kPi * (on_gas_ ? 1.1 : 1.6) * t);
    v.lambda = clamp_byte(volts / 0.0196);
    v.tps = clamp_byte(running || throttle > 0 ? 26 + 204 * throttle : 26);

    // Actuator: parked at its start position on petrol, working around it on
    // gas: following the load, corrected toward the switching point.
    double step = s.att_init;
    if (on_gas_) {
        const double correction = v.lambda < s.lambda_point_raw ? 4 : -4;
        if (sensors_)
            step += (rpm - 850) / 250.0 + 3 * throttle + correction * 0.75 +
                    sensors_->hunting_at(t);
        else
            step += (rpm - 850) / 60.0 + correction;
        step = std::clamp(step, static_cast<double>(s.att_init - s.att_min),
                          static_cast<double>(s.att_init + s.att_max));
    }
    v.actuator = clamp_byte(step);
    v.att_init = clamp_byte(s.att_init);

    if (running) {
        const unsigned period = period_from_rpm(rpm);
        v.period_lo = static_cast<std::uint8_t>(period & 0xFF);
        v.period_hi = static_cast<std::uint8_t>((period >> 8) & 0xFF);
    } else {
        v.period_lo = 0xFF;
        v.period_hi = 0xFF;
    }

    // State bits: lambda state, controller ready, lamp row.
    int state = 0x08;
    if (running && !cut_off) {
        if (v.lambda < s.lambda_point_raw - 3)
            state |= 1;  // lean
        else if (v.lambda > s.lambda_point_raw + 3)
            state |= 4;  // rich
        else
            state |= 2;
    }
    if (learn) {
        const double f = (t - learning_from_) / kLearningSeconds;
        state |= f < 0.34 ? 0x20 : f < 0.67 ? 0x40 : 0x80;
    } else if (on_gas_) {
        state |= 0x10;
    }
    v.state_bits = static_cast<std::uint8_t>(state);

    int fuel = 0;
    if (warm)
        fuel |= 0x80;  // the reducer is warm, on gas or not
    if (on_gas_)
        fuel |= 0x01 | 0x10 | 0x40;
    if (learn)
        fuel |= 0x02;
    if (over_rev_)
        fuel |= 0x04;
    if (cut_off)
        fuel |= 0x08;
    if (on_gas_ && rpm > 1200)
        fuel |= 0x20;  // learning needs idle
    v.fuel_bits = static_cast<std::uint8_t>(fuel);

    v.temp_raw = clamp_byte(raw_from_temperature(static_cast<int>(std::lround(temp))));
    return v;
}

}  // namespace tarvex::sim
