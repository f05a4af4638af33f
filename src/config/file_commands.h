// SPDX-License-Identifier: MIT
#pragma once

#include "config/settings_send.h"
#include "link/controller_image.h"
#include "link/link_state.h"
#include "link/write_journal.h"
#include "ui/ui_text_qt.h"
#include "ui/user_dialogs.h"

namespace tarvex {

// What the file commands read and write, and the dialogs they ask with.
struct FileContext {
    LinkState& link;
    ControllerImage& image;
    UserDialogs& dialogs;
    ViewTexts texts;
};

// File > Save As...: the controller's settings as the image holds them.
void save_controller_settings(const FileContext& context, QWidget* owner);
// File > Open...: a checked file sent to the controller setting by setting.
void load_controller_settings(const FileContext& context, QWidget* owner);

// Sends a file's values and confirms them by reading the controller's
// settings back, the writes kept in the journal as one change of source;
// anything not confirmed is reported (report_send). True when confirmed.
bool send_settings_file(const FileContext& context, QWidget* owner,
                        const std::array<std::uint8_t, kSettings.size()>& values,
                        ChangeSource source);
// Reports writes not confirmed with the "Write error" message, naming the
// settings; true, and nothing said, when they were confirmed.
bool report_send(const FileContext& context, QWidget* owner, const SendOutcome& outcome);

}  // namespace tarvex
