// SPDX-License-Identifier: MIT
// The controller-settings reader: any bytes; a file it accepts, written again
// from its values, reads back to the same values.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "config/settings_file.h"
#include "link/settings_table.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto parsed =
        tarvex::parse_settings_file(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!parsed.ok)
        return 0;
    tarvex::ControllerImage image;
    for (std::size_t i = 0; i < tarvex::kSettings.size(); ++i) {
        const auto& def = tarvex::kSettings[i];
        std::uint8_t* frame = def.frame == tarvex::Frame::Live     ? image.LiveFrame.data()
                              : def.frame == tarvex::Frame::Block1 ? image.SettingsBlock1.data()
                                                                   : image.SettingsBlock2.data();
        frame[def.offset] = parsed.values[i];
    }
    const auto again = tarvex::parse_settings_file(tarvex::settings_file_text(image));
    if (!again.ok || again.values != parsed.values)
        std::abort();
    return 0;
}
