// SPDX-License-Identifier: MIT
#include "link/conversions.h"

#include <cstdio>

namespace tarvex {

int round_half(double x) {
    const int i = static_cast<int>(x);
    if (i < 0)
        return i;
    return (x - i) * 100.0 > 50.0 ? i + 1 : i;
}

int engine_speed(unsigned period) {
    if (period == 0)
        return 0;
    const unsigned q = 15000000u / period;
    return round_half(q / 50.0) * 50;
}

unsigned period_from_rpm(int rpm) {
    return 15000000u / static_cast<unsigned>(rpm);
}

int temperature_from_raw(unsigned raw) {
    if (raw < 68)
        return 0;
    if (raw < 200)
        return round_half((static_cast<int>(raw) - 68) / 2.582);
    return round_half(raw * 1.057 - 160.0);
}

int raw_from_temperature(int t) {
    if (t == 0)
        return 68;
    if (t < 51)
        return round_half(t * 2.582 + 68.0);
    if (t < 101)
        return round_half((t + 160) / 1.057);
    return 245;
}

std::string temperature_text(unsigned raw) {
    long v = temperature_from_raw(raw);
    if (v > 100)
        v = 100;
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02ld", v);
    return buf;
}

double sensor_voltage(unsigned raw) {
    return raw * 196 / 10000.0;
}

}  // namespace tarvex
