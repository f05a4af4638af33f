// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace tarvex {

// The locale name of Qt's own translations for an interface language:
// "pl", "ru", "lt", "it", or "en" for English. Unknown codes get the Polish
// menu, so they get Polish here too.
std::string qt_locale_for(const std::string& language_code);

// Installs Qt's translation of its own texts (file dialogs, message-box
// buttons) for the interface language, replacing the one installed before.
// English, or a language Qt has no translation for, leaves Qt's own texts.
// True when a translation was installed.
bool install_qt_translation(const std::string& language_code);

}  // namespace tarvex
