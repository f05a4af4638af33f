#pragma once

#include "ui/user_dialogs.h"

namespace tarvex {

struct Program;

// File > Save As...: the controller's settings as the image holds them.
void save_controller_settings(Program& program, UserDialogs& dialogs, QWidget* owner);
// File > Open...: a checked file sent to the controller setting by setting.
void load_controller_settings(Program& program, UserDialogs& dialogs, QWidget* owner);

}  // namespace tarvex
