// SPDX-License-Identifier: MIT
#pragma once

#include "link/link_state.h"

namespace tarvex::testing {

// The polls of one Readings tick: status, then live data from a connected
// generation-2 controller, and both settings blocks on every fourth live poll.
inline void readings_tick(LinkState& link, ControllerImage& image, unsigned& poll_tick) {
    poll_status(link, image);
    if (link.NoConnection == 0 && controller_generation(image) == 2) {
        read_live(link, image);
        if (++poll_tick > 3) {
            read_settings1(link, image);
            read_settings2(link, image);
            poll_tick = 0;
        }
    }
}

}  // namespace tarvex::testing
