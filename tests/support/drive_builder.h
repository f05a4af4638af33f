// SPDX-License-Identifier: MIT
#pragma once

#include <cmath>
#include <functional>

#include "review/drive_samples.h"

namespace tarvex::testing {

// What the rows of a phase of a drive hold.
struct Phase {
    double seconds = 10;
    int rpm = 2500;
    std::uint8_t bits = row_bit::Readings | row_bit::Gas | row_bit::EngineSignal;
    int reducer_c = 60;
    LinkReading link = LinkReading::Connected;
    std::function<double(double t)> lambda_v = [](double) { return 0.45; };
    std::function<int(double t)> actuator = [](double) { return 120; };
};

// Decoded rows built phase by phase, a row every `step` seconds, under
// settings of a 0-1 V sensor switching at 0.46 V and an actuator starting at
// 120 with 20 steps either way.
struct DriveBuilder {
    DriveSamples d;
    double step = 0.05;
    double t = 0;

    explicit DriveBuilder(double row_step = 0.05) : step(row_step) {
        SettingsSpan s;
        s.block1[0] = s.block2[0] = kFrameMark;
        s.block1[block1::LambdaPoint] = 23;
        s.block2[block2::AttMin] = s.block2[block2::AttMax] = 20;
        d.settings.push_back(s);
    }
    DriveBuilder& add(const Phase& p) {
        for (const double end = t + p.seconds; t < end - 1e-9; t += step) {
            const bool readings = p.link == LinkReading::Connected;
            d.seconds.push_back(t);
            d.bits.push_back(readings ? p.bits : 0);
            d.link.push_back(p.link);
            d.learning.push_back((p.bits & row_bit::Learning) ? Learning::Running
                                                              : Learning::Ready);
            const std::int32_t v[kChannelCount] = {
                readings ? p.rpm : 0,
                readings ? static_cast<std::int32_t>(std::lround(p.lambda_v(t) / 0.0196)) : 0,
                0,
                readings ? p.actuator(t) : 0,
                readings ? 120 : 0,
                readings ? p.reducer_c : 0};
            for (std::size_t c = 0; c < kChannelCount; ++c)
                d.channels[c].push_back(v[c]);
        }
        return *this;
    }
};

// A narrowband signal: `rich_v` for `duty` of each cycle at `hz`, `lean_v` the rest.
inline std::function<double(double)> square_wave(double hz, double duty = 0.5, double lean_v = 0.1,
                                                 double rich_v = 0.8) {
    return [=](double t) {
        const double p = t * hz - std::floor(t * hz);
        return p < duty ? rich_v : lean_v;
    };
}

}  // namespace tarvex::testing
