// SPDX-License-Identifier: MIT
#include "window/sim_log.h"

#include <cstdio>
#include <fstream>
#include <sstream>

namespace tarvex::window_test {

std::size_t SimLog::mark() const {
    std::ifstream f(path_, std::ios::binary | std::ios::ate);
    return f ? static_cast<std::size_t>(f.tellg()) : 0;
}

std::vector<ReceivedFrame> SimLog::frames_since(std::size_t mark, std::size_t until) const {
    std::ifstream f(path_, std::ios::binary);
    f.seekg(static_cast<std::streamoff>(mark));
    std::vector<ReceivedFrame> frames;
    std::string line;
    // "   12.345 <- 65 1E 32 B5": a frame the host sent, whole lines only.
    while (static_cast<std::size_t>(f.tellg()) < until && std::getline(f, line)) {
        if (f.eof())
            break;
        const auto at = line.find("<- ");
        unsigned mark_byte = 0, code = 0, value = 0;
        if (at != std::string::npos &&
            std::sscanf(line.c_str() + at + 3, "%2x %2x %2x", &mark_byte, &code, &value) == 3)
            frames.push_back({static_cast<int>(code), static_cast<int>(value)});
    }
    return frames;
}

int SimLog::count_since(std::size_t mark, int code, int value) const {
    int n = 0;
    for (const ReceivedFrame& f : frames_since(mark))
        if (f.code == code && (value < 0 || f.value == value))
            ++n;
    return n;
}

int SimLog::count_between(std::size_t from, std::size_t to, int code) const {
    int n = 0;
    for (const ReceivedFrame& f : frames_since(from, to))
        if (f.code == code)
            ++n;
    return n;
}

std::vector<ReceivedFrame> SimLog::writes_since(std::size_t mark) const {
    std::vector<ReceivedFrame> writes;
    for (const ReceivedFrame& f : frames_since(mark))
        if (f.code >= 5 && f.code <= 33)
            writes.push_back(f);
    return writes;
}

}  // namespace tarvex::window_test
