// SPDX-License-Identifier: MIT
#include "support/scripted_serial_port.h"

#include <algorithm>
#include <utility>

#include "link/controller_image.h"

namespace tarvex {

bool ScriptedSerialPort::open(const std::string& device) {
    events_.push_back({Op::Open, {}, 0, 0, device});
    open_ = open_ok_;
    return open_;
}

void ScriptedSerialPort::close() {
    events_.push_back({Op::Close, {}, 0, 0, {}});
    open_ = false;
}

void ScriptedSerialPort::purge_receive() {
    events_.push_back({Op::PurgeReceive, {}, 0, 0, {}});
}

void ScriptedSerialPort::purge_transmit() {
    events_.push_back({Op::PurgeTransmit, {}, 0, 0, {}});
}

std::size_t ScriptedSerialPort::write(std::span<const std::uint8_t> bytes) {
    if (!open_) {
        events_.push_back({Op::Write, {}, 0, 0, {}});
        return 0;
    }
    last_written_.assign(bytes.begin(), bytes.end());
    events_.push_back({Op::Write, last_written_, 0, 0, {}});
    return bytes.size();
}

void ScriptedSerialPort::while_next_read_waits(std::function<void()> work) {
    if (waits_)
        while_waiting_ = std::move(work);
    else if (work)
        work();
}

std::size_t ScriptedSerialPort::read(std::span<std::uint8_t> into) {
    if (while_waiting_)
        std::exchange(while_waiting_, nullptr)();
    std::vector<std::uint8_t> reply;
    if (open_) {
        if (!replies_.empty()) {
            reply = std::move(replies_.front());
            replies_.pop_front();
        } else if (responder_) {
            reply = responder_(last_written_);
        }
    }
    if (reply.size() > into.size())
        reply.resize(into.size());
    std::copy(reply.begin(), reply.end(), into.begin());
    events_.push_back({Op::Read, reply, into.size(), 0, {}});
    return reply.size();
}

void ScriptedSerialPort::sleep_ms(int ms) {
    events_.push_back({Op::Sleep, {}, 0, ms, {}});
}

std::vector<std::vector<std::uint8_t>> ScriptedSerialPort::writes() const {
    std::vector<std::vector<std::uint8_t>> out;
    for (const auto& e : events_)
        if (e.op == Op::Write && !e.bytes.empty())
            out.push_back(e.bytes);
    return out;
}

std::vector<std::uint8_t> ScriptedSerialPort::framed_reply(std::size_t n, std::uint8_t third) {
    std::vector<std::uint8_t> f(n, 0);
    f[0] = kFrameMark;
    f[1] = 1;
    f[2] = third;
    f[n - 1] = checksum(f.data(), n - 1);
    return f;
}

std::vector<int> ScriptedSerialPort::commands() const {
    std::vector<int> out;
    for (const auto& w : writes())
        out.push_back(w[1]);
    return out;
}

}  // namespace tarvex
