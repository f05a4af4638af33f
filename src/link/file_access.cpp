// SPDX-License-Identifier: MIT
#include "link/file_access.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>

namespace tarvex {

FileReader::~FileReader() {
    if (fd_ >= 0)
        ::close(fd_);
}

bool FileReader::open(const std::string& path) {
    // O_NONBLOCK: opening a FIFO without a writer would otherwise wait forever.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return false;
    }
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = fd;
    setg(buf_.data(), buf_.data(), buf_.data());
    return true;
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
    if (exists) {
        if (!S_ISREG(st.st_mode)) {
            error = "not a regular file";
            return false;
        }
        // The rename below would replace the file whatever its permissions, so
        // they are checked first. A file without any write permission is kept
        // even from root, who may write anything: saving over it is far more
        // likely a slip than an intent.
        if ((st.st_mode & 0222) == 0) {
            error = std::strerror(EACCES);
            return false;
        }
        if (::faccessat(AT_FDCWD, file.c_str(), W_OK, AT_EACCESS) != 0) {
            error = std::strerror(errno);
            return false;
        }
    }

    const std::string folder = folder_of(file);
    std::string tmp = folder + ".tarvex-XXXXXX";
    int fd = mkstemp(tmp.data());
    if (fd < 0) {
        error = std::strerror(errno);
        return false;
    }
    // Keep the permissions and owner an existing file had; a new file gets
    // the usual permissions.
    if (exists) {
        fchmod(fd, st.st_mode & 07777);
        (void)!fchown(fd, st.st_uid, st.st_gid);
    } else {
        const mode_t mask = umask(0);
        umask(mask);
        fchmod(fd, 0666 & ~mask);
    }
    auto fail = [&](int e) {
        error = std::strerror(e);
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
        const int e = errno;
        ::unlink(tmp.c_str());
        error = std::strerror(e);
        return false;
    }
    if (::rename(tmp.c_str(), file.c_str()) != 0) {
        const int e = errno;
        ::unlink(tmp.c_str());
        error = std::strerror(e);
        return false;
    }
    // Make the rename itself durable.
    const int dfd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (dfd >= 0) {
        ::fsync(dfd);
        ::close(dfd);
    }
    return true;
}

}  // namespace tarvex
