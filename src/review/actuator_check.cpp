// SPDX-License-Identifier: MIT
#include "review/findings.h"

#include <algorithm>

#include "review/steady_stretches.h"

namespace tarvex {

namespace {

// Half the peak-to-peak travel in each whole window of the steady stretches.
std::vector<double> window_amplitudes(const DriveSamples& d, const ReviewThresholds& limits) {
    const auto& steps = d.channels[static_cast<std::size_t>(Channel::Actuator)];
    std::vector<double> out;
    for (const Stretch& s : steady_stretches(d, true, 1, limits)) {
        std::size_t from = s.first;
        std::int32_t lo = steps[from], hi = steps[from];
        for (std::size_t i = s.first; i <= s.last; ++i) {
            if (d.seconds[i] - d.seconds[from] >= limits.hunting_window_seconds) {
                out.push_back((hi - lo) / 2.0);
                from = i;
                lo = hi = steps[i];
            }
            lo = std::min(lo, steps[i]);
            hi = std::max(hi, steps[i]);
        }
    }
    return out;
}

// Share of the time on gas (engine turning, no cut-off) at or beyond a travel limit.
std::optional<double> limit_share(const DriveSamples& d, const ReviewThresholds& limits) {
    double on_gas = 0, at_limit = 0;
    for (std::size_t i = 0; i + 1 < d.size(); ++i) {
        const std::uint8_t b = d.bits[i];
        if (!(b & row_bit::Readings) || !(b & row_bit::Gas) || (b & row_bit::CutOff) ||
            d.value(Channel::EngineSpeed, i) <= 0)
            continue;
        const SettingsSpan* settings = d.settings_at(i);
        if (!settings || !settings->has_block2())
            continue;
        const double dt = std::min(d.seconds[i + 1] - d.seconds[i], limits.max_row_gap_seconds);
        const int start = d.value(Channel::StartPosition, i);
        const int step = d.value(Channel::Actuator, i);
        const int low = std::max(0, start - settings->block2[block2::AttMin]);
        const int high = std::min(255, start + settings->block2[block2::AttMax]);
        on_gas += dt;
        at_limit += step <= low || step >= high ? dt : 0;
    }
    if (on_gas <= 0)
        return std::nullopt;
    return at_limit / on_gas;
}

}  // namespace

ActuatorFinding check_actuator(const DriveSamples& d, const ReviewThresholds& limits) {
    ActuatorFinding f;
    std::vector<double> amplitudes = window_amplitudes(d, limits);
    f.limit_share_gas = limit_share(d, limits);
    if (amplitudes.empty() ||
        static_cast<double>(amplitudes.size()) * limits.hunting_window_seconds <
            limits.min_steady_seconds)
        return f;
    const auto middle = amplitudes.begin() + static_cast<long>(amplitudes.size() / 2);
    std::nth_element(amplitudes.begin(), middle, amplitudes.end());
    f.hunting_steps = *middle;
    const double share = f.limit_share_gas.value_or(0);
    if (*f.hunting_steps >= limits.hunting_fail_steps || share >= limits.limit_share_fail)
        f.verdict = Verdict::Fail;
    else if (*f.hunting_steps >= limits.hunting_check_steps || share >= limits.limit_share_check)
        f.verdict = Verdict::Check;
    else
        f.verdict = Verdict::Ok;
    return f;
}

}  // namespace tarvex
