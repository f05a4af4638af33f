// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "history/history_store.h"
#include "history/journal_rules.h"
#include "link/write_journal.h"

namespace tarvex::history {

// The link's journal kept in a HistoryStore. Point LinkState::journal at it
// and every write the link sends is kept before its frame goes out, completed
// with its acknowledgement after, and settled with what the controller shows
// at the next read of its setting; the first full read after each link-up is
// kept as the "as found" snapshot.
//
// Writes outside any change are each a change of their own (source Unnamed).
// When the store fails, the journal says so once through the failure handler
// and keeps nothing more: the link goes on without it.
class HistoryJournal : public WriteJournal {
  public:
    explicit HistoryJournal(HistoryStore& store) : store_(store) {}

    // From now on the outermost change of a source that replaces settings
    // (snapshot_before: a file, a reset, an undo, a restore) first keeps a
    // snapshot of what image shows, when link has read it all since it came
    // up, and is tied to it.
    void snapshot_before_changes(const LinkState& link, const ControllerImage& image) {
        link_ = &link;
        image_ = &image;
    }

    // Opens a change. links, when given on the outermost change, tie the
    // change to the snapshot taken for it and to the change it undoes.
    void begin_change(ChangeSource source) override { begin_change(source, {}); }
    void begin_change(ChangeSource source, const ChangeLinks& links);
    void end_change() override;
    void before_write(const WriteAttempt& write) override;
    void after_write(std::span<const std::uint8_t> ack) override;
    void frame_read(const FrameRead& read, const ControllerImage& image) override;

    // Keeps a snapshot of the image (both settings blocks, AttInit, status);
    // its id. None when the link has not read the live frame and both
    // settings blocks since it came up (the image then holds nothing of this
    // car, and restoring it would write zeros), or when the store failed.
    std::optional<std::int64_t> take_snapshot(SnapshotKind kind, const LinkState& link,
                                              const ControllerImage& image, std::string note = {});

    // The "as found" snapshot this journal kept last: where the visit to the
    // car now connected began. None before the first.
    std::optional<std::int64_t> visit_start() const { return visit_start_; }

    // False once the store failed; failure() says why.
    bool working() const { return working_; }
    const StoreError& failure() const { return failure_; }
    // Called once, when the store first fails.
    void on_failure(std::function<void(const StoreError&)> handler) {
        on_failure_ = std::move(handler);
    }

  private:
    std::optional<std::int64_t> keep_snapshot(SnapshotKind kind, const ControllerImage& image,
                                              std::string note);
    void fail();

    HistoryStore& store_;
    const LinkState* link_ = nullptr;
    const ControllerImage* image_ = nullptr;
    std::optional<std::int64_t> visit_start_;
    bool working_ = true;
    StoreError failure_;
    std::function<void(const StoreError&)> on_failure_;

    int depth_ = 0;
    ChangeSource source_ = ChangeSource::Unnamed;
    ChangeLinks links_;
    std::int64_t change_id_ = 0;             // 0 until the change's first write is kept
    std::optional<std::int64_t> in_flight_;  // the entry whose frame is going out
    WriteAttempt in_flight_write_;
    AwaitedReads awaited_;
};

// Opens a change with links for its life (see HistoryJournal::begin_change).
class LinkedChange {
  public:
    LinkedChange(HistoryJournal& journal, ChangeSource source, const ChangeLinks& links)
        : journal_(journal) {
        journal_.begin_change(source, links);
    }
    ~LinkedChange() { journal_.end_change(); }
    LinkedChange(const LinkedChange&) = delete;
    LinkedChange& operator=(const LinkedChange&) = delete;

  private:
    HistoryJournal& journal_;
};

}  // namespace tarvex::history
