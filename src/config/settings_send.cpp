// SPDX-License-Identifier: MIT
#include "config/settings_send.h"

#include "link/settings_read.h"

namespace tarvex {

SendOutcome send_writes_and_confirm(LinkState& link, ControllerImage& image,
                                    std::span<const Write> writes) {
    SendOutcome out;
    out.total = static_cast<int>(writes.size());
    if (controller_generation(image) == 2)
        settle_line(link);
    for (const Write& w : writes) {
        if (write_setting(link, image, w.code, w.value) != 3) {
            out.stopped_at = setting_index(w.code);
            break;
        }
        ++out.sent;
    }
    if (out.sent == 0)
        return out;
    out.read_back = read_settings_afresh(link, image);
    if (!out.read_back)
        return out;
    // Each setting sent, against the last value sent for it.
    for (std::size_t i = 0; i < kSettings.size(); ++i) {
        std::optional<int> last;
        for (const Write& w : writes.first(static_cast<std::size_t>(out.sent)))
            if (w.code == kSettings[i].code)
                last = w.value & 0xFF;
        if (last && setting_value(image, kSettings[i]) != *last)
            out.not_held.push_back(i);
    }
    return out;
}

SendOutcome send_and_confirm(LinkState& link, ControllerImage& image,
                             const std::array<std::uint8_t, kSettings.size()>& values) {
    std::vector<Write> writes;
    for (std::size_t i = 0; i < kSettings.size(); ++i)
        writes.push_back({kSettings[i].code, values[i]});
    return send_writes_and_confirm(link, image, writes);
}

}  // namespace tarvex
