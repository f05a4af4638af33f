// SPDX-License-Identifier: MIT
#pragma once

#include "recording/link_clock.h"

namespace tarvex::testing {

// A clock that moves only when told to or when someone sleeps on it.
class FakeLinkClock final : public LinkClock {
  public:
    Steady::time_point now() override { return t; }
    Wall::time_point wall_now() override {
        return wall_origin + std::chrono::duration_cast<Wall::duration>(t - Steady::time_point{});
    }
    void sleep_until(Steady::time_point until) override {
        if (until > t)
            t = until;
    }
    void advance(std::chrono::nanoseconds d) { t += d; }
    void set_seconds(double s) {
        t = Steady::time_point{} +
            std::chrono::duration_cast<Steady::duration>(std::chrono::duration<double>(s));
    }
    double seconds() const {
        return std::chrono::duration<double>(t - Steady::time_point{}).count();
    }

    Steady::time_point t{};
    Wall::time_point wall_origin{};
};

}  // namespace tarvex::testing
