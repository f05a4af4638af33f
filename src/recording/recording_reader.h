// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "recording/recording_port.h"

namespace tarvex {

// One row of a recording as playback needs it: when the tick started, in
// seconds since the recording began, and the replies it received.
struct RecordedTick {
    double seconds = 0;
    std::array<ReplyBytes, 4> replies{};  // status, live, settings block 1, block 2
};

struct Recording {
    std::vector<RecordedTick> ticks;
    // Why reading stopped before the end of the text (a row cut off, e.g. by
    // a power loss, or a damaged one); empty when every row was read.
    std::string problem;
};

// Reads a recording written by the Recorder, as RFC 4180 CSV. The header
// names the columns; "seconds" and the four frame columns must be among them,
// in any order, and other columns are ignored. Rows are taken up to the first
// one that is not whole (no line end after it) or not well formed (a field
// count other than the header's, seconds that are not a number or go back in
// time, a frame that is not hex of at most 16 bytes); the rest is left out and
// described in `problem`. False, with error set, when the header is not that
// of a recording or no row could be read.
bool parse_recording(std::string_view text, Recording& out, std::string& error);
// The same for a file (at most 256 MiB of it are read); only a regular
// file is opened.
bool load_recording(const std::string& path, Recording& out, std::string& error);

}  // namespace tarvex
