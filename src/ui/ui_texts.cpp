// SPDX-License-Identifier: MIT
#include "ui/ui_texts.h"

#include "files/file_access.h"

namespace tarvex {

namespace {

// Text-mode reading: CR LF becomes LF.
std::string text_mode(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            continue;
        out += bytes[i];
    }
    return out;
}

}  // namespace

void parse_language_file(std::string_view bytes, UiTexts& texts) {
    const std::string text = text_mode(bytes);
    std::size_t line = 0;
    bool in_text = false;
    auto slot = [&]() -> std::string* {
        return line < texts.slot.size() ? &texts.slot[line] : nullptr;
    };
    auto append = [&](char c) {
        std::string* s = slot();
        if (s && s->size() < kUiTextMax && c != '\0')
            *s += c;
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\n') {
            ++line;
            in_text = false;
        }
        if (in_text)
            append(c);
        if (c == '=') {
            if (i + 1 >= text.size())
                continue;
            const char next = text[++i];
            if (next == '\n') {
                // An empty text: the line still ends here.
                if (std::string* s = slot())
                    s->clear();
                ++line;
                in_text = false;
                continue;
            }
            in_text = true;
            if (std::string* s = slot())
                s->clear();
            append(next);
        }
    }
}

bool load_language_file(const std::string& path, UiTexts& texts) {
    FileReader file;
    if (!file.open(path))
        return false;
    // A language file is a few kilobytes; read at most 1 MiB of it.
    constexpr std::size_t kMaxBytes = 1 << 20;
    std::string bytes(kMaxBytes, '\0');
    bytes.resize(static_cast<std::size_t>(file.sgetn(bytes.data(), kMaxBytes)));
    parse_language_file(bytes, texts);
    return true;
}

}  // namespace tarvex
