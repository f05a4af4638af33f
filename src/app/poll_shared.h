#pragma once

namespace tarvex {

// Program-wide flags the polling views share.
struct PollShared {
    int InfoDialogOpen = 0;   // the program-information dialog is open
    int ListPaused = 0;       // a drop-down list of a settings view is open
    int ArmedPollPeriod = 0;  // the period a view last re-armed its timer with
    unsigned PollTick = 0;    // live polls since the settings were last read
};

}  // namespace tarvex
