// SPDX-License-Identifier: MIT
#include "review/findings.h"

#include <algorithm>
#include <cmath>

#include "link/conversions.h"
#include "review/steady_stretches.h"

namespace tarvex {

namespace {

// What the steady stretches on one fuel add up to.
struct Tally {
    double cycles = 0;     // whole cycles between first and last crossings
    double span = 0;       // the time those cycles took
    double crossings = 0;  // all crossings
    double steady = 0;     // all steady time
    double rich = 0;       // steady time above the switching point
    double min_v = INFINITY, max_v = -INFINITY;

    std::optional<double> switch_hz(const ReviewThresholds& limits) const {
        if (span >= limits.min_steady_seconds)
            return cycles / span;
        if (steady >= limits.min_steady_seconds)
            return crossings / 2 / steady;
        return std::nullopt;
    }
};

// Walks one stretch: crossings of the switching point counted with
// hysteresis, each placed where the voltage last passed the point before it
// left the band, by linear interpolation between the two rows around it.
void walk(const DriveSamples& d, const Stretch& s, double point, double band, Tally& tally,
          std::vector<double>& crossings) {
    const auto& raw = d.channels[static_cast<std::size_t>(Channel::LambdaVoltage)];
    crossings.clear();
    int side = 0;  // -1 lean, +1 rich, 0 not yet known
    double passed = 0;
    for (std::size_t i = s.first; i <= s.last; ++i) {
        const double v = sensor_voltage(static_cast<unsigned>(raw[i]));
        const double t = d.seconds[i];
        if (i > s.first) {
            const double pv = sensor_voltage(static_cast<unsigned>(raw[i - 1]));
            if ((pv < point) != (v < point))
                passed = d.seconds[i - 1] + (point - pv) / (v - pv) * (t - d.seconds[i - 1]);
        }
        const int now = v >= point + band ? 1 : v <= point - band ? -1 : side;
        if (side != 0 && now != side)
            crossings.push_back(passed);
        side = now;
        if (i < s.last) {
            const double dt = d.seconds[i + 1] - t;
            tally.steady += dt;
            tally.rich += v > point ? dt : 0;
        }
        tally.min_v = std::min(tally.min_v, v);
        tally.max_v = std::max(tally.max_v, v);
    }
    const std::size_t n = crossings.size();
    tally.crossings += static_cast<double>(n);
    if (n >= 3) {
        const std::size_t cycles = (n - 1) / 2;
        tally.cycles += static_cast<double>(cycles);
        tally.span += crossings[2 * cycles] - crossings[0];
    }
}

Tally tally_of(const DriveSamples& d, bool gas, const ReviewThresholds& limits) {
    Tally tally;
    std::vector<double> crossings;
    for (const Stretch& s : steady_stretches(d, gas, limits.lambda_min_rpm, limits)) {
        const SettingsSpan* settings = d.settings_at(s.first);
        const std::optional<double> point = settings ? settings->switching_point_v() : std::nullopt;
        if (!point)
            continue;  // the switching point is not known
        walk(d, s, *point, limits.hysteresis_v, tally, crossings);
    }
    return tally;
}

}  // namespace

LambdaFinding check_lambda(const DriveSamples& d, const ReviewThresholds& limits) {
    LambdaFinding f;
    if (!d.settings.empty() && d.settings.back().has_block1()) {
        f.switching_point_v = d.settings.back().switching_point_v();
        f.sensor_type = d.settings.back().block1[block1::LambdaType] >> 4;
    }
    const Tally gas = tally_of(d, true, limits);
    const Tally petrol = tally_of(d, false, limits);
    f.switch_hz_gas = gas.switch_hz(limits);
    f.switch_hz_petrol = petrol.switch_hz(limits);
    f.steady_gas_s = gas.steady;
    f.steady_petrol_s = petrol.steady;
    if (gas.steady > 0) {
        f.rich_share_gas = gas.rich / gas.steady;
        f.min_v = gas.min_v;
        f.max_v = gas.max_v;
    }
    if (!f.switch_hz_gas)
        return f;
    const double hz = *f.switch_hz_gas;
    // The voltage limits are those of a 0-1 V sensor (type 0).
    const bool zero_to_one = f.sensor_type == 0;
    const bool inactive =
        zero_to_one && *f.min_v >= limits.inactive_low_v && *f.max_v <= limits.inactive_high_v;
    const bool weak_swing =
        zero_to_one && (*f.max_v <= limits.rich_swing_v || *f.min_v >= limits.lean_swing_v);
    const bool lopsided =
        *f.rich_share_gas < limits.rich_share_low || *f.rich_share_gas > limits.rich_share_high;
    if (hz < limits.switch_hz_fail || inactive)
        f.verdict = Verdict::Fail;
    else if (hz < limits.switch_hz_ok || weak_swing || lopsided)
        f.verdict = Verdict::Check;
    else
        f.verdict = Verdict::Ok;
    return f;
}

}  // namespace tarvex
