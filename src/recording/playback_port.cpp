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
double last_row_length(const Recording& r) {
    if (r.size() < 2)
        return 0.05;
    const double d = r.seconds(r.size() - 1) - r.seconds(r.size() - 2);
    return std::clamp(d, 0.05, 1.0);
}

}  // namespace

PlaybackSerialPort::PlaybackSerialPort(Recording recording, LinkClock& clock)
    : recording_(std::move(recording)), clock_(clock) {
    if (!recording_.empty()) {
        first_ = recording_.seconds(0);
        end_ = recording_.seconds(recording_.size() - 1) + last_row_length(recording_);
    }
    restart();
}

void PlaybackSerialPort::restart() {
    started_ = clock_.now();
}

double PlaybackSerialPort::position() const {
    return std::chrono::duration<double>(clock_.now() - started_).count();
}

void PlaybackSerialPort::advance_to(std::size_t row) const {
    if (row + 1 < cursor_.next)
        cursor_ = Cursor{};
    for (; cursor_.next <= row; ++cursor_.next) {
        const std::size_t i = cursor_.next;
        const ReplyBytes status = recording_.reply(i, 0);
        // A status poll without a frame mark counts toward losing the link,
        // which clears the image: replies from before it are not played after it.
        if (status.size == 0 || status.bytes[0] != kFrameMark)
            cursor_.source = {-1, -1, -1, -1};
        cursor_.source[0] = static_cast<long>(i);
        for (int k = 1; k < 4; ++k)
            if (recording_.reply(i, k).size > 0)
                cursor_.source[static_cast<std::size_t>(k)] = static_cast<long>(i);
    }
}

std::optional<ReplyBytes> PlaybackSerialPort::reply_at(int command, double seconds) const {
    const double t = first_ + seconds;
    if (command < 1 || command > 4 || recording_.empty() || seconds < 0 || t >= end_)
        return std::nullopt;
    // The last row that started at or before t.
    std::size_t lo = 0, hi = recording_.size();
    while (lo < hi) {
        const std::size_t mid = lo + (hi - lo) / 2;
        if (recording_.seconds(mid) <= t)
            lo = mid + 1;
        else
            hi = mid;
    }
    if (lo == 0)
        return std::nullopt;
    advance_to(lo - 1);
    const long from = cursor_.source[static_cast<std::size_t>(command - 1)];
    if (from < 0)
        return std::nullopt;
    const ReplyBytes r = recording_.reply(static_cast<std::size_t>(from), command - 1);
    if (r.size == 0)
        return std::nullopt;
    return r;
}

bool PlaybackSerialPort::open(const std::string&) {
    open_ = true;
    pending_.reset();
    return true;
}

std::size_t PlaybackSerialPort::write(std::span<const std::uint8_t> bytes) {
    if (!open_)
        return 0;
    written_at_ = clock_.now();
    written_bytes_ = bytes.size();
    const int command = read_command_of(bytes);
    pending_ = command ? reply_at(command, position()) : std::nullopt;
    return bytes.size();
}

std::size_t PlaybackSerialPort::read(std::span<std::uint8_t> into) {
    if (!open_ || into.empty())
        return 0;
    const auto start = clock_.now();
    const auto timeout = start + std::chrono::milliseconds(total_timeout_ms(into.size()));
    const std::optional<ReplyBytes> reply = pending_;
    pending_.reset();
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
