// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace tarvex {

// Rounds a non-negative value to the nearest int, an exact half going down;
// negative values are truncated toward zero.
int round_half(double x);
// Engine speed in rpm (a multiple of 50) from the period count; 0 for 0.
int engine_speed(unsigned period);
inline int engine_speed(unsigned hi, unsigned lo) {
    return engine_speed((hi << 8) | lo);
}
// Period count of an engine speed (rpm > 0); sent as low and high byte.
unsigned period_from_rpm(int rpm);
// Reducer temperature in degrees Celsius from the raw sensor value.
int temperature_from_raw(unsigned raw);
// Raw sensor value of a temperature.
int raw_from_temperature(int t);
// The temperature of raw as text of two or more digits, "00" to "100".
std::string temperature_text(unsigned raw);
// Sensor voltage of a raw byte: 0.0196 V per count.
double sensor_voltage(unsigned raw);

}  // namespace tarvex
