// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

#include "recording/recording.h"

namespace tarvex {

// The one loader of recordings, shared by File > Play recording..., the drive
// review and tarvex-cli.
//
// Reads a recording written by the Recorder, as RFC 4180 CSV, streaming: the
// file passes through a buffer of about a megabyte and only the compact rows
// stay (see Recording), so memory grows with the rows, never with the text.
// The header names the columns; "seconds" and the four frame columns must be
// among them, in any order; "time" and "link" are read when present; other
// columns are ignored.
//
// Rows are taken up to the first one that is not whole (no line end after
// it) or not well formed (a field count other than the header's, a control
// character or a stray quote, seconds that are not a number or go back in
// time, a frame that is not hex of at most 16 bytes); the rest is left out
// and Recording::problem names the line and the row, e.g. "line 22: row 21
// is cut off; only the rows before it are read". Nothing is left out
// silently.
//
// False, with error set (naming the line where it can), when the text is not
// a recording (no header, a header without the needed columns, binary data
// in it), holds no row, or is too large: larger than kMaxRecordingBytes or
// with more than kMaxRecordingRows rows; such a recording is refused as a
// whole, never cut.
bool parse_recording(std::string_view text, Recording& out, std::string& error);
// The same for a file; only a regular file is opened.
bool load_recording(const std::string& path, Recording& out, std::string& error);

}  // namespace tarvex
