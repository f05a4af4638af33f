// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "history/history_types.h"

namespace tarvex::history {

// The state of an entry once its acknowledgement was read: 3 bytes count as
// acknowledged (their content is kept, not judged).
EntryState state_after_ack(std::size_t ack_count);
// The state of an entry once the controller's settings were read again.
EntryState state_at_read(std::uint8_t sent, std::uint8_t shown);

// True for the read that completes the first full read (live frame and both
// settings blocks) since the link came up: the moment of the "as found"
// snapshot, once per link-up (the link forgets what it read when it is lost
// or its port let go).
bool takes_as_found(const FrameRead& read);

// The snapshot kept before a change made by source: before a settings file
// is sent (File > Open, the comparison, tarvex-cli write), a factory reset,
// an undo and a restore. None before a pick, the emulation dialog or the
// learning run.
std::optional<SnapshotKind> snapshot_before(ChangeSource source);

// What the next read of a setting's frame settles about an entry.
struct Resolution {
    std::int64_t entry_id = 0;
    std::uint8_t shown = 0;
    EntryState state = EntryState::Confirmed;
};

// The entries whose setting has not been read since they were sent: each
// gets what the controller shows at the next read of its setting's frame.
class AwaitedReads {
  public:
    // Entries of the controller command (or any code that is no setting)
    // are not awaited: no read shows them.
    void await(std::int64_t entry_id, std::uint8_t code, std::uint8_t sent);
    // The entries that a read of frame settles; they are awaited no more.
    std::vector<Resolution> settle(Frame frame, const ControllerImage& image);
    void clear() { awaited_.clear(); }

  private:
    struct Awaited {
        std::int64_t entry_id;
        const SettingDef* def;
        std::uint8_t sent;
    };
    std::vector<Awaited> awaited_;
};

}  // namespace tarvex::history
