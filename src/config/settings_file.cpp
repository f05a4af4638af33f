#include "config/settings_file.h"

#include <fstream>

#include "app/text_scanner.h"
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

// The low 8 bits of a sign and digits, whatever their length.
std::uint8_t low_byte(bool negative, std::string_view digits) {
    unsigned v = 0;
    for (char c : digits)
        v = (v * 10 + static_cast<unsigned>(c - '0')) & 0xFF;
    return static_cast<std::uint8_t>(negative ? (0u - v) & 0xFF : v);
}

}  // namespace

ParsedSettings parse_settings_file(std::string_view text) {
    ParsedSettings r;
    const auto& expected = settings_file_tokens();
    TextScanner in(text);
    std::string tok;
    for (std::size_t i = 0; i < 3; ++i)
        if (!in.word(tok) || tok.size() > kMaxToken || tok != expected[i])
            return r;
    for (std::size_t i = 0; i < kSettings.size(); ++i) {
        bool negative = false;
        std::string_view digits;
        if (!in.word(tok) || tok.size() > kMaxToken || tok != expected[3 + i])
            return r;
        if (!in.number(negative, digits))
            return r;
        r.values[i] = low_byte(negative, digits);
    }
    r.ok = true;
    return r;
}

int send_settings(LinkState& link, ControllerImage& image, const ParsedSettings& settings) {
    for (std::size_t i = 0; i < kSettings.size(); ++i)
        if (write_setting(link, image, kSettings[i].code, settings.values[i]) != 3)
            return static_cast<int>(i);
    return static_cast<int>(kSettings.size());
}

bool read_whole_file(const std::string& path, std::string& bytes, std::size_t max_bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    bytes.assign(max_bytes, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(max_bytes));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return !in.bad();
}

}  // namespace tarvex
