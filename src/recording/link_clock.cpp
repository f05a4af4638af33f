// SPDX-License-Identifier: MIT
#include "recording/link_clock.h"

#include <thread>

namespace tarvex {

void SystemLinkClock::sleep_until(Steady::time_point until) {
    std::this_thread::sleep_until(until);
}

LinkClock& system_link_clock() {
    static SystemLinkClock clock;
    return clock;
}

}  // namespace tarvex
