// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "link/controller_image.h"

namespace tarvex {

// Where a setting is read back.
enum class Frame : std::uint8_t { Live, Block1, Block2 };

struct SettingDef {
    std::string_view key;  // settings-file key without "="
    std::uint8_t code;     // write code
    Frame frame;
    std::uint8_t offset;  // byte in that frame
};

// The 28 controller settings in settings-file order (write codes 5 to 33 but
// 30, which is a command, not a setting). Save, load, the simulator and the
// tests all walk this one table.
extern const std::array<SettingDef, 28> kSettings;

// Write code 30: controller command, not a setting.
constexpr int kCommandCode = 30;
constexpr int kCommandStartLearning = 50;
constexpr int kCommandFactoryReset = 51;

std::uint8_t setting_value(const ControllerImage& image, const SettingDef& def);
// The setting a write code changes; null for a code that is no setting.
const SettingDef* find_setting_by_code(int code);
// Index in kSettings (file order) of the setting a write code changes; none
// for a code that is no setting.
std::optional<std::size_t> setting_index(int code);

}  // namespace tarvex
