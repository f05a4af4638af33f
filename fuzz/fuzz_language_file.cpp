// SPDX-License-Identifier: MIT
// The language-file reader: any bytes, texts within their slots.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "ui/ui_texts.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tarvex::UiTexts texts;
    tarvex::parse_language_file(std::string_view(reinterpret_cast<const char*>(data), size), texts);
    for (const auto& s : texts.slot)
        if (s.size() > tarvex::kUiTextMax || s.find('\n') != std::string::npos)
            std::abort();
    return 0;
}
