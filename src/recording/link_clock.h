// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>

namespace tarvex {

// The time source of recording and playback: a monotonic clock for intervals,
// the wall clock for time stamps, and sleeping. Tests put in their own.
class LinkClock {
  public:
    using Steady = std::chrono::steady_clock;
    using Wall = std::chrono::system_clock;

    virtual ~LinkClock() = default;
    virtual Steady::time_point now() = 0;
    virtual Wall::time_point wall_now() = 0;
    // Returns at `until` or later; at once when it has passed.
    virtual void sleep_until(Steady::time_point until) = 0;
};

// The real clocks.
class SystemLinkClock final : public LinkClock {
  public:
    Steady::time_point now() override { return Steady::now(); }
    Wall::time_point wall_now() override { return Wall::now(); }
    void sleep_until(Steady::time_point until) override;
};

// One instance for everyone who needs the real clocks.
LinkClock& system_link_clock();

}  // namespace tarvex
