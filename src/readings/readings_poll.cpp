// SPDX-License-Identifier: MIT
#include "readings/readings_poll.h"

#include "gfx/palette.h"
#include "link/settings_table.h"
#include "link/write_journal.h"

namespace tarvex {

TickOutcome readings_poll(LinkState& link, ControllerImage& image, PollShared& shared) {
    TickOutcome out;
    if (shared.InfoDialogOpen || shared.ListPaused)
        return out;
    out.result = TickResult::Polled;
    if (poll_controller(link, image)) {
        read_live(link, image);
        shared.PollTick += 1;
        if (shared.PollTick > 3) {
            read_settings1(link, image);
            read_settings2(link, image);
            shared.PollTick = 0;
        }
    }
    if (rearm_needed(shared, link.PollPeriod))
        out.rearm_to = link.PollPeriod;
    return out;
}

bool learning_request(Canvas& c, Dashboard& d, LinkState& link, ControllerImage& image) {
    if (link_reading(image, link) != LinkReading::Connected || !d.status.OnGas)
        return false;
    if (d.status.LearningActive) {
        write_status_row(c, d, 5, d.texts[text_slot::LearningInterrupted], palette::kRed);
        d.status.MessageAge = 0;
        d.status.LearnRequestPending = 0;
    } else {
        d.status.LearnRequestPending = 1;
    }
    JournalChange change(link, ChangeSource::Learning);
    write_setting(link, image, kCommandCode, kCommandStartLearning);
    return true;
}

}  // namespace tarvex
