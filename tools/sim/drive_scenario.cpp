// SPDX-License-Identifier: MIT
#include "sim/drive_scenario.h"

#include <algorithm>
#include <cmath>
#include <random>

namespace tarvex::sim {

namespace {

constexpr double kPi = 3.14159265358979;
constexpr double kStartTime = 2.0;  // the engine is cranked 2 s after start
// Courses are drawn this far ahead, then repeat.
constexpr double kCourseSeconds = 12 * 3600.0;

struct Named {
    const char* name;
    int value;
};
constexpr Named kProfiles[] = {{"cycle", 0}, {"town", 1}, {"motorway", 2}};
constexpr Named kFaults[] = {{"none", 0},  {"slow-lambda", 1}, {"lean", 2},
                             {"stuck-lambda", 3}, {"hunting", 4}, {"cold-reducer", 5}};

template <class E, std::size_t N>
bool lookup(const Named (&table)[N], const std::string& name, E& out) {
    for (const Named& n : table)
        if (name == n.name) {
            out = static_cast<E>(n.value);
            return true;
        }
    return false;
}

// A uniform number in [lo, hi) from the dice.
double uniform(std::mt19937& rng, double lo, double hi) {
    return std::uniform_real_distribution<double>(lo, hi)(rng);
}

// A fixed pseudo-random number in [-1, 1] for a moment, so that the noise
// does not depend on how often the model is asked.
double noise_at(double t, unsigned seed) {
    std::uint64_t x = static_cast<std::uint64_t>(std::llround(t * 1000.0)) * 0x9E3779B97F4A7C15ULL;
    x ^= seed * 0xBF58476D1CE4E5B9ULL;
    x ^= x >> 31;
    x *= 0x94D049BB133111EBULL;
    x ^= x >> 29;
    return static_cast<double>(x % 20001) / 10000.0 - 1.0;
}

}  // namespace

bool profile_of(const std::string& name, DriveProfile& out) {
    return lookup(kProfiles, name, out);
}

bool fault_of(const std::string& name, SensorFault& out) {
    return lookup(kFaults, name, out);
}

double profile_seconds(DriveProfile p) {
    switch (p) {
        case DriveProfile::TownCold:
            return 900;
        case DriveProfile::MotorwayWarm:
            return 1200;
        default:
            return 40;
    }
}

void DriveCourse::add(double dt, double rpm, double throttle) {
    knots_.push_back({knots_.back().t + dt, rpm, throttle});
}

DriveCourse::DriveCourse(const DriveScenario& s) {
    std::mt19937 rng(s.seed * 2654435761u + 17);
    knots_.push_back({0, 0, 0});
    knots_.push_back({kStartTime, 0, 0});
    const bool town = s.profile == DriveProfile::TownCold;
    if (town) {
        temp_start_ = uniform(rng, 5, 15);
        temp_end_ = 85;
        temp_tau_ = uniform(rng, 250, 400);
    } else {
        temp_start_ = uniform(rng, 55, 70);
        temp_end_ = 85;
        temp_tau_ = 300;
    }
    if (s.fault == SensorFault::ColdReducer) {
        // A thermostat stuck open, a blocked hose: the reducer stays cold.
        temp_start_ = uniform(rng, 5, 15);
        temp_end_ = temp_start_ + uniform(rng, 3, 8);
    }
    add(0, 850, 0);
    add(town ? uniform(rng, 15, 30) : uniform(rng, 5, 10), 850, 0);
    while (knots_.back().t < kCourseSeconds) {
        if (town) {
            // Away from the lights, a street at a steady speed, a stop.
            const double cruise = uniform(rng, 1700, 2700);
            add(uniform(rng, 3, 5), cruise, 0.5);
            const double hold = uniform(rng, 15, 45);
            for (double k = 0; k < hold; k += 5)
                add(5, cruise + uniform(rng, -20, 20), 0.25);
            add(uniform(rng, 4, 6), 900, 0);
            add(1, 850, 0);
            add(uniform(rng, 8, 30), 850, 0);
        } else {
            // Up to speed, a long cruise, then an overtaking or a slower stretch.
            const double cruise = uniform(rng, 2400, 3200);
            add(6, cruise, 0.6);
            const double hold = uniform(rng, 60, 180);
            for (double k = 0; k < hold; k += 10)
                add(10, cruise + uniform(rng, -30, 30), 0.3);
            if (rng() % 2) {
                const double pass = cruise + uniform(rng, 800, 1200);
                add(3, pass, 0.9);
                add(uniform(rng, 5, 10), pass, 0.8);
                add(4, cruise, 0.3);
            } else {
                const double slow = uniform(rng, 1850, 2050);
                add(5, slow, 0);
                add(uniform(rng, 20, 40), slow, 0.2);
            }
        }
    }
}

int DriveCourse::rpm_at(double t) const {
    t = std::fmod(t, kCourseSeconds);
    const auto after = std::upper_bound(knots_.begin(), knots_.end(), t,
                                        [](double v, const Knot& k) { return v < k.t; });
    if (after == knots_.end())
        return static_cast<int>(knots_.back().rpm);
    const Knot& b = *after;
    const Knot& a = *(after - 1);
    const double f = b.t > a.t ? (t - a.t) / (b.t - a.t) : 1.0;
    double rpm = a.rpm + (b.rpm - a.rpm) * f;
    if (rpm > 0 && rpm < 1000)
        rpm += 20 * std::sin(2 * kPi * 0.7 * t);  // the unevenness of an idling engine
    return static_cast<int>(std::lround(rpm));
}

double DriveCourse::throttle_at(double t) const {
    t = std::fmod(t, kCourseSeconds);
    const auto after = std::upper_bound(knots_.begin(), knots_.end(), t,
                                        [](double v, const Knot& k) { return v < k.t; });
    if (after == knots_.end())
        return 0;
    const Knot& b = *after;
    const Knot& a = *(after - 1);
    // The pedal moves at once; only the engine takes its time.
    return b.throttle == 0 ? 0 : a.throttle + (b.throttle - a.throttle) * (t - a.t) / (b.t - a.t);
}

double DriveCourse::reducer_temp_at(double t) const {
    if (t < kStartTime)
        return temp_start_;
    return temp_start_ + (temp_end_ - temp_start_) * (1 - std::exp(-(t - kStartTime) / temp_tau_));
}

SensorModel::SensorModel(const DriveScenario& s) : seed_(s.seed) {
    std::mt19937 rng(s.seed * 2246822519u + 3);
    truth_.switch_hz_gas = uniform(rng, 1.0, 2.0);
    truth_.switch_hz_petrol = uniform(rng, 1.2, 2.4);
    truth_.rich_duty = uniform(rng, 0.45, 0.55);
    lean_v_ = uniform(rng, 0.08, 0.15);
    rich_v_ = uniform(rng, 0.75, 0.85);
    switch (s.fault) {
        case SensorFault::SlowLambda:
            truth_.switch_hz_gas = uniform(rng, 0.12, 0.22);
            truth_.switch_hz_petrol = uniform(rng, 0.12, 0.22);
            lean_v_ = 0.2;
            rich_v_ = 0.7;
            edge_ = 0.35;
            break;
        case SensorFault::LeanBias:
            // A loop that runs lean: short rich pulses, sharp edges, a lower
            // rich swing, slower cycles (a rich pulse of at least 120 ms).
            truth_.switch_hz_gas = uniform(rng, 0.9, 1.2);
            truth_.switch_hz_petrol = uniform(rng, 0.9, 1.2);
            truth_.rich_duty = uniform(rng, 0.15, 0.20);
            rich_v_ = uniform(rng, 0.62, 0.72);
            lean_v_ = 0.08;
            edge_ = 0.06;
            break;
        case SensorFault::StuckLambda:
            truth_.switch_hz_gas = truth_.switch_hz_petrol = 0;
            truth_.rich_duty = 0;
            break;
        case SensorFault::HuntingActuator:
            truth_.hunting_steps = uniform(rng, 20, 30);
            hunting_hz_ = uniform(rng, 0.3, 0.6);
            break;
        case SensorFault::ColdReducer:
            truth_.reducer_warms = false;
            break;
        default:
            break;
    }
}

double SensorModel::lambda_volts(double t, bool on_gas, bool cut_off,
                                 double switching_point_v) const {
    // One count of the sensor byte either way, as a real signal's noise.
    const double noise = 0.0196 * noise_at(t, seed_);
    const double hz = on_gas ? truth_.switch_hz_gas : truth_.switch_hz_petrol;
    if (hz <= 0)
        return switching_point_v + noise;
    if (cut_off)
        return 0.05 + noise;  // no fuel: all oxygen
    // A square wave with rounded edges: rich for rich_duty of each cycle,
    // the rising edge centred on the cycle's start, the falling one on duty.
    const double duty = truth_.rich_duty;
    const double w = std::min({edge_, duty, 1 - duty});
    const double p = t * hz - std::floor(t * hz);
    auto centred = [](double x) { return x - std::floor(x + 0.5); };  // into [-0.5, 0.5)
    const double up = centred(p), down = centred(p - duty);
    double rich;
    if (std::abs(up) < w / 2)
        rich = 0.5 + 0.5 * std::sin(kPi * up / w);
    else if (std::abs(down) < w / 2)
        rich = 0.5 - 0.5 * std::sin(kPi * down / w);
    else
        rich = p < duty ? 1 : 0;
    return lean_v_ + (rich_v_ - lean_v_) * rich + noise;
}

double SensorModel::hunting_at(double t) const {
    return truth_.hunting_steps * std::sin(2 * kPi * hunting_hz_ * t);
}

}  // namespace tarvex::sim
