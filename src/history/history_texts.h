// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <cstdint>
#include <string>

#include "history/history_store.h"
#include "history/history_types.h"
#include "link/settings_read.h"

namespace tarvex::history {

// The words the settings history shows, in the interface language.
QString kind_text(SnapshotKind kind);
QString source_text(ChangeSource source);
// What became of a write; the value the controller showed instead when it
// does not hold it.
QString state_text(const JournalEntry& entry);
// A moment of the history in local time.
QString time_text(std::int64_t time_ms);
// A setting by its settings-file key ("LambdaPoint"), for a write code.
QString key_text(std::uint8_t code);
// Why the controller's settings could not be read first.
QString unread_text(SettingsAnswer answer);

// The caption of the history's messages.
QString history_caption();
// The one message when the history cannot be kept (at start, or when it
// fails on the way): why, and that everything else goes on.
QString history_failure_text(const std::string& path, const StoreError& error);

}  // namespace tarvex::history
