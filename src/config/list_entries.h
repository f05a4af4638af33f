// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tarvex {

// Entry texts of the settings lists, built from integers with decimal commas.
// The lists show them with the decimal separator of the interface language.
std::vector<std::string> entries_for_language(std::vector<std::string> entries,
                                              std::string_view language_code);
std::vector<std::string> lambda_type_entries();
// List 1013 for a lambda sensor type, and the offset of its first entry.
std::vector<std::string> lambda_point_entries(int sensor_type);
int lambda_point_offset(int sensor_type);
std::vector<std::string> lambda_delay_entries();         // 0:05 .. 21:15
std::vector<std::string> emulation_time_entries();       // 0,025 .. 6,375
std::vector<std::string> rpm_entries(int from, int to);  // in steps of 100
std::vector<std::string> tps_inert_entries();            // 0,04 .. 0,40
std::vector<std::string> tenths_entries();               // 0,1 .. 5,0
std::vector<std::string> number_entries(const char* entry_format,
                                        int count);  // "%ld" of k, 0..count-1
std::vector<std::string> tps_jump_entries();         // 0,0 .. 5,0
std::vector<std::string> cut_off_steps_entries();    // 2 .. 100
std::vector<std::string> lpg_on_temp_entries();      // 10 .. 60
// The EmulDO corrections: entry k shows 2(k+1) - b, signed.
std::vector<std::string> correction_entries(int b);

}  // namespace tarvex
