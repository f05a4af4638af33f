// SPDX-License-Identifier: MIT
#include "recording/recording.h"

#include <algorithm>
#include <cstring>

namespace tarvex {

Recording::Recording() = default;
Recording::Recording(const Recording& other)
    : first_time(other.first_time),
      last_time(other.last_time),
      problem(other.problem),
      problem_line(other.problem_line),
      size_(other.size_),
      table_(other.table_),
      last_kept_(other.last_kept_) {
    constexpr std::size_t kBlock = std::size_t{1} << kBlockShift;
    for (const auto& block : other.blocks_) {
        blocks_.push_back(std::make_unique<Row[]>(kBlock));
        std::copy_n(block.get(), kBlock, blocks_.back().get());
    }
}

Recording& Recording::operator=(const Recording& other) {
    if (this != &other)
        *this = Recording(other);
    return *this;
}

Recording::Recording(Recording&&) noexcept = default;
Recording& Recording::operator=(Recording&&) noexcept = default;
Recording::~Recording() = default;

std::uint32_t Recording::keep(const ReplyBytes& r, int kind) {
    std::uint32_t& last = last_kept_[static_cast<std::size_t>(kind)];
    if (last != kNone && table_[last].size == r.size &&
        std::equal(r.bytes.begin(), r.bytes.begin() + r.size, table_[last].bytes.begin()))
        return last;
    table_.push_back(r);
    last = static_cast<std::uint32_t>(table_.size() - 1);
    return last;
}

void Recording::append(const RecordedTick& tick, const LinkReading* recorded_link) {
    constexpr std::size_t kBlock = std::size_t{1} << kBlockShift;
    if (size_ == blocks_.size() * kBlock)
        blocks_.push_back(std::make_unique<Row[]>(kBlock));
    Row& row = blocks_[size_ >> kBlockShift][size_ & (kBlock - 1)];
    row = Row{};
    row.seconds = tick.seconds;
    constexpr int kTableKinds[3] = {0, 2, 3};
    for (std::size_t i = 0; i < 3; ++i) {
        const ReplyBytes& r = tick.replies[static_cast<std::size_t>(kTableKinds[i])];
        row.in_table[i] = r.size ? keep(r, kTableKinds[i]) : kNone;
    }
    const ReplyBytes& live = tick.replies[1];
    if (live.size == row.live.size()) {
        std::copy_n(live.bytes.begin(), row.live.size(), row.live.begin());
        row.flags |= kLiveInline;
    } else if (live.size > 0) {
        const std::uint32_t index = keep(live, 1);
        std::memcpy(row.live.data(), &index, sizeof index);
        row.flags |= kLiveTable;
    }
    if (recorded_link)
        row.flags |= static_cast<std::uint8_t>(kLinkKnown |
                                               static_cast<int>(*recorded_link) << kLinkShift);
    ++size_;
}

ReplyBytes Recording::reply(std::size_t index, int kind) const {
    ReplyBytes out;
    if (kind < 0 || kind > 3)
        return out;
    const Row& row = at(index);
    if (kind == 1) {
        if (row.flags & kLiveInline) {
            std::copy_n(row.live.begin(), row.live.size(), out.bytes.begin());
            out.size = static_cast<std::uint8_t>(row.live.size());
        } else if (row.flags & kLiveTable) {
            std::uint32_t t;
            std::memcpy(&t, row.live.data(), sizeof t);
            out = table_[t];
        }
        return out;
    }
    const std::uint32_t t = row.in_table[kind == 0 ? 0 : static_cast<std::size_t>(kind - 1)];
    return t == kNone ? out : table_[t];
}

RecordedTick Recording::tick(std::size_t row) const {
    RecordedTick t;
    t.seconds = seconds(row);
    for (int k = 0; k < 4; ++k)
        t.replies[static_cast<std::size_t>(k)] = reply(row, k);
    return t;
}

std::size_t Recording::memory_bytes() const {
    return blocks_.size() * (std::size_t{1} << kBlockShift) * sizeof(Row) +
           table_.capacity() * sizeof(ReplyBytes);
}

}  // namespace tarvex
