// SPDX-License-Identifier: MIT
#pragma once

#include <locale.h>

#include <cstdio>
#include <string>

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

}  // namespace tarvex
