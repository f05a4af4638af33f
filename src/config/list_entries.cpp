// SPDX-License-Identifier: MIT
#include "config/list_entries.h"
#include "ui/format.h"

namespace tarvex {

std::vector<std::string> entries_for_language(std::vector<std::string> entries,
                                              std::string_view language_code) {
    const char separator = decimal_separator(language_code);
    for (auto& e : entries)
        e = with_decimal_separator(std::move(e), separator);
    return entries;
}

std::vector<std::string> lambda_type_entries() {
    return {"0-1 V", "0-5 V -", "0-5 V +", "5-0 V -", "5-0 V +", "0,8-1,6 V"};
}

int lambda_point_offset(int sensor_type) {
    return sensor_type == 0 ? 20 : sensor_type == 5 ? 50 : 100;
}

std::vector<std::string> lambda_point_entries(int sensor_type) {
    std::vector<std::string> e;
    if (sensor_type == 0) {
        for (long k = 0; k <= 10; ++k)
            e.push_back(format("0,%ld", 40 + 2 * k));
    } else if (sensor_type == 5) {
        for (long k = 0; k <= 15; ++k)
            e.push_back(format("1,%02ld", 2 * k));
    } else {
        for (long k = 0; k <= 49; ++k)
            e.push_back(format("%ld:%02ld", 2L, 2 * k));
        e.push_back(format("%ld:%02ld", 3L, 0L));
    }
    return e;
}

std::vector<std::string> lambda_delay_entries() {
    std::vector<std::string> e;
    for (long k = 0; k < 255; ++k) {
        const long s = (k + 1) * 5;
        e.push_back(format("%ld:%02ld", s / 60, s % 60));
    }
    return e;
}

std::vector<std::string> emulation_time_entries() {
    std::vector<std::string> e;
    for (long k = 0; k < 255; ++k) {
        const long thousandths = (k + 1) * 25;
        e.push_back(format("%ld,%03ld", thousandths / 1000, thousandths % 1000));
    }
    return e;
}

std::vector<std::string> rpm_entries(int from, int to) {
    std::vector<std::string> e;
    for (long rpm = from; rpm <= to; rpm += 100)
        e.push_back(format("%ld", rpm));
    return e;
}

std::vector<std::string> tps_inert_entries() {
    std::vector<std::string> e;
    for (long k = 0; k < 19; ++k) {
        const long hundredths = 2 * (k + 2);
        e.push_back(format("%ld,%02ld", hundredths / 100, hundredths % 100));
    }
    return e;
}

std::vector<std::string> tenths_entries() {
    std::vector<std::string> e;
    for (long k = 1; k <= 50; ++k)
        e.push_back(format("%ld,%ld", k / 10, k % 10));
    return e;
}

std::vector<std::string> number_entries(const char* entry_format, int count) {
    std::vector<std::string> e;
    for (long k = 0; k < count; ++k)
        e.push_back(format(entry_format, k));
    return e;
}

std::vector<std::string> tps_jump_entries() {
    std::vector<std::string> e;
    for (long k = 0; k <= 50; ++k)
        e.push_back(format("%ld,%ld", k / 10, k % 10));
    return e;
}

std::vector<std::string> cut_off_steps_entries() {
    std::vector<std::string> e;
    for (long k = 0; k < 50; ++k)
        e.push_back(format("%ld", 2 * k + 2));
    return e;
}

std::vector<std::string> lpg_on_temp_entries() {
    std::vector<std::string> e;
    for (long k = 0; k < 26; ++k)
        e.push_back(format("%ld", 10 + 2 * k));
    return e;
}

std::vector<std::string> correction_entries(int b) {
    std::vector<std::string> e;
    for (long k = 0; k < 16; ++k) {
        const long v = 2 * (k + 1) - b;
        e.push_back(format(v <= 0 ? "%ld" : "+%ld", v));
    }
    return e;
}

}  // namespace tarvex
