#include "config/settings_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstring>
#include <fstream>

#include "link/settings_table.h"
#include "ui/text_scanner.h"

namespace tarvex {

const std::array<std::string, 31>& settings_file_tokens() {
    static const std::array<std::string, 31> tokens = [] {
        std::array<std::string, 31> t;
        t[0] = "[Tarv_ex]";
        t[1] = "Version=1.2";
        t[2] = "[Configuration]";
        for (std::size_t i = 0; i < kSettings.size(); ++i)
            t[3 + i] = std::string(kSettings[i].key) + "=";
        return t;
    }();
    return tokens;
}

std::string settings_file_text(const ControllerImage& image) {
    const auto& tokens = settings_file_tokens();
    std::string out;
    for (int i = 0; i < 3; ++i)
        out += tokens[static_cast<std::size_t>(i)] + "\r\n";
    for (std::size_t i = 0; i < kSettings.size(); ++i)
        out += tokens[3 + i] + " " + std::to_string(setting_value(image, kSettings[i])) + "\r\n";
    return out;
}

namespace {

constexpr std::size_t kMaxToken = 29;

// The low 8 bits of a sign and digits, whatever their length.
std::uint8_t low_byte(bool negative, std::string_view digits) {
    unsigned v = 0;
    for (char c : digits)
        v = (v * 10 + static_cast<unsigned>(c - '0')) & 0xFF;
    return static_cast<std::uint8_t>(negative ? (0u - v) & 0xFF : v);
}

}  // namespace

ParsedSettings parse_settings_file(std::string_view text) {
    ParsedSettings r;
    const auto& expected = settings_file_tokens();
    TextScanner in(text);
    std::string tok;
    for (std::size_t i = 0; i < 3; ++i)
        if (!in.word(tok) || tok.size() > kMaxToken || tok != expected[i])
            return r;
    for (std::size_t i = 0; i < kSettings.size(); ++i) {
        bool negative = false;
        std::string_view digits;
        if (!in.word(tok) || tok.size() > kMaxToken || tok != expected[3 + i])
            return r;
        if (!in.number(negative, digits))
            return r;
        r.values[i] = low_byte(negative, digits);
    }
    r.ok = true;
    return r;
}

int send_settings(LinkState& link, ControllerImage& image, const ParsedSettings& settings) {
    for (std::size_t i = 0; i < kSettings.size(); ++i)
        if (write_setting(link, image, kSettings[i].code, settings.values[i]) != 3)
            return static_cast<int>(i);
    return static_cast<int>(kSettings.size());
}

bool write_file_atomically(const std::string& path, std::string_view bytes, std::string& error,
                           const FileWriter& writer) {
    const std::size_t slash = path.find_last_of('/');
    const std::string dir = slash == std::string::npos ? "." : path.substr(0, slash + 1);
    std::string tmp = (slash == std::string::npos ? std::string() : dir) + ".tarvex-XXXXXX";
    int fd = mkstemp(tmp.data());
    if (fd < 0) {
        error = std::strerror(errno);
        return false;
    }
    // Keep the permissions an existing file had; a new file gets the usual ones.
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0)
        fchmod(fd, st.st_mode & 07777);
    else {
        const mode_t mask = umask(0);
        umask(mask);
        fchmod(fd, 0666 & ~mask);
    }
    auto fail = [&](int err) {
        error = std::strerror(err);
        ::close(fd);
        ::unlink(tmp.c_str());
        return false;
    };
    std::size_t done = 0;
    while (done < bytes.size()) {
        const long n = writer.write ? writer.write(fd, bytes.data() + done, bytes.size() - done)
                                    : ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return fail(n < 0 ? errno : ENOSPC);
        done += static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0)
        return fail(errno);
    if (::close(fd) != 0) {
        const int err = errno;
        ::unlink(tmp.c_str());
        error = std::strerror(err);
        return false;
    }
    if (::rename(tmp.c_str(), path.c_str()) != 0) {
        const int err = errno;
        ::unlink(tmp.c_str());
        error = std::strerror(err);
        return false;
    }
    // Make the rename itself durable.
    int dfd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY);
    if (dfd >= 0) {
        ::fsync(dfd);
        ::close(dfd);
    }
    return true;
}

bool read_whole_file(const std::string& path, std::string& bytes, std::size_t max_bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    bytes.assign(max_bytes, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(max_bytes));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return !in.bad();
}

}  // namespace tarvex
