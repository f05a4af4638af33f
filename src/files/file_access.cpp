// SPDX-License-Identifier: MIT
#include "files/file_access.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <sys/file.h>

#include <cerrno>
#include <chrono>
#include <climits>
#include <cstring>
#include <thread>

namespace tarvex {

FileReader::~FileReader() {
    if (fd_ >= 0)
        ::close(fd_);
}

namespace {

constexpr const char* kNotRegular = "not a regular file";

}  // namespace

bool FileReader::open(const std::string& path) {
    // A device is not even opened (opening a serial port raises its lines).
    struct stat st {};
    missing_ = false;
    if (::stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) {
        error_ = kNotRegular;
        return false;
    }
    // O_NONBLOCK: opening a FIFO without a writer would otherwise wait forever.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        missing_ = errno == ENOENT;
        error_ = std::strerror(errno);
        return false;
    }
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        error_ = kNotRegular;
        ::close(fd);
        return false;
    }
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = fd;
    size_ = st.st_size;
    missing_ = false;
    error_.clear();
    setg(buf_.data(), buf_.data(), buf_.data());
    return true;
}

long FileReader::read_some(char* dst, std::size_t n) {
    if (fd_ < 0)
        return 0;
    return static_cast<long>(::read(fd_, dst, n));
}

FileReader::int_type FileReader::underflow() {
    if (gptr() < egptr())
        return traits_type::to_int_type(*gptr());
    if (fd_ < 0)
        return traits_type::eof();
    // Keep the last character in front of the new ones, so that a reader can
    // put it back.
    const std::size_t kept = gptr() > eback() ? 1 : 0;
    const char last = kept ? gptr()[-1] : '\0';
    ssize_t n;
    do
        n = ::read(fd_, buf_.data() + kept, buf_.size() - kept);
    while (n < 0 && errno == EINTR);
    if (n <= 0)
        return traits_type::eof();
    if (kept)
        buf_[0] = last;
    setg(buf_.data(), buf_.data() + kept, buf_.data() + kept + n);
    return traits_type::to_int_type(*gptr());
}

namespace {

// The folder part of a path with its trailing '/', or "" for a bare name.
std::string folder_of(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// The file a path names once its symbolic links are followed. A link to a
// missing file gives that file's path, so a save creates it.
bool follow_links(std::string path, std::string& file, int& err) {
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) {
            file = path;
            return true;
        }
        char target[PATH_MAX];
        const ssize_t n = ::readlink(path.c_str(), target, sizeof target);
        if (n < 0 || n == static_cast<ssize_t>(sizeof target)) {
            err = n < 0 ? errno : ENAMETOOLONG;
            return false;
        }
        const std::string next(target, static_cast<std::size_t>(n));
        path = next[0] == '/' ? next : folder_of(path) + next;
    }
    err = ELOOP;
    return false;
}

// Whether an existing file may be replaced; the rename would replace it
// whatever its permissions, so they are checked first. A file without any
// write permission is kept even from root, who may write anything: saving
// over it is far more likely a slip than an intent.
bool may_replace(const std::string& file, const struct stat& st, std::string& error) {
    if (!S_ISREG(st.st_mode)) {
        error = kNotRegular;
        return false;
    }
    if ((st.st_mode & 0222) == 0) {
        error = std::strerror(EACCES);
        return false;
    }
    if (::faccessat(AT_FDCWD, file.c_str(), W_OK, AT_EACCESS) != 0) {
        error = std::strerror(errno);
        return false;
    }
    return true;
}

enum class Replaced { Done, Failed, Changed };

// Writes bytes to a temporary file beside `file`, flushed to the disk, and
// renames it over `file` unless unchanged() says the file changed meanwhile.
// `old` is the existing file's status, whose permissions and owner are kept.
Replaced replace_file(const std::string& file, const struct stat* old, std::string_view bytes,
                      std::string& error, const FileWriter& writer,
                      const std::function<bool()>& unchanged = {}) {
    const std::string folder = folder_of(file);
    std::string tmp = folder + ".tarvex-XXXXXX";
    int fd = mkstemp(tmp.data());
    if (fd < 0) {
        error = std::strerror(errno);
        return Replaced::Failed;
    }
    if (old) {
        fchmod(fd, old->st_mode & 07777);
        (void)!fchown(fd, old->st_uid, old->st_gid);
    } else {
        const mode_t mask = umask(0);
        umask(mask);
        fchmod(fd, 0666 & ~mask);
    }
    auto fail = [&](int e) {
        error = std::strerror(e);
        ::close(fd);
        ::unlink(tmp.c_str());
        return Replaced::Failed;
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
        const int e = errno;
        ::unlink(tmp.c_str());
        error = std::strerror(e);
        return Replaced::Failed;
    }
    if (unchanged && !unchanged()) {
        ::unlink(tmp.c_str());
        return Replaced::Changed;
    }
    if (::rename(tmp.c_str(), file.c_str()) != 0) {
        const int e = errno;
        ::unlink(tmp.c_str());
        error = std::strerror(e);
        return Replaced::Failed;
    }
    // Make the rename itself durable.
    const int dfd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (dfd >= 0) {
        ::fsync(dfd);
        ::close(dfd);
    }
    return Replaced::Done;
}

// An exclusive lock on fd, waited for at most two seconds.
bool lock_briefly(int fd) {
    for (int tries = 0; tries < 200; ++tries) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
            return true;
        if (errno != EWOULDBLOCK && errno != EINTR)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

// The whole of a regular file, up to max_bytes + 1 bytes.
bool read_up_to(int fd, std::size_t max_bytes, std::string& text) {
    text.clear();
    char buf[4096];
    while (text.size() <= max_bytes) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            break;
        text.append(buf, static_cast<std::size_t>(n));
    }
    return true;
}

bool same_file(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

}  // namespace

bool write_file_atomically(const std::string& path, std::string_view bytes, std::string& error,
                           const FileWriter& writer) {
    std::string file;
    int err = 0;
    if (!follow_links(path, file, err)) {
        error = std::strerror(err);
        return false;
    }
    struct stat st {};
    const bool exists = ::stat(file.c_str(), &st) == 0;
    if (exists && !may_replace(file, st, error))
        return false;
    return replace_file(file, exists ? &st : nullptr, bytes, error, writer) == Replaced::Done;
}

bool rewrite_file_locked(const std::string& path, std::size_t max_bytes,
                         const std::function<std::string(const std::string& text)>& edit,
                         std::string& error) {
    std::string file;
    int err = 0;
    if (!follow_links(path, file, err)) {
        error = std::strerror(err);
        return false;
    }
    // Another program may replace the file between the opening and the lock,
    // or change it after the read: then it is read again.
    for (int attempt = 0; attempt < 10; ++attempt) {
        struct stat st {};
        if (::stat(file.c_str(), &st) == 0 && !may_replace(file, st, error))
            return false;
        // A missing file is created empty, so that there is a file to lock.
        const int fd =
            ::open(file.c_str(), O_RDONLY | O_CREAT | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666);
        if (fd < 0) {
            error = std::strerror(errno);
            return false;
        }
        struct FdCloser {
            int fd;
            ~FdCloser() { ::close(fd); }
        } closer{fd};
        if (::fstat(fd, &st) != 0 || !may_replace(file, st, error))
            return false;
        if (!lock_briefly(fd)) {
            error = "locked by another program";
            return false;
        }
        struct stat named {};
        if (::stat(file.c_str(), &named) != 0 || !same_file(named, st))
            continue;
        std::string text;
        if (!read_up_to(fd, max_bytes, text) || ::fstat(fd, &st) != 0) {
            error = std::strerror(errno);
            return false;
        }
        if (text.size() > max_bytes) {
            error = std::strerror(EFBIG);
            return false;
        }
        // An appender that took no lock: what it added since the read would
        // be lost by the rename, so the file is read again instead.
        const auto unchanged = [&] {
            struct stat now {};
            return ::fstat(fd, &now) == 0 && now.st_size == st.st_size &&
                   now.st_mtim.tv_sec == st.st_mtim.tv_sec &&
                   now.st_mtim.tv_nsec == st.st_mtim.tv_nsec;
        };
        const Replaced r = replace_file(file, &st, edit(text), error, {}, unchanged);
        if (r != Replaced::Changed)
            return r == Replaced::Done;
    }
    error = "the file kept changing while it was rewritten";
    return false;
}

}  // namespace tarvex
