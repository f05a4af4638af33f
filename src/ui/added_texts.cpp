// SPDX-License-Identifier: MIT
#include "ui/added_texts.h"

#include <array>
#include <utility>

namespace tarvex {

namespace {

constexpr std::array<std::pair<int, const char*>, 16> kEnglish = {{
    {added_slot::Record, "Record readings..."},
    {added_slot::Play, "Play recording..."},
    {added_slot::Compare, "Compare with file..."},
    {added_slot::Picture, "Save picture..."},
    {added_slot::RecordFailed, "Recording stopped: the file cannot be written."},
    {added_slot::RecordingCaption, "Recording"},
    {added_slot::Playing, "Playing recording"},
    {added_slot::ColumnSetting, "Setting"},
    {added_slot::ColumnFile, "File"},
    {added_slot::ColumnController, "Controller"},
    {added_slot::Send, "Send file"},
    {added_slot::Close, "Close"},
    {added_slot::CompareTitle, "Compare with file"},
    {added_slot::PictureFailed, "The picture could not be saved."},
    {added_slot::PlaybackFailed, "The recording cannot be played."},
    {added_slot::Differs, "Differs"},
}};

}  // namespace

std::string added_text(const UiTexts& texts, int slot) {
    const std::string& own = texts[slot];
    if (!own.empty() && own != "-")
        return own;
    for (const auto& [k, english] : kEnglish)
        if (k == slot)
            return english;
    return own;
}

}  // namespace tarvex
