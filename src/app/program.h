// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <string>

#include "app/menu_model.h"
#include "config/settings_state.h"
#include "history/program_history.h"
#include "link/controller_image.h"
#include "link/link_state.h"
#include "ports/port_watch.h"
#include "readings/dashboard.h"
#include "readings/dial_tables.h"
#include "scope/scope_trace.h"
#include "ui/poll_shared.h"
#include "ui/size_modes.h"
#include "ui/ui_texts.h"

namespace tarvex {

// The program-wide state of the running program: one instance, owned by
// main(), reached by reference from the main window, which gives each view
// and dialog references to the parts it uses.
class UserDialogs;
class SerialDeviceSource;

struct Program {
    // File dialogs and message boxes (the real ones, or a test's).
    UserDialogs* dialogs = nullptr;
    // The serial devices present (the system's listing, or a test's).
    SerialDeviceSource* serial_devices = nullptr;
    // The port the Port menu's search for the controller opens each device
    // with (a termios port of its own, or a test's); never the link's.
    SerialPort* probe_port = nullptr;

    // Controller link, and why its port last failed to open.
    LinkState link;
    PortWatch port_watch;
    ControllerImage image;

    // Shell.
    std::string StartDirectory;
    std::string ProgramDirectory;
    // Set by the desktop launcher: where the language files and the user's
    // documents are. Empty when the program is started by hand.
    std::string LanguageDirectory;
    std::string DocumentsDirectory;
    int CurrentView = 1;
    int DesktopWidth = 0, DesktopHeight = 0;  // the desktop size last seen
    int DesktopSizeClass = 1;
    SizeState size;
    FontChoice fonts;
    std::string LanguageCode = "pol";
    int PortNumber = 1;
    MenuState menu;
    UiTexts texts;

    // Shared by the polling views.
    PollShared poll;

    // The settings history: where it is kept (empty: none is kept), and the
    // history itself once opened, or why it could not be.
    std::string HistoryPath;
    std::unique_ptr<history::ProgramHistory> history;
    history::StoreError history_failure;

    // Settings views.
    SettingsViewsState config;

    // Live readings.
    DialTables dial;
    DashboardState dashboard;
    StatusFlags status;

    // Oscilloscope.
    ScopeBuffers scope_buffers;
    ScopeState scope;
};

}  // namespace tarvex
