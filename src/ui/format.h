#pragma once

#include <cstdio>
#include <string>

namespace tarvex {

// printf-style formatting into a string (texts of up to 63 characters).
template <typename... Args>
std::string format(const char* fmt, Args... args) {
    char buf[64];
    std::snprintf(buf, sizeof buf, fmt, args...);
    return buf;
}

}  // namespace tarvex
