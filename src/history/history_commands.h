// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "config/file_commands.h"
#include "history/program_history.h"

class QWidget;

namespace tarvex::history {

// What the history's commands use: the link and dialogs as the file commands
// have them, and the history (none when it could not be kept, and why).
struct HistoryContext {
    FileContext file;
    ProgramHistory* history;
    const std::string& path;
    const StoreError& open_failure;
};

// True when the history is kept; otherwise says why, as at start.
bool history_kept(const HistoryContext& context, QWidget* owner);

// File > Undo last change: reads the controller's settings afresh and puts
// back what the newest change not yet undone replaced, if the controller
// still shows what it sent (else says what it shows and asks first).
void undo_last_change(const HistoryContext& context, QWidget* owner);

// File > Settings history...: the history's window.
void show_settings_history(const HistoryContext& context, QWidget* owner);

}  // namespace tarvex::history
