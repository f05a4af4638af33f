#include "app/program_settings.h"

#include "ui/text_scanner.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <fstream>

namespace tarvex {

namespace {

// The integer of a sign and digits, held at INT_MAX in size: any number
// that large selects COM 1 all the same.
int to_int(bool negative, std::string_view digits) {
    long long v = 0;
    for (char c : digits)
        v = std::min<long long>(v * 10 + (c - '0'), INT_MAX);
    return static_cast<int>(negative ? -v : v);
}

}  // namespace

ProgramSettings parse_program_settings(std::string_view text) {
    ProgramSettings s;
    TextScanner in(text);
    std::string w;
    auto take = [&s](const std::string& word) {
        s.LanguageCode = word.substr(0, kLanguageCodeMax);
    };
    // Each scan stops at its first item that cannot be read; the next goes on from there.
    if (in.word(w)) {
        take(w);
        in.skip_space();
    }
    if (in.word(w)) {
        take(w);
        bool negative = false;
        std::string_view digits;
        if (in.number(negative, digits)) {
            s.port_number = to_int(negative, digits);
            in.skip_space();
        }
    }
    if (in.word(w)) {
        take(w);
        if (in.word(w))
            take(w);
    }
    return s;
}

bool read_program_settings(const std::string& path, ProgramSettings& settings) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    constexpr std::size_t kMaxBytes = 64 * 1024;
    std::string bytes(kMaxBytes, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(kMaxBytes));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    settings = parse_program_settings(bytes);
    return true;
}

std::string program_settings_text(int port_number, const std::string& language_code) {
    return "[Ustawienia]\nCommPort= " + std::to_string(port_number) +
           "\nLanguage= " + language_code + "\n";
}

bool save_settings(const std::string& path, int port_number, const std::string& language_code) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out)
        return false;
    out << program_settings_text(port_number, language_code);
    out.flush();
    return static_cast<bool>(out);
}

StartupSettings read_or_create_settings(const std::string& path) {
    StartupSettings r;
    ProgramSettings s;
    if (read_program_settings(path, s)) {
        r.PortNumber = s.port_number >= 1 && s.port_number <= 4 ? s.port_number : 1;
        r.LanguageCode = s.LanguageCode;
    } else {
        save_settings(path, 1, "pol");
        r.created = true;
    }
    return r;
}

}  // namespace tarvex
