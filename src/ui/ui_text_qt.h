// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <string>

#include "ui/ui_texts.h"

namespace tarvex {

// The interface texts and the code of the language they are in: what a view
// needs to show them.
struct ViewTexts {
    const UiTexts& texts;
    const std::string& LanguageCode;
};

// An interface text decoded for display in its language.
QString ui_text(const ViewTexts& texts, int slot);
QString ui_string(const ViewTexts& texts, const std::string& bytes);

}  // namespace tarvex
