// SPDX-License-Identifier: MIT
#include "cli/cli_log.h"

#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <ostream>

#include "cli/cli_commands.h"
#include "readings/readings_poll.h"
#include "recording/recorder.h"

namespace tarvex::cli {

namespace {

using Clock = std::chrono::steady_clock;

// Sleeps until `until`; a signal that asks to stop ends the sleep early.
void sleep_until(Clock::time_point until) {
    const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(until.time_since_epoch());
    timespec ts{};
    ts.tv_sec = static_cast<time_t>(ns.count() / 1'000'000'000);
    ts.tv_nsec = static_cast<long>(ns.count() % 1'000'000'000);
    while (!g_stop_requested &&
           clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &ts, nullptr) == EINTR) {
    }
}

}  // namespace

int log_readings(Session& s, const CliOptions& o) {
    if (const int rc = s.open(o.port))
        return rc;
    Recorder rec(s.link, s.image);
    const bool started = o.csv.empty() ? rec.start_on_descriptor(STDOUT_FILENO) : rec.start(o.csv);
    // A reader that went away (tarvex-cli log | head) took what it wanted.
    if (rec.error_number() == EPIPE)
        return kExitOk;
    if (!started) {
        s.err << "tarvex-cli: cannot write the recording"
              << (o.csv.empty() ? std::string() : " to " + o.csv) << ": " << rec.error() << "\n";
        return kExitOutputFailed;
    }
    const auto start = Clock::now();
    const auto end = start + std::chrono::duration_cast<Clock::duration>(
                                 std::chrono::duration<double>(o.seconds));
    // Polled as the Readings view polls, its timer re-armed as its is.
    PollShared shared;
    shared.ArmedPollPeriod = s.link.PollPeriod;
    auto next = start;
    bool answered = false;
    while (!g_stop_requested && next < end && !rec.failed()) {
        sleep_until(next);
        if (g_stop_requested)
            break;
        const TickOutcome tick = readings_poll(s.link, s.image, shared);
        answered = answered || s.link.NoConnection == 0;
        // A timer re-armed with a new period counts from now; one that
        // fell behind fires again at once.
        const auto now = Clock::now();
        if (tick.rearm_to) {
            next = now + std::chrono::milliseconds(tick.rearm_to);
        } else {
            next += std::chrono::milliseconds(shared.ArmedPollPeriod);
            if (next < now)
                next = now;
        }
    }
    rec.stop();
    if (rec.error_number() == EPIPE)
        return kExitOk;
    if (rec.failed()) {
        s.err << "tarvex-cli: the recording stopped: " << rec.error() << "\n";
        return kExitOutputFailed;
    }
    if (!answered) {
        s.err << "tarvex-cli: no answer from the controller on " << s.device << "\n";
        return kExitNoAnswer;
    }
    return kExitOk;
}

}  // namespace tarvex::cli
