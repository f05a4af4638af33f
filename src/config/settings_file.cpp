// SPDX-License-Identifier: MIT
#include "config/settings_file.h"

#include "files/file_access.h"
#include "files/text_scanner.h"
#include "link/settings_table.h"

namespace tarvex {

const std::array<std::string, 31>& settings_file_tokens() {
    static const std::array<std::string, 31> tokens = [] {
        std::array<std::string, 31> t;
        t[0] = "[Tarv_ex]";
        t[1] = "Version=1.2";
        t[2] = "[Configuration]";
        for (std::size_t i = 0; i < kSettings.size(); ++i)
            t[3 + i] = std::string(kSettings[i].key) + "=";
        return t;
    }();
    return tokens;
}

std::string settings_file_text(const ControllerImage& image) {
    const auto& tokens = settings_file_tokens();
    std::string out;
    for (int i = 0; i < 3; ++i)
        out += tokens[static_cast<std::size_t>(i)] + "\r\n";
    for (std::size_t i = 0; i < kSettings.size(); ++i)
        out += tokens[3 + i] + " " + std::to_string(setting_value(image, kSettings[i])) + "\r\n";
    return out;
}

namespace {

constexpr std::size_t kMaxToken = 29;

ParsedSettings parse(TextScanner& in) {
    ParsedSettings r;
    const auto& expected = settings_file_tokens();
    // A longer token is a mismatch, told at its 30th character.
    std::string tok;
    for (std::size_t i = 0; i < 3; ++i)
        if (!in.short_word(tok, kMaxToken) || tok != expected[i])
            return r;
    for (std::size_t i = 0; i < kSettings.size(); ++i) {
        if (!in.short_word(tok, kMaxToken) || tok != expected[3 + i])
            return r;
        // The low 8 bits of the number, whatever its length.
        unsigned v = 0;
        bool negative = false;
        if (!in.number(negative, [&v](int d) { v = (v * 10 + static_cast<unsigned>(d)) & 0xFF; }))
            return r;
        r.values[i] = static_cast<std::uint8_t>(negative ? (0u - v) & 0xFF : v);
    }
    r.ok = true;
    return r;
}

}  // namespace

ParsedSettings parse_settings_file(std::string_view text) {
    TextScanner in(text);
    return parse(in);
}

bool read_settings_file(const std::string& path, ParsedSettings& settings, std::string* error) {
    FileReader file;
    if (!file.open(path)) {
        if (error)
            *error = file.error();
        return false;
    }
    // A settings file is under a kilobyte; a larger one is not one.
    if (file.size() > kMaxSettingsFileBytes) {
        settings = ParsedSettings{};
        return true;
    }
    TextScanner in(file);
    settings = parse(in);
    return true;
}

}  // namespace tarvex
