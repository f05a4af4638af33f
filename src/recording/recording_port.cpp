// SPDX-License-Identifier: MIT
#include "recording/recording_port.h"

#include <algorithm>

#include "link/controller_image.h"

namespace tarvex {

int read_command_of(std::span<const std::uint8_t> f) {
    if (f.size() != 4 || f[0] != kFrameMark || f[1] < 1 || f[1] > 4 || f[2] != f[1] ||
        checksum(f.data(), 3) != f[3])
        return 0;
    return f[1];
}

RecordingSerialPort::RecordingSerialPort(SerialPort& inner, TickSink sink, LinkClock& clock)
    : inner_(inner), sink_(std::move(sink)), clock_(clock) {}

std::size_t RecordingSerialPort::write(std::span<const std::uint8_t> bytes) {
    pending_ = read_command_of(bytes);
    if (pending_ == 1) {
        finish();
        tick_ = TickFrames{};
        tick_.started = clock_.now();
        tick_.started_wall = clock_.wall_now();
        tick_open_ = true;
    }
    return inner_.write(bytes);
}

std::size_t RecordingSerialPort::read(std::span<std::uint8_t> into) {
    const std::size_t n = inner_.read(into);
    if (tick_open_ && pending_ > 0) {
        ReplyBytes& r = tick_.replies[static_cast<std::size_t>(pending_ - 1)];
        const std::size_t room = r.bytes.size() - r.size;
        const std::size_t take = std::min(n, room);
        std::copy_n(into.begin(), take, r.bytes.begin() + r.size);
        r.size = static_cast<std::uint8_t>(r.size + take);
    }
    return n;
}

void RecordingSerialPort::finish() {
    if (!tick_open_)
        return;
    tick_open_ = false;
    if (sink_)
        sink_(tick_);
}

}  // namespace tarvex
