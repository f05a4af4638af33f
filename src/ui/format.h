// SPDX-License-Identifier: MIT
#pragma once

#include <locale.h>

#include <cstdio>
#include <string>
#include <string_view>

namespace tarvex {

namespace detail {

// The C locale, made once.
inline locale_t c_locale() {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t{});
    return c;
}

}  // namespace detail

// printf-style formatting into a string (texts of up to 63 characters), in
// the C locale whatever the user's environment: 0.45, never 0,45.
template <typename... Args>
std::string format(const char* fmt, Args... args) {
    char buf[64];
    const locale_t previous = uselocale(detail::c_locale());
    std::snprintf(buf, sizeof buf, fmt, args...);
    uselocale(previous);
    return buf;
}

// The decimal separator of list entries and compared values: a point in the
// English interface, where "1,000 ms" would read as a thousand, the comma of
// the original everywhere else.
inline char decimal_separator(std::string_view language_code) {
    return language_code == "ang" ? '.' : ',';
}

// The text with each decimal comma (a comma between two digits) written with
// the separator; colons ("2:00", "0:05") and other commas stay.
inline std::string with_decimal_separator(std::string text, char separator) {
    for (std::size_t i = 1; i + 1 < text.size(); ++i)
        if (text[i] == ',' && text[i - 1] >= '0' && text[i - 1] <= '9' && text[i + 1] >= '0' &&
            text[i + 1] <= '9')
            text[i] = separator;
    return text;
}

}  // namespace tarvex
