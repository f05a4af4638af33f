// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace tarvex {

// The locale name of Qt's own translations for an interface language:
// "pl", "ru", "lt", "it", or "en" for English. Unknown codes get the Polish
// menu, so they get Polish here too.
std::string qt_locale_for(const std::string& language_code);

// Installs, for the interface language, Qt's translation of its own texts
// (file dialogs, message-box buttons) and the program's translation of the
// texts it added beyond the language files, replacing those installed
// before. English needs neither: Qt's texts and the added texts are written
// in English. Returns how many of the two were installed (Qt has none for
// Lithuanian, so Lithuanian gets only the program's).
int install_qt_translation(const std::string& language_code);

}  // namespace tarvex
