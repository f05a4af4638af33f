// SPDX-License-Identifier: MIT
#include "ports/port_names.h"

#include <cerrno>
#include <cstring>
#include <istream>

#include "files/file_access.h"

namespace tarvex {

namespace {

std::string trim(const std::string& s) {
    const char* ws = " \t\r\n";
    auto b = s.find_first_not_of(ws);
    if (b == std::string::npos)
        return {};
    auto e = s.find_last_not_of(ws);
    return s.substr(b, e - b + 1);
}

// Reads a line without its line feed, keeping at most keep characters of it;
// the rest of a longer line is read and dropped. False at the end of input.
bool read_line(std::istream& in, std::string& line, std::size_t keep) {
    line.clear();
    std::streambuf* buf = in.rdbuf();
    int c = buf->sbumpc();
    if (c == std::char_traits<char>::eof())
        return false;
    for (; c != std::char_traits<char>::eof() && c != '\n'; c = buf->sbumpc())
        if (line.size() < keep)
            line += static_cast<char>(c);
    return true;
}

}  // namespace

bool parse_port_line(const std::string& line, int& port, std::string& device) {
    std::string t = trim(line);
    auto eq = t.find('=');
    std::string key = eq == std::string::npos ? t : trim(t.substr(0, eq));
    std::string path = eq == std::string::npos ? "" : trim(t.substr(eq + 1));
    int n = 0;
    if (key.size() == 4 && (key.compare(0, 3, "COM") == 0 || key.compare(0, 3, "com") == 0) &&
        key[3] >= '1' && key[3] <= '4')
        n = key[3] - '0';
    if (n == 0 || path.empty() || path.find('\0') != std::string::npos)
        return false;
    port = n;
    device = path;
    return true;
}

void parse_port_map(std::istream& in, PortMap& map, std::vector<std::string>* problems) {
    std::string line;
    int line_no = 0;
    while (read_line(in, line, kMaxPortLine + 1)) {
        ++line_no;
        if (line.size() > kMaxPortLine) {
            if (problems)
                problems->push_back("line " + std::to_string(line_no) + ": too long");
            continue;
        }
        std::string t = trim(line);
        if (t.empty() || t[0] == '#')
            continue;
        int n = 0;
        std::string path;
        if (!parse_port_line(t, n, path)) {
            if (problems)
                problems->push_back("line " + std::to_string(line_no) + ": expected COMn=device");
            continue;
        }
        map.device[static_cast<std::size_t>(n - 1)] = path;
    }
}

bool load_port_map(const std::string& path, PortMap& map, std::vector<std::string>* problems,
                   std::string* error) {
    FileReader file;
    if (!file.open(path)) {
        if (error && !file.missing())
            *error = file.error();
        return false;
    }
    if (file.size() > static_cast<long long>(kMaxPortsFileBytes)) {
        if (error)
            *error = std::strerror(EFBIG);
        return false;
    }
    std::istream in(&file);
    parse_port_map(in, map, problems);
    return true;
}

}  // namespace tarvex
