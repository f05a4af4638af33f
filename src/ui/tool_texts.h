// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "ui/ui_texts.h"

namespace tarvex {

// The texts of the File menu's tools (recording, playback, comparison with a
// file, pictures), in language-file slots that older files leave unused ("-").
namespace tool_slot {
enum : int {
    Record = 7,             // File menu: "Record readings..."
    Play = 8,               // File menu: "Play recording..."
    Compare = 9,            // File menu: "Compare with file..."
    Picture = 10,           // File menu: "Save picture..."
    RecordFailed = 34,      // the recording stopped because the file cannot be written
    RecordingCaption = 90,  // caption of the recording's messages
    Playing = 91,           // window title while a recording plays
    ColumnSetting = 132,
    ColumnFile = 133,
    ColumnController = 140,
    Send = 141,          // the comparison's button that sends the file
    Close = 154,         // the comparison's button that closes it
    CompareTitle = 155,  // the comparison's title
    PictureFailed = 163,
    PlaybackFailed = 164,
    Differs = 174,  // the mark of a setting that differs
};
}

// The text of a tool's slot in the language's code page: the language file's
// own, or a built-in English text when the file leaves the slot empty or "-",
// as language files made before these commands do.
std::string tool_text(const UiTexts& texts, int slot);

}  // namespace tarvex
