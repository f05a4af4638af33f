// SPDX-License-Identifier: MIT
#include "history/journal_rules.h"

#include <algorithm>

namespace tarvex::history {

EntryState state_after_ack(std::size_t ack_count) {
    return ack_count == kAckLen ? EntryState::Acknowledged : EntryState::NotAcknowledged;
}

EntryState state_at_read(std::uint8_t sent, std::uint8_t shown) {
    return sent == shown ? EntryState::Confirmed : EntryState::NotHeld;
}

std::optional<SnapshotKind> snapshot_before(ChangeSource source) {
    switch (source) {
        case ChangeSource::File:
        case ChangeSource::Comparison:
        case ChangeSource::Cli:
            return SnapshotKind::BeforeFile;
        case ChangeSource::Reset:
            return SnapshotKind::BeforeReset;
        case ChangeSource::Undo:
            return SnapshotKind::BeforeUndo;
        case ChangeSource::Restore:
            return SnapshotKind::BeforeRestore;
        default:
            return std::nullopt;
    }
}

bool takes_as_found(const FrameRead& read) {
    return !read.before.all() && read.after.all();
}

void AwaitedReads::await(std::int64_t entry_id, std::uint8_t code, std::uint8_t sent) {
    if (const SettingDef* def = find_setting_by_code(code))
        awaited_.push_back({entry_id, def, sent});
}

std::vector<Resolution> AwaitedReads::settle(Frame frame, const ControllerImage& image) {
    std::vector<Resolution> out;
    for (const Awaited& a : awaited_) {
        if (a.def->frame != frame)
            continue;
        const std::uint8_t shown = setting_value(image, *a.def);
        out.push_back({a.entry_id, shown, state_at_read(a.sent, shown)});
    }
    std::erase_if(awaited_, [frame](const Awaited& a) { return a.def->frame == frame; });
    return out;
}

}  // namespace tarvex::history
