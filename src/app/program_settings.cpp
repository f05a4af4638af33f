// SPDX-License-Identifier: MIT
#include "app/program_settings.h"

#include "files/text_scanner.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <set>

#include "files/file_access.h"

namespace tarvex {

namespace {

ProgramSettings parse(TextScanner& in) {
    ProgramSettings s;
    std::string w;
    // Every word replaces the language code, cut to the code's size.
    auto word = [&] {
        if (!in.word(w, kLanguageCodeMax))
            return false;
        s.LanguageCode = w;
        return true;
    };
    // Each scan stops at its first item that cannot be read; the next goes on from there.
    if (word())
        in.skip_space();
    if (word()) {
        // The integer is held at INT_MAX in size: any number that large
        // selects COM 1 all the same.
        long long v = 0;
        bool negative = false;
        if (in.number(negative, [&v](int d) { v = std::min<long long>(v * 10 + d, INT_MAX); })) {
            s.port_number = static_cast<int>(negative ? -v : v);
            in.skip_space();
        }
    }
    if (word())
        word();
    return s;
}

}  // namespace

ProgramSettings parse_program_settings(std::string_view text) {
    TextScanner in(text);
    return parse(in);
}

bool read_program_settings(const std::string& path, ProgramSettings& settings) {
    FileReader file;
    if (!file.open(path))
        return false;
    TextScanner in(file);
    settings = parse(in);
    return true;
}

std::string program_settings_text(int port_number, const std::string& language_code) {
    return "[Ustawienia]\nCommPort= " + std::to_string(port_number) +
           "\nLanguage= " + language_code + "\n";
}

bool save_settings(const std::string& path, int port_number, const std::string& language_code) {
    std::string error;
    if (write_file_atomically(path, program_settings_text(port_number, language_code), error))
        return true;
    // Said once for each file: a start folder that cannot be written would
    // otherwise repeat it at every port and language command.
    static std::set<std::string> reported;
    if (reported.insert(path).second)
        std::fprintf(stderr,
                     "tarvex: cannot write %s (%s); the port and language will not be kept\n",
                     path.c_str(), error.c_str());
    return false;
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
