// SPDX-License-Identifier: MIT
#include "review/findings.h"

#include <algorithm>

namespace tarvex {

namespace {

LearningEnd learning_end(const DriveSamples& d, std::size_t row) {
    const std::uint8_t b = d.bits[row];
    if (d.link[row] != LinkReading::Connected)
        return LearningEnd::LinkLost;
    if (!(b & row_bit::EngineSignal) || d.value(Channel::EngineSpeed, row) <= 0)
        return LearningEnd::EngineStopped;
    if (b & row_bit::LpgOff)
        return LearningEnd::LpgOff;
    if (b & row_bit::CutOff)
        return LearningEnd::CutOff;
    if (!(b & row_bit::Gas))
        return LearningEnd::LeftGas;
    return LearningEnd::Ended;
}

// Opens an episode when `on` starts and closes it when it stops.
struct EpisodeTracker {
    std::vector<Episode>& list;
    bool on = false;
    void step(bool now, double t) {
        if (now && !on)
            list.push_back({t, std::nullopt});
        else if (!now && on)
            list.back().duration_s = t - list.back().t;
        on = now;
    }
};

}  // namespace

DriveEvents find_events(const DriveSamples& d, const ReviewThresholds& limits) {
    DriveEvents e;
    e.rows = d.size();
    if (d.size() == 0)
        return e;
    e.duration_s = d.time(d.size() - 1);
    int fuel = -1;  // last fuel seen with readings: 0 petrol, 1 gas
    std::optional<double> engine_start;
    EpisodeTracker cut{e.cutoffs}, loss{e.link_losses};
    bool learning = false;
    double learning_from = 0;
    bool ever_connected = false;
    for (std::size_t i = 0; i < d.size(); ++i) {
        const double t = d.time(i);
        const std::uint8_t b = d.bits[i];
        const bool readings = b & row_bit::Readings;
        const int rpm = d.value(Channel::EngineSpeed, i);
        const double dt = i + 1 < d.size() ? std::min(d.seconds[i + 1] - d.seconds[i],
                                                      limits.max_row_gap_seconds)
                                           : 0.0;
        const bool connected = d.link[i] == LinkReading::Connected;
        loss.step(!connected && ever_connected, t);
        ever_connected = ever_connected || connected;
        if (readings) {
            const int gas = (b & row_bit::Gas) ? 1 : 0;
            if (gas)
                e.gas_s += dt;
            else if (rpm > 0)
                e.petrol_s += dt;
            if (!engine_start && rpm > 0)
                engine_start = t;
            if (fuel == 0 && gas)
                e.switchovers.push_back({t, d.value(Channel::ReducerTemperature, i), rpm});
            if (fuel == 1 && !gas)
                e.switchbacks.push_back(t);
            fuel = gas;
        }
        cut.step(readings && (b & row_bit::CutOff), t);
        const bool running = readings && (b & row_bit::Learning);
        if (running && !learning)
            learning_from = t;
        if (!running && learning)
            e.learning.push_back({learning_from, t - learning_from, learning_end(d, i)});
        learning = running;
    }
    if (learning)
        e.learning.push_back(
            {learning_from, e.duration_s - learning_from, LearningEnd::RecordingEnded});
    if (!e.switchovers.empty() && engine_start && *engine_start <= e.switchovers.front().t)
        e.warmup_s = e.switchovers.front().t - *engine_start;
    return e;
}

}  // namespace tarvex
