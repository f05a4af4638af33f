// SPDX-License-Identifier: MIT
#include "history/history_journal.h"

namespace tarvex::history {

void HistoryJournal::begin_change(ChangeSource source, const ChangeLinks& links) {
    if (depth_++ > 0)
        return;
    source_ = source;
    links_ = links;
    change_id_ = 0;
    if (const auto kind = snapshot_before(source); kind && link_ && !links_.snapshot_before)
        links_.snapshot_before = take_snapshot(*kind, *link_, *image_);
}

void HistoryJournal::end_change() {
    if (depth_ == 0 || --depth_ > 0)
        return;
    source_ = ChangeSource::Unnamed;
    links_ = {};
    change_id_ = 0;
}

void HistoryJournal::before_write(const WriteAttempt& write) {
    in_flight_.reset();
    if (!working_)
        return;
    const auto added = store_.add_entry({change_id_, source_, links_, write});
    if (!added)
        return fail();
    // A write outside any change is a change of its own.
    if (depth_ > 0)
        change_id_ = added->change_id;
    in_flight_ = added->entry_id;
    in_flight_write_ = write;
}

void HistoryJournal::after_write(std::span<const std::uint8_t> ack) {
    if (!in_flight_ || !working_)
        return;
    const std::int64_t id = *in_flight_;
    in_flight_.reset();
    if (!store_.complete_entry(id, ack))
        return fail();
    awaited_.await(id, in_flight_write_.code, in_flight_write_.value);
}

void HistoryJournal::frame_read(const FrameRead& read, const ControllerImage& image) {
    if (!working_)
        return;
    // The entries sent since the last read reach the disk now, between polls.
    if (!store_.settle_entries(awaited_.settle(read.frame, image)) || !store_.sync())
        return fail();
    if (takes_as_found(read))
        if (const auto id = keep_snapshot(SnapshotKind::AsFound, image, {}))
            visit_start_ = id;
}

std::optional<std::int64_t> HistoryJournal::take_snapshot(SnapshotKind kind, const LinkState& link,
                                                          const ControllerImage& image,
                                                          std::string note) {
    if (!link.read_since_up.all())
        return std::nullopt;
    return keep_snapshot(kind, image, std::move(note));
}

std::optional<std::int64_t> HistoryJournal::keep_snapshot(SnapshotKind kind,
                                                          const ControllerImage& image,
                                                          std::string note) {
    if (!working_)
        return std::nullopt;
    Snapshot s = snapshot_of(image);
    s.kind = kind;
    s.note = std::move(note);
    const auto id = store_.add_snapshot(s);
    if (!id)
        fail();
    return id;
}

void HistoryJournal::fail() {
    working_ = false;
    failure_ = store_.last_error();
    awaited_.clear();
    if (on_failure_)
        on_failure_(failure_);
}

}  // namespace tarvex::history
