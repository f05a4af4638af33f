// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "link/readings_decoder.h"
#include "recording/recording_port.h"

namespace tarvex {

// The most a recording may hold: about 14 hours at the oscilloscope's rate
// (40 rows a second), 28 at the Readings view's. A larger one is refused as a
// whole, never cut.
inline constexpr std::size_t kMaxRecordingRows = 2'000'000;
inline constexpr long long kMaxRecordingBytes = 1LL << 30;  // 1 GiB

// One row of a recording: when its tick started, in seconds since the
// recording began, and the replies it received (empty: not sent, or nothing
// came back).
struct RecordedTick {
    double seconds = 0;
    std::array<ReplyBytes, 4> replies{};  // status, live, settings block 1, block 2
};

// The rows of a recording, kept compact: 32 bytes a row whatever the file
// held. A live reply of its usual 11 bytes sits in the row; every other
// reply (status, settings blocks, anything odd) is kept once in a table of
// replies and named by its place there, so that a reply repeated row after
// row, as the status and the settings blocks are, costs 4 bytes a row. Rows
// live in blocks of 64 Ki rows, so that growing never copies them all.
class Recording {
  public:
    Recording();
    Recording(const Recording& other);
    Recording& operator=(const Recording& other);
    Recording(Recording&&) noexcept;
    Recording& operator=(Recording&&) noexcept;
    ~Recording();

    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }

    double seconds(std::size_t row) const { return at(row).seconds; }
    // Reply `kind` (0 status, 1 live, 2 settings block 1, 3 block 2) of a row.
    ReplyBytes reply(std::size_t row, int kind) const;
    RecordedTick tick(std::size_t row) const;
    // The link as the row's "link" column names it, when the file has that
    // column and the word is one the recorder writes.
    bool has_recorded_link(std::size_t row) const { return at(row).flags & kLinkKnown; }
    LinkReading recorded_link(std::size_t row) const {
        return static_cast<LinkReading>((at(row).flags >> kLinkShift) & 3);
    }

    // Adds a row at the end; seconds must not go back in time (the loader
    // checks). The link word, when given, is kept with it.
    void append(const RecordedTick& tick, const LinkReading* recorded_link = nullptr);

    // The "time" cells (local time, ISO 8601) of the first and last rows, or
    // empty when the file has no such column.
    std::string first_time, last_time;
    // Why reading stopped before the end of the file, naming the line and the
    // row (a row cut off, e.g. by a power loss, or a damaged one); empty when
    // every row was read. The rows before it are all here.
    std::string problem;
    // The line of the file, counted from 1, that problem speaks of; 0 for none.
    std::size_t problem_line = 0;

    // Bytes the rows and the table of replies take.
    std::size_t memory_bytes() const;

  private:
    static constexpr std::uint32_t kNone = 0xFFFFFFFF;
    static constexpr std::uint8_t kLiveInline = 1;  // live holds an 11-byte reply
    static constexpr std::uint8_t kLiveTable = 2;   // live[0..3] name a reply of the table
    static constexpr std::uint8_t kLinkKnown = 4;
    static constexpr int kLinkShift = 3;
    static constexpr std::size_t kBlockShift = 16;

    struct Row {
        double seconds;
        std::array<std::uint32_t, 3> in_table;  // status, settings 1, settings 2, or kNone
        std::array<std::uint8_t, 11> live;
        std::uint8_t flags;
    };
    static_assert(sizeof(Row) == 32);

    const Row& at(std::size_t row) const {
        return blocks_[row >> kBlockShift][row & ((std::size_t{1} << kBlockShift) - 1)];
    }
    std::uint32_t keep(const ReplyBytes& r, int kind);

    std::vector<std::unique_ptr<Row[]>> blocks_;
    std::size_t size_ = 0;
    std::vector<ReplyBytes> table_;
    // The reply of each kind last put in the table, to keep a repeat once.
    std::array<std::uint32_t, 4> last_kept_{kNone, kNone, kNone, kNone};
};

}  // namespace tarvex
