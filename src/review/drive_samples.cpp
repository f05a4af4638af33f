// SPDX-License-Identifier: MIT
#include "review/drive_samples.h"

#include <algorithm>

#include "recording/recorded_image.h"

namespace tarvex {

ControllerImage SettingsSpan::image() const {
    ControllerImage m;
    m.SettingsBlock1 = block1;
    m.SettingsBlock2 = block2;
    return m;
}

std::optional<double> SettingsSpan::switching_point_v() const {
    if (!has_block1())
        return std::nullopt;
    return block1[block1::LambdaPoint] * 0.02;
}

const SettingsSpan* DriveSamples::settings_at(std::size_t row) const {
    const auto after =
        std::upper_bound(settings.begin(), settings.end(), row,
                         [](std::size_t r, const SettingsSpan& s) { return r < s.first_row; });
    return after == settings.begin() ? nullptr : &*(after - 1);
}

std::size_t DriveSamples::row_at(double t) const {
    if (seconds.empty())
        return 0;
    const double at = seconds.front() + t;
    return static_cast<std::size_t>(std::lower_bound(seconds.begin(), seconds.end(), at) -
                                    seconds.begin());
}

DriveSamples decode_drive(const Recording& recording) {
    DriveSamples d;
    const std::size_t n = recording.size();
    d.seconds.resize(n);
    for (auto& c : d.channels)
        c.resize(n);
    d.bits.resize(n);
    d.learning.resize(n);
    d.link.resize(n);
    d.first_time = recording.first_time;
    d.last_time = recording.last_time;
    d.problem = recording.problem;

    RecordedImage replay;
    replay.prime_settings(recording);
    for (std::size_t i = 0; i < n; ++i) {
        replay.apply(recording, i);
        const ControllerImage& m = replay.image();
        const Readings r = decode_readings(m, replay.link());
        d.seconds[i] = recording.seconds(i);
        d.link[i] = r.link;
        d.learning[i] = r.learning;
        if (d.generation == 0 && m.StatusFrame[0] == kFrameMark) {
            d.generation = m.ControllerGeneration;
            d.minor = m.ControllerMinor;
        }
        if (r.link != LinkReading::Connected)
            continue;
        const std::int32_t values[kChannelCount] = {r.engine_speed_rpm, m.LambdaVoltage(),
                                                    m.TpsVoltage(),     r.actuator_step,
                                                    r.start_position,   r.reducer_temperature_c};
        for (std::size_t c = 0; c < kChannelCount; ++c)
            d.channels[c][i] = values[c];
        std::uint8_t b = row_bit::Readings;
        b |= r.fuel == Fuel::Gas ? row_bit::Gas : 0;
        b |= r.lpg_off ? row_bit::LpgOff : 0;
        b |= r.cut_off ? row_bit::CutOff : 0;
        b |= r.engine_signal ? row_bit::EngineSignal : 0;
        b |= r.learning == Learning::Running ? row_bit::Learning : 0;
        d.bits[i] = b;
        if ((m.SettingsBlock1[0] == kFrameMark || m.SettingsBlock2[0] == kFrameMark) &&
            (d.settings.empty() || d.settings.back().block1 != m.SettingsBlock1 ||
             d.settings.back().block2 != m.SettingsBlock2))
            d.settings.push_back({i, m.SettingsBlock1, m.SettingsBlock2});
    }
    return d;
}

}  // namespace tarvex
