// SPDX-License-Identifier: MIT
#include "config/settings_send.h"

#include "link/settings_read.h"

namespace tarvex {

SendOutcome send_and_confirm(LinkState& link, ControllerImage& image,
                             const std::array<std::uint8_t, kSettings.size()>& values) {
    SendOutcome out;
    if (controller_generation(image) == 2)
        settle_line(link);
    while (out.sent < static_cast<int>(kSettings.size())) {
        const auto i = static_cast<std::size_t>(out.sent);
        if (write_setting(link, image, kSettings[i].code, values[i]) != 3)
            break;
        ++out.sent;
    }
    if (out.sent == 0)
        return out;
    out.read_back = read_settings_afresh(link, image);
    if (out.read_back)
        for (std::size_t i = 0; i < static_cast<std::size_t>(out.sent); ++i)
            if (setting_value(image, kSettings[i]) != values[i])
                out.not_held.push_back(i);
    return out;
}

}  // namespace tarvex
