// SPDX-License-Identifier: MIT
#include "ui/tool_texts.h"

#include <array>
#include <utility>

namespace tarvex {

namespace {

constexpr std::array<std::pair<int, const char*>, 16> kEnglish = {{
    {tool_slot::Record, "Record readings..."},
    {tool_slot::Play, "Play recording..."},
    {tool_slot::Compare, "Compare with file..."},
    {tool_slot::Picture, "Save picture..."},
    {tool_slot::RecordFailed, "Recording stopped: the file cannot be written."},
    {tool_slot::RecordingCaption, "Recording"},
    {tool_slot::Playing, "Playing recording"},
    {tool_slot::ColumnSetting, "Setting"},
    {tool_slot::ColumnFile, "File"},
    {tool_slot::ColumnController, "Controller"},
    {tool_slot::Send, "Send file"},
    {tool_slot::Close, "Close"},
    {tool_slot::CompareTitle, "Compare with file"},
    {tool_slot::PictureFailed, "The picture could not be saved."},
    {tool_slot::PlaybackFailed, "The recording cannot be played."},
    {tool_slot::Differs, "Differs"},
}};

}  // namespace

std::string tool_text(const UiTexts& texts, int slot) {
    const std::string& own = texts[slot];
    if (!own.empty() && own != "-")
        return own;
    for (const auto& [k, english] : kEnglish)
        if (k == slot)
            return english;
    return own;
}

}  // namespace tarvex
