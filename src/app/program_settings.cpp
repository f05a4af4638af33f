#include "app/program_settings.h"

#include <cctype>
#include <climits>
#include <cstdio>
#include <fstream>

namespace tarvex {

namespace {

class Scanner {
  public:
    explicit Scanner(std::string_view t) : t_(t) {}
    void skip_space() {
        while (pos_ < t_.size() && std::isspace(static_cast<unsigned char>(t_[pos_])))
            ++pos_;
    }
    bool word(std::string& out) {
        skip_space();
        const std::size_t start = pos_;
        while (pos_ < t_.size() && !std::isspace(static_cast<unsigned char>(t_[pos_])))
            ++pos_;
        if (pos_ == start)
            return false;
        out.assign(t_.substr(start, pos_ - start));
        return true;
    }
    bool integer(int& out) {
        skip_space();
        std::size_t p = pos_;
        bool negative = false;
        if (p < t_.size() && (t_[p] == '+' || t_[p] == '-'))
            negative = t_[p++] == '-';
        if (p >= t_.size() || !std::isdigit(static_cast<unsigned char>(t_[p])))
            return false;
        long long v = 0;
        while (p < t_.size() && std::isdigit(static_cast<unsigned char>(t_[p]))) {
            if (v < INT_MAX)
                v = v * 10 + (t_[p] - '0');
            ++p;
        }
        if (v > INT_MAX)
            v = INT_MAX;  // any such number selects COM 1 anyway
        out = static_cast<int>(negative ? -v : v);
        pos_ = p;
        return true;
    }

  private:
    std::string_view t_;
    std::size_t pos_ = 0;
};

}  // namespace

ProgramSettings parse_program_settings(std::string_view text) {
    ProgramSettings s;
    Scanner in(text);
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
        int n = 0;
        if (in.integer(n)) {
            s.port_number = n;
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
