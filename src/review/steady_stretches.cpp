// SPDX-License-Identifier: MIT
#include "review/steady_stretches.h"

#include <cstdlib>

namespace tarvex {

std::vector<Stretch> steady_stretches(const DriveSamples& d, bool gas, double min_rpm,
                                      const ReviewThresholds& limits) {
    std::vector<Stretch> out;
    const auto& rpm = d.channels[static_cast<std::size_t>(Channel::EngineSpeed)];
    bool open = false;     // a stretch runs
    double quiet_from = 0;  // rows count from here on (after settling)
    std::size_t first = 0;
    auto close = [&](std::size_t last) {
        if (open && d.seconds[last] - d.seconds[first] >= limits.min_stretch_seconds)
            out.push_back({first, last});
        open = false;
    };
    bool disturbed = true;  // since the last eligible row
    for (std::size_t i = 0; i < d.size(); ++i) {
        const std::uint8_t b = d.bits[i];
        const bool on_fuel = (b & row_bit::Readings) && (b & row_bit::EngineSignal) &&
                             ((b & row_bit::Gas) != 0) == gas &&
                             !(b & (row_bit::CutOff | row_bit::LpgOff | row_bit::Learning));
        const bool gap = i > 0 && d.seconds[i] - d.seconds[i - 1] > limits.max_row_gap_seconds;
        if (!on_fuel || gap) {
            if (open)
                close(i - 1);
            disturbed = true;
            if (!on_fuel)
                continue;
        }
        if (disturbed) {
            quiet_from = d.seconds[i] + limits.settle_seconds;
            disturbed = false;
        }
        if (d.seconds[i] < quiet_from || rpm[i] < min_rpm || rpm[i] <= 0) {
            if (open)
                close(i - 1);
            continue;
        }
        if (open && std::abs(rpm[i] - rpm[first]) > limits.steady_rpm_band)
            close(i - 1);
        if (!open) {
            open = true;
            first = i;
        }
    }
    if (open)
        close(d.size() - 1);
    return out;
}

}  // namespace tarvex
