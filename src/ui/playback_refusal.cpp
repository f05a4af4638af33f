// SPDX-License-Identifier: MIT
#include "ui/playback_refusal.h"

#include <QCoreApplication>

#include "ui/tool_texts.h"

namespace tarvex {

bool refused_while_playing(const LinkState& link, UserDialogs& dialogs, const ViewTexts& texts,
                           QWidget* owner) {
    if (!plays_recording(link))
        return false;
    auto text = [&](int slot) { return ui_string(texts, tool_text(texts.texts, slot)); };
    dialogs.message(owner, UserDialogs::Icon::Information, text(tool_slot::Playing),
                    QCoreApplication::translate(
                        "Playback",
                        "A recording is playing in place of the controller: nothing is sent to "
                        "the controller.\n\nChoose \"%1\" in the File menu again to return to "
                        "the controller.")
                        .arg(text(tool_slot::Play)));
    return true;
}

}  // namespace tarvex
