// SPDX-License-Identifier: MIT
#include "config/form.h"

#include "link/conversions.h"

namespace tarvex {

int rpm_entry(unsigned hi, unsigned lo, int first_rpm) {
    const int rpm = engine_speed(hi, lo);
    return rpm < first_rpm ? 0 : (rpm - first_rpm) / 100;
}

std::vector<Write> rpm_writes(int lo_code, int rpm) {
    const unsigned p = period_from_rpm(rpm);
    return {{lo_code, static_cast<int>(p & 0xFF)},
            {lo_code + 1, static_cast<int>((p >> 8) & 0xFF)}};
}

}  // namespace tarvex
