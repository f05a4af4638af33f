// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

#include "gfx/canvas.h"

namespace tarvex {

// Interface texts are single-byte strings: windows-1251 for the Cyrillic
// character set, windows-1250 for the Central European one. This turns them
// into UTF-8 for display. Bytes the code page leaves undefined become U+FFFD.
std::string to_utf8(std::string_view bytes, Charset charset);
// The other way, for texts made in UTF-8 to be drawn: a character the code
// page lacks becomes '?'.
std::string from_utf8(std::string_view utf8, Charset charset);

}  // namespace tarvex
