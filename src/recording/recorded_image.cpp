// SPDX-License-Identifier: MIT
#include "recording/recorded_image.h"

#include <algorithm>

#include "link/link_state.h"

namespace tarvex {

namespace {

// The reply as the link's read of an n-byte frame holds it: the bytes that
// came, zeros after them; whether it is taken (frame mark, good checksum).
template <std::size_t N>
bool take(const ReplyBytes& reply, std::array<std::uint8_t, N>& frame) {
    std::array<std::uint8_t, N> buf{};
    std::copy_n(reply.bytes.begin(), std::min<std::size_t>(reply.size, N), buf.begin());
    if (buf[0] != kFrameMark || checksum(buf.data(), N - 1) != buf[N - 1])
        return false;
    frame = buf;
    return true;
}

}  // namespace

void RecordedImage::prime_settings(const Recording& recording) {
    bool block1 = false, block2 = false;
    int failed = 0;
    for (std::size_t row = 0; row < recording.size() && !(block1 && block2); ++row) {
        const ReplyBytes status = recording.reply(row, 0);
        failed = status.size && status.bytes[0] == kFrameMark ? 0 : failed + 1;
        if (failed >= kFailedPollsForLoss)
            break;
        block1 = block1 || take(recording.reply(row, 2), image_.SettingsBlock1);
        block2 = block2 || take(recording.reply(row, 3), image_.SettingsBlock2);
    }
}

void RecordedImage::apply(const Recording& recording, std::size_t row) {
    // The status poll, and the state machine it runs.
    const ReplyBytes status = recording.reply(row, 0);
    const std::uint8_t mark = status.size ? status.bytes[0] : 0;
    if (mark == kFrameMark) {
        if (take(status, image_.StatusFrame)) {
            no_connection_ = 0;
            failed_polls_ = 0;
            lost_ = false;
        }
    } else if (++failed_polls_ >= kFailedPollsForLoss) {
        no_connection_ = 1;
        failed_polls_ = kFailedPollsForLoss - 1;
        lost_ = true;
        clear_on_link_loss(image_);
    }
    controller_generation(image_);
    take(recording.reply(row, 1), image_.LiveFrame);
    take(recording.reply(row, 2), image_.SettingsBlock1);
    take(recording.reply(row, 3), image_.SettingsBlock2);
    if (recording.has_recorded_link(row))
        link_ = recording.recorded_link(row);
    else if (no_connection_)
        link_ = lost_ ? LinkReading::Lost : LinkReading::NoConnection;
    else
        link_ = generation_of(image_) == 2 ? LinkReading::Connected : LinkReading::Unsupported;
}

}  // namespace tarvex
