// SPDX-License-Identifier: MIT
#include "link/ports_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "link/port_names.h"

namespace tarvex {

namespace {

namespace fs = std::filesystem;

// The file's lines with their endings ("\n", "\r\n" or none for the last).
std::vector<std::string> read_lines(const std::string& path) {
    std::vector<std::string> lines;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return lines;
    std::stringstream all;
    all << in.rdbuf();
    const std::string text = all.str();
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

bool fail(std::string* error, const std::string& what) {
    if (error)
        *error = what + ": " + std::strerror(errno);
    return false;
}

bool write_all(int fd, const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

bool assign_port_device(const std::string& path, int port, const std::string& device,
                        std::string* error) {
    // A ports file that is a symbolic link is rewritten where it points.
    std::error_code ec;
    fs::path target = fs::path(path);
    if (fs::is_symlink(target, ec))
        target = fs::weakly_canonical(target, ec);

    std::vector<std::string> lines = read_lines(target.string());
    const std::string crlf = !lines.empty() && lines[0].size() >= 2 &&
                                     lines[0].compare(lines[0].size() - 2, 2, "\r\n") == 0
                                 ? "\r\n"
                                 : "\n";
    const std::string entry = "COM" + std::to_string(port) + "=" + device;
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
    std::string text;
    for (const std::string& l : lines)
        text += l;

    struct stat old {};
    const bool existed = ::stat(target.c_str(), &old) == 0;
    const std::string temp = target.string() + ".new-" + std::to_string(::getpid());
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0)
        return fail(error, temp);
    if (existed)
        (void)::fchmod(fd, old.st_mode & 07777);
    const bool written = write_all(fd, text) && ::fsync(fd) == 0;
    const int saved = errno;
    if (::close(fd) != 0 || !written) {
        errno = written ? errno : saved;
        ::unlink(temp.c_str());
        return fail(error, temp);
    }
    if (::rename(temp.c_str(), target.c_str()) != 0) {
        const bool r = fail(error, target.string());
        ::unlink(temp.c_str());
        return r;
    }
    return true;
}

}  // namespace tarvex
