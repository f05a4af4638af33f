// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "link/controller_image.h"
#include "link/settings_table.h"
#include "link/write_journal.h"

namespace tarvex::history {

// The 28 settings in settings-file order (kSettings), as File > Open sends them.
using SettingValues = std::array<std::uint8_t, kSettings.size()>;

// Why a snapshot was taken.
enum class SnapshotKind : std::uint8_t {
    AsFound,        // the first full read after the link came up
    BeforeFile,     // before a settings file was sent
    BeforeReset,    // before a factory reset
    BeforeUndo,     // before an undo was sent
    BeforeRestore,  // before a snapshot was restored
    ByHand,         // asked for, with a note
};

// Where a journal entry stands.
enum class EntryState : std::uint8_t {
    Pending,          // kept before the frame went out; the outcome never came
    Acknowledged,     // 3 bytes of acknowledgement, not yet read back
    NotAcknowledged,  // fewer than 3 bytes, not yet read back
    Confirmed,        // the next read showed the value sent
    NotHeld,          // the next read showed another value
};

// All 28 settings as the controller showed them at one moment.
struct Snapshot {
    std::int64_t id = 0;
    std::int64_t seq = 0;      // place in the history among snapshots and entries
    std::int64_t time_ms = 0;  // milliseconds since 1970, UTC
    SnapshotKind kind = SnapshotKind::ByHand;
    std::string note{};
    std::string vehicle{};  // the label of the visit, or empty
    std::string program{};  // the program that took it ("tarvex", "tarvex-cli")
    // Both settings blocks as received, AttInit from the live frame, and the
    // status frame (generation and version).
    std::array<std::uint8_t, kSettings1Len> settings1{};
    std::array<std::uint8_t, kSettings2Len> settings2{};
    std::uint8_t att_init = 0;
    std::array<std::uint8_t, kStatusLen> status{};
};

// One write sent to the controller.
struct JournalEntry {
    std::int64_t id = 0;
    std::int64_t seq = 0;
    std::int64_t time_ms = 0;
    std::int64_t change_id = 0;
    ChangeSource source = ChangeSource::Unnamed;
    std::uint8_t code = 0;
    std::string key{};  // the setting's settings-file key, "ControllerCommand" for code 30
    std::optional<std::uint8_t> value_before{};
    std::uint8_t value_sent = 0;
    std::optional<int> ack_count{};             // none while pending
    std::array<std::uint8_t, kAckLen> ack{};    // the first ack_count bytes are real
    std::optional<std::uint8_t> value_shown{};  // at the next read of the setting's frame
    EntryState state = EntryState::Pending;
    std::string vehicle{};
    std::string program{};
};

// The writes of one user action, oldest first. (Every member of these
// structs has its default, so that designated initializers may name any.)
struct Change {
    std::int64_t id = 0;
    std::int64_t time_ms = 0;
    ChangeSource source = ChangeSource::Unnamed;
    std::string vehicle{};
    std::string program{};
    std::optional<std::int64_t> undoes{};  // the change this one undid
    bool undone = false;                   // a later change undid this one, all its writes answered
    std::optional<Snapshot> snapshot_before{};  // taken for it (before a reset, a file, ...)
    std::vector<JournalEntry> entries{};
};

// A snapshot or a journal entry, as the history holds them in order.
using HistoryEvent = std::variant<Snapshot, JournalEntry>;

// One write to send.
struct SettingWrite {
    std::uint8_t code = 0;
    std::uint8_t value = 0;
    bool operator==(const SettingWrite&) const = default;
};

// The names the history stores for the enums (also its JSON words); parsing
// an unknown name gives nothing.
std::string_view kind_name(SnapshotKind kind);
std::string_view state_name(EntryState state);
std::string_view source_name(ChangeSource source);
std::optional<SnapshotKind> kind_from_name(std::string_view name);
std::optional<EntryState> state_from_name(std::string_view name);
std::optional<ChangeSource> source_from_name(std::string_view name);

// The key kept for a write code: the settings-file key, "ControllerCommand"
// for code 30, empty for a code that is neither.
std::string key_for_code(std::uint8_t code);

// The snapshot of what the image holds now (frames as received).
Snapshot snapshot_of(const ControllerImage& image);
// The 28 settings a snapshot holds, and those the image shows.
SettingValues snapshot_values(const Snapshot& snapshot);
SettingValues image_values(const ControllerImage& image);

}  // namespace tarvex::history
