// SPDX-License-Identifier: MIT
#include "ui/ui_text_qt.h"

#include "gfx/text_codec.h"
#include "ui/size_modes.h"

namespace tarvex {

QString ui_string(const ViewTexts& texts, const std::string& bytes) {
    return QString::fromUtf8(to_utf8(bytes, charset_for(texts.LanguageCode)));
}

QString ui_text(const ViewTexts& texts, int slot) {
    return ui_string(texts, texts.texts[slot]);
}

}  // namespace tarvex
