// SPDX-License-Identifier: MIT
#include "recording/playback_port.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "link/controller_image.h"
#include "recording/recording_port.h"

namespace tarvex {

namespace {

// How long the last row plays: as long as the one before it lasted, within
// a poll period at 50 ms and one second.
double last_row_length(const std::vector<RecordedTick>& ticks) {
    if (ticks.size() < 2)
        return 0.05;
    const double d = ticks.back().seconds - ticks[ticks.size() - 2].seconds;
    return std::clamp(d, 0.05, 1.0);
}

}  // namespace

PlaybackSerialPort::PlaybackSerialPort(Recording recording, LinkClock& clock)
    : recording_(std::move(recording)), clock_(clock) {
    const auto& ticks = recording_.ticks;
    source_.resize(ticks.size());
    std::array<int, 4> latest{-1, -1, -1, -1};
    for (std::size_t i = 0; i < ticks.size(); ++i) {
        const ReplyBytes& status = ticks[i].replies[0];
        // A status poll without a frame mark counts toward losing the link,
        // which clears the image: replies from before it are not played after it.
        if (status.size == 0 || status.bytes[0] != kFrameMark)
            latest = {-1, -1, -1, -1};
        latest[0] = static_cast<int>(i);
        for (std::size_t k = 1; k < 4; ++k)
            if (ticks[i].replies[k].size > 0)
                latest[k] = static_cast<int>(i);
        source_[i] = latest;
    }
    if (!ticks.empty()) {
        first_ = ticks.front().seconds;
        end_ = ticks.back().seconds + last_row_length(ticks);
    }
    restart();
}

void PlaybackSerialPort::restart() {
    started_ = clock_.now();
}

double PlaybackSerialPort::position() const {
    return std::chrono::duration<double>(clock_.now() - started_).count();
}

const ReplyBytes* PlaybackSerialPort::reply_at(int command, double seconds) const {
    const auto& ticks = recording_.ticks;
    const double t = first_ + seconds;
    if (command < 1 || command > 4 || ticks.empty() || seconds < 0 || t >= end_)
        return nullptr;
    const auto after =
        std::upper_bound(ticks.begin(), ticks.end(), t,
                         [](double v, const RecordedTick& r) { return v < r.seconds; });
    if (after == ticks.begin())
        return nullptr;
    const std::size_t row = static_cast<std::size_t>(after - ticks.begin()) - 1;
    const int from = source_[row][static_cast<std::size_t>(command - 1)];
    if (from < 0)
        return nullptr;
    const ReplyBytes& r =
        ticks[static_cast<std::size_t>(from)].replies[static_cast<std::size_t>(command - 1)];
    return r.size > 0 ? &r : nullptr;
}

bool PlaybackSerialPort::open(const std::string&) {
    open_ = true;
    pending_ = nullptr;
    return true;
}

std::size_t PlaybackSerialPort::write(std::span<const std::uint8_t> bytes) {
    if (!open_)
        return 0;
    written_at_ = clock_.now();
    written_bytes_ = bytes.size();
    const int command = read_command_of(bytes);
    pending_ = command ? reply_at(command, position()) : nullptr;
    return bytes.size();
}

std::size_t PlaybackSerialPort::read(std::span<std::uint8_t> into) {
    if (!open_ || into.empty())
        return 0;
    const auto start = clock_.now();
    const auto timeout = start + std::chrono::milliseconds(total_timeout_ms(into.size()));
    const ReplyBytes* reply = pending_;
    pending_ = nullptr;
    const std::size_t n = reply ? std::min<std::size_t>(reply->size, into.size()) : 0;
    if (n > 0)
        std::copy_n(reply->bytes.begin(), n, into.begin());
    const auto last_byte = written_at_ + kWireByteTime * static_cast<long>(written_bytes_ + n);
    if (n == 0)
        clock_.sleep_until(timeout);
    else if (n < into.size())
        clock_.sleep_until(std::min(
            std::max(last_byte, start) + std::chrono::milliseconds(kInterByteTimeoutMs), timeout));
    else
        clock_.sleep_until(last_byte);
    return n;
}

void PlaybackSerialPort::sleep_ms(int ms) {
    if (ms > 0)
        clock_.sleep_until(clock_.now() + std::chrono::milliseconds(ms));
}

std::string minutes_seconds(double seconds) {
    const long total = seconds > 0 ? static_cast<long>(std::floor(std::min(seconds, 1e9))) : 0;
    char buf[32];
    if (total >= 3600)
        std::snprintf(buf, sizeof buf, "%ld:%02ld:%02ld", total / 3600, total / 60 % 60,
                      total % 60);
    else
        std::snprintf(buf, sizeof buf, "%02ld:%02ld", total / 60, total % 60);
    return buf;
}

}  // namespace tarvex
