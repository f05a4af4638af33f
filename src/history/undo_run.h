// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

#include "config/settings_send.h"
#include "history/program_history.h"
#include "history/undo_plan.h"
#include "link/settings_read.h"

namespace tarvex::history {

// What undoing the last change would do, as found now.
struct UndoCheck {
    // Whether the controller's settings could be read afresh; nothing is
    // planned otherwise.
    SettingsAnswer answer = SettingsAnswer::NotRead;
    UndoPlan plan;
    std::optional<Change> change;  // the change the plan undoes
};

// Reads the controller's settings afresh and plans the undo of the newest
// change of the visit (of every visit while it bears no label) that is not
// undone yet, against what the controller shows now.
UndoCheck check_undo(ProgramHistory& history, LinkState& link, ControllerImage& image);
// The same plan against settings the image holds already, read afresh just
// before by the caller.
UndoCheck plan_undo_now(ProgramHistory& history, const ControllerImage& image);

// Sends the plan's writes as the undo of its change, once the settings
// before it are kept, and confirms them by reading the settings back.
SendOutcome carry_out_undo(ProgramHistory& history, LinkState& link, ControllerImage& image,
                           const UndoPlan& plan);

}  // namespace tarvex::history
