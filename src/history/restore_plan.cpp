// SPDX-License-Identifier: MIT
#include "history/restore_plan.h"

#include <optional>

namespace tarvex::history {

namespace {

// The low-byte code of the engine-speed pair a code belongs to.
std::optional<std::uint8_t> speed_pair_low(std::uint8_t code) {
    for (const std::uint8_t low : {std::uint8_t{21}, std::uint8_t{24}, std::uint8_t{27}})
        if (code == low || code == low + 1)
            return low;
    return std::nullopt;
}

}  // namespace

std::vector<SettingWrite> restore_setting(const Snapshot& snapshot, std::uint8_t code,
                                          const SettingValues& now, std::uint8_t mask) {
    const auto index = setting_index(code);
    if (!index)
        return {};
    const SettingValues values = snapshot_values(snapshot);
    if (const auto low = speed_pair_low(code)) {
        const std::uint8_t high = static_cast<std::uint8_t>(*low + 1);
        return {{*low, values[*setting_index(*low)]}, {high, values[*setting_index(high)]}};
    }
    const auto value = static_cast<std::uint8_t>((now[*index] & ~mask) | (values[*index] & mask));
    return {{code, value}};
}

}  // namespace tarvex::history
