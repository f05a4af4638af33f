// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "link/controller_image.h"
#include "link/link_state.h"
#include "link/settings_table.h"

namespace tarvex {

// What sent a group of writes: the user action they belong to.
enum class ChangeSource : std::uint8_t {
    Unnamed,     // a write sent outside any named change
    Pick,        // a list or check box of the Configuration or Options view
    Emulation,   // the emulation corrections dialog
    File,        // File > Open
    Comparison,  // the comparison's Send
    Reset,       // the factory reset
    Learning,    // the learning run
    Undo,        // an undo of the last change
    Restore,     // a snapshot restored, whole or one setting
    Cli,         // tarvex-cli
};

// One write as the link is about to send it: the low bytes of code and value
// as they go on the wire, and the value the image showed for that setting
// (none for the controller command, for codes that are no setting, and while
// the setting's frame has not been read since the link came up).
struct WriteAttempt {
    std::uint8_t code = 0;
    std::uint8_t value = 0;
    std::optional<std::uint8_t> shown_before;
};

// A frame read good: which one, and which frames had been read since the link
// came up before and after it.
struct FrameRead {
    Frame frame = Frame::Live;
    FramesRead before;
    FramesRead after;
};

// Told of every write the link sends and of every settings frame it reads,
// so that what was sent to the controller, and what it showed afterwards, can
// be kept. LinkState::journal points to one, or to none: then nothing is told.
// The link calls it synchronously and sends the same bytes either way; a
// journal that fails must swallow its failure, the write goes out regardless.
class WriteJournal {
  public:
    virtual ~WriteJournal() = default;

    // Groups the writes until the matching end_change into one change made by
    // source. Changes nest: an inner one joins the outer, whose source holds.
    virtual void begin_change(ChangeSource source) = 0;
    virtual void end_change() = 0;

    // Before the frame goes out, and after the acknowledgement was read (the
    // bytes that arrived, 0 to 3 of them). Every before_write is followed by
    // exactly one after_write unless the program dies in between.
    virtual void before_write(const WriteAttempt& write) = 0;
    virtual void after_write(std::span<const std::uint8_t> ack) = 0;

    // A good reply to a read command was copied into image.
    virtual void frame_read(const FrameRead& read, const ControllerImage& image) = 0;
};

// Groups the writes sent during its life into one change of the link's
// journal. Does nothing when the link has none.
class JournalChange {
  public:
    JournalChange(LinkState& link, ChangeSource source) : journal_(link.journal) {
        if (journal_)
            journal_->begin_change(source);
    }
    ~JournalChange() {
        if (journal_)
            journal_->end_change();
    }
    JournalChange(const JournalChange&) = delete;
    JournalChange& operator=(const JournalChange&) = delete;

  private:
    WriteJournal* journal_;
};

}  // namespace tarvex
