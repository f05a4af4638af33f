// SPDX-License-Identifier: MIT
#pragma once

#include "app/program.h"
#include "config/file_commands.h"
#include "config/info_dialog.h"
#include "config/reset_view.h"
#include "config/settings_view.h"
#include "history/history_commands.h"
#include "readings/readings_view.h"
#include "scope/schema_view.h"
#include "scope/scope_view.h"

class QWidget;

namespace tarvex {

// Each view's and dialog's context: references to the parts of the program's
// state it uses. Program stays their one owner.
ViewTexts view_texts(Program& p);
ReadingsContext readings_context(Program& p);
SettingsContext settings_context(Program& p);
ResetContext reset_context(Program& p);
SchemaContext schema_context(Program& p);
ScopeContext scope_context(Program& p);
InfoContext info_context(Program& p);
FileContext file_context(Program& p);
history::HistoryContext history_context(Program& p);

// The widget of a view for the current size, built from its context in
// parent; not yet placed, set up or shown.
ViewWidget* make_view(Program& p, int view, QWidget* parent);

}  // namespace tarvex
