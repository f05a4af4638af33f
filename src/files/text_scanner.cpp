// SPDX-License-Identifier: MIT
#include "files/text_scanner.h"

#include <cctype>

namespace tarvex {

namespace {
using Traits = std::char_traits<char>;
bool space(int c) {
    return c != Traits::eof() && std::isspace(static_cast<unsigned char>(c)) != 0;
}
bool digit(int c) {
    return c != Traits::eof() && std::isdigit(static_cast<unsigned char>(c)) != 0;
}
}  // namespace

TextScanner::TextScanner(std::string_view text) : text_(text), in_(&text_) {}

void TextScanner::skip_space() {
    while (space(in_->sgetc()))
        in_->sbumpc();
}

bool TextScanner::word(std::string& out, std::size_t keep) {
    skip_space();
    out.clear();
    bool any = false;
    for (int c = in_->sgetc(); c != Traits::eof() && !space(c); c = in_->snextc()) {
        any = true;
        if (out.size() < keep)
            out += static_cast<char>(c);
    }
    return any;
}

bool TextScanner::short_word(std::string& out, std::size_t longest) {
    skip_space();
    out.clear();
    for (int c = in_->sgetc(); c != Traits::eof() && !space(c); c = in_->snextc()) {
        if (out.size() == longest)
            return false;
        out += static_cast<char>(c);
    }
    return !out.empty();
}

bool TextScanner::number(bool& negative, const std::function<void(int)>& on_digit) {
    skip_space();
    negative = false;
    int c = in_->sgetc();
    const bool sign = c == '+' || c == '-';
    if (sign) {
        negative = c == '-';
        c = in_->snextc();
    }
    if (!digit(c)) {
        if (sign)
            in_->sungetc();
        negative = false;
        return false;
    }
    for (; digit(c); c = in_->snextc())
        on_digit(c - '0');
    return true;
}

}  // namespace tarvex
