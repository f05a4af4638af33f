// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "ui/text_slots.h"

namespace tarvex {

constexpr int kUiTextSlots = 181;
constexpr std::size_t kUiTextMax = 127;

// The interface texts, addressed by slot number: single-byte strings in the
// language's code page, at most 127 characters each, empty at start.
struct UiTexts {
    std::array<std::string, kUiTextSlots> slot;
    const std::string& operator[](int k) const {
        static const std::string empty;
        return k >= 0 && k < kUiTextSlots ? slot[static_cast<std::size_t>(k)] : empty;
    }
};

// Reads a language file's bytes into texts: line k gives slot k, everything
// after its "=" (a later "=" starts the text again; the character right after
// an "=" is taken literally). A line without "=" leaves its slot unchanged.
// CR LF counts as one line end. An "=" right before the line end gives an
// empty text and the line ends there. Texts are cut at 127 characters and
// lines past the last slot are ignored.
void parse_language_file(std::string_view bytes, UiTexts& texts);

// Reads the file at path; false (texts untouched) when it cannot be read or
// is not a regular file.
bool load_language_file(const std::string& path, UiTexts& texts);

}  // namespace tarvex
