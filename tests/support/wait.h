// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <thread>

namespace tarvex::testing {

// How long a condition that a working program meets at once may take on a
// loaded machine, and how long a program may take to start.
constexpr std::chrono::milliseconds kDeadline{10000};
constexpr std::chrono::milliseconds kStartDeadline{60000};

// Polls the condition until it holds or the deadline passes; its last answer.
template <typename Condition>
bool wait_until(Condition condition, std::chrono::milliseconds deadline = kDeadline) {
    const auto end = std::chrono::steady_clock::now() + deadline;
    for (;;) {
        if (condition())
            return true;
        if (std::chrono::steady_clock::now() >= end)
            return condition();
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

}  // namespace tarvex::testing
