#include "ui/text_scanner.h"

#include <cctype>

namespace tarvex {

namespace {
bool space(char c) {
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}
bool digit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}
}  // namespace

void TextScanner::skip_space() {
    while (pos_ < t_.size() && space(t_[pos_]))
        ++pos_;
}

bool TextScanner::word(std::string& out) {
    skip_space();
    const std::size_t start = pos_;
    while (pos_ < t_.size() && !space(t_[pos_]))
        ++pos_;
    out.assign(t_.substr(start, pos_ - start));
    return pos_ > start;
}

bool TextScanner::number(bool& negative, std::string_view& digits) {
    skip_space();
    std::size_t p = pos_;
    negative = false;
    if (p < t_.size() && (t_[p] == '+' || t_[p] == '-'))
        negative = t_[p++] == '-';
    const std::size_t first = p;
    while (p < t_.size() && digit(t_[p]))
        ++p;
    if (p == first)
        return false;
    digits = t_.substr(first, p - first);
    pos_ = p;
    return true;
}

}  // namespace tarvex
