// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "link/controller_image.h"
#include "link/readings_decoder.h"
#include "recording/recording.h"

namespace tarvex {

// The channels of a drive, each an integer per row in the unit the
// controller reports it in.
enum class Channel : std::uint8_t {
    EngineSpeed,         // rpm
    LambdaVoltage,       // sensor counts; volts = sensor_voltage(count)
    Tps,                 // sensor counts, as received; shown by the TPS type (tps_reading)
    Actuator,            // steps
    StartPosition,       // steps (AttInit)
    ReducerTemperature,  // degrees Celsius
};
inline constexpr std::size_t kChannelCount = 6;

// What a row says beside its channels, as bits.
namespace row_bit {
enum : std::uint8_t {
    Readings = 0x01,      // a generation-2 controller answered: the channels hold readings
    Gas = 0x02,           // the fuel box shows gas
    LpgOff = 0x04,        // " LPG OFF " lit (switch-back speed exceeded)
    CutOff = 0x08,        // " CUT-OFF " lit
    EngineSignal = 0x10,  // the controller sees the engine-speed signal
    Learning = 0x20,      // a learning run is on
};
}

// The settings the controller reported from a row on, until the next span.
// A block not read (the oscilloscope reads only block 1) is all zeros.
struct SettingsSpan {
    std::size_t first_row = 0;
    std::array<std::uint8_t, kSettings1Len> block1{};
    std::array<std::uint8_t, kSettings2Len> block2{};
    bool has_block1() const { return block1[0] == kFrameMark; }
    bool has_block2() const { return block2[0] == kFrameMark; }
    // The lambda sensor's switching point (LambdaPoint) in volts; none
    // without block 1.
    std::optional<double> switching_point_v() const;
    // The image holding these blocks, for the settings table and the views'
    // labels (setting_value, list entries).
    ControllerImage image() const;
};

// A recording decoded row by row with the dashboard's decoder, kept as one
// array per channel so that a strip chart, an envelope or an analysis walks
// only what it needs (35 bytes a row). Rows without readings (link lost,
// another generation) keep zeros in their channels: test row_bit::Readings.
struct DriveSamples {
    std::vector<double> seconds;  // as recorded, since the recording began
    std::array<std::vector<std::int32_t>, kChannelCount> channels;
    std::vector<std::uint8_t> bits;  // row_bit
    std::vector<Learning> learning;
    std::vector<LinkReading> link;
    // The settings read from the controller, a span each time they change
    // (rows before the first span: not known). Only rows with readings and a
    // block read count.
    std::vector<SettingsSpan> settings;
    // The controller's firmware version of the first good status reply; 0 for none.
    int generation = 0, minor = 0;
    // From the loader: local time of the first and last rows ("" when not
    // recorded) and why the recording was read only in part ("" when whole).
    std::string first_time, last_time, problem;

    std::size_t size() const { return seconds.size(); }
    std::int32_t value(Channel c, std::size_t row) const {
        return channels[static_cast<std::size_t>(c)][row];
    }
    bool has(std::size_t row, std::uint8_t bit) const { return bits[row] & bit; }
    // Seconds from the first row.
    double time(std::size_t row) const { return seconds[row] - seconds.front(); }
    // The span in force at a row, or null before the first.
    const SettingsSpan* settings_at(std::size_t row) const;
    // The first row at or after `t` seconds from the first row (size() past the end).
    std::size_t row_at(double t) const;
};

// Decodes every row: the image rebuilt from the recorded replies
// (RecordedImage, its settings primed), then decode_readings under the
// recorded link.
DriveSamples decode_drive(const Recording& recording);

}  // namespace tarvex
