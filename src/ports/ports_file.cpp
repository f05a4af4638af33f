// SPDX-License-Identifier: MIT
#include "ports/ports_file.h"

#include <vector>

#include "files/file_access.h"
#include "ports/port_names.h"

namespace tarvex {

namespace {

// The text's lines with their endings ("\n", "\r\n" or none for the last).
std::vector<std::string> split_lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t nl = text.find('\n', start);
        const std::size_t end = nl == std::string::npos ? text.size() : nl + 1;
        lines.push_back(text.substr(start, end - start));
        start = end;
    }
    return lines;
}

std::string without_ending(const std::string& line) {
    std::size_t n = line.size();
    while (n > 0 && (line[n - 1] == '\n' || line[n - 1] == '\r'))
        --n;
    return line.substr(0, n);
}

// The ports file with port's line made entry.
std::string with_port_line(const std::string& text, int port, const std::string& entry) {
    std::vector<std::string> lines = split_lines(text);
    const std::string crlf = !lines.empty() && lines[0].size() >= 2 &&
                                     lines[0].compare(lines[0].size() - 2, 2, "\r\n") == 0
                                 ? "\r\n"
                                 : "\n";
    // The last line naming the port decides it, as when the file is read.
    int deciding = -1;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string bare = without_ending(lines[i]);
        int n = 0;
        std::string dev;
        // Comments never parse as port lines.
        if (bare.size() <= kMaxPortLine && parse_port_line(bare, n, dev) && n == port)
            deciding = static_cast<int>(i);
    }
    if (deciding >= 0) {
        std::string& line = lines[static_cast<std::size_t>(deciding)];
        line = entry + line.substr(without_ending(line).size());
    } else {
        if (!lines.empty() && lines.back().back() != '\n')
            lines.back() += crlf;
        lines.push_back(entry + crlf);
    }
    std::string out;
    for (const std::string& l : lines)
        out += l;
    return out;
}

}  // namespace

bool assign_port_device(const std::string& path, int port, const std::string& device,
                        std::string* error) {
    const std::string entry = "COM" + std::to_string(port) + "=" + device;
    std::string why;
    if (rewrite_file_locked(
            path, kMaxPortsFileBytes,
            [&](const std::string& text) { return with_port_line(text, port, entry); }, why))
        return true;
    if (error)
        *error = why;
    return false;
}

}  // namespace tarvex
