// SPDX-License-Identifier: MIT
#include "recording/csv_appender.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace tarvex {

CsvAppender::~CsvAppender() {
    close();
}

bool CsvAppender::open(const std::string& path) {
    close();
    error_.clear();
    error_number_ = 0;
    // Only a regular file (or a new one) is a recording: a FIFO would block
    // the program and a device take the rows. So the file is checked before
    // it is opened, opened without waiting, checked again, and only then
    // emptied.
    struct stat st {};
    const bool exists = ::stat(path.c_str(), &st) == 0;
    if (exists && !S_ISREG(st.st_mode))
        return refuse("not a regular file");
    // A file without any write permission is kept, even from root.
    if (exists && (st.st_mode & 0222) == 0)
        return fail(EACCES);
    const int fd =
        ::open(path.c_str(), O_WRONLY | O_CREAT | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666);
    if (fd < 0)
        return fail(errno);
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || ::ftruncate(fd, 0) != 0) {
        const int err = S_ISREG(st.st_mode) ? errno : 0;
        ::close(fd);
        return err ? fail(err) : refuse("not a regular file");
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    use_descriptor(fd);
    owned_ = true;
    return true;
}

void CsvAppender::use_descriptor(int fd) {
    close();
    error_.clear();
    fd_ = fd;
    owned_ = false;
    error_number_ = 0;
    struct stat st {};
    regular_ = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    // Rows go after what the file holds when it appends (a shell's ">>"),
    // else at the descriptor's offset.
    const int flags = ::fcntl(fd, F_GETFL);
    size_ = !regular_ ? 0 : ::lseek(fd, 0, flags >= 0 && (flags & O_APPEND) ? SEEK_END : SEEK_CUR);
    if (size_ < 0)
        size_ = 0;
}

bool CsvAppender::refuse(const char* why) {
    error_ = why;
    return false;
}

bool CsvAppender::fail(int err) {
    error_number_ = err ? err : EIO;
    error_ = std::strerror(error_number_);
    if (fd_ >= 0 && regular_) {
        // Drop the part of a row that went out.
        if (::ftruncate(fd_, size_) == 0)
            ::lseek(fd_, size_, SEEK_SET);
    }
    return false;
}

bool CsvAppender::append(std::string_view row) {
    if (fd_ < 0 || failed())
        return false;
    if (regular_) {
        struct stat st {};
        if (::fstat(fd_, &st) != 0)
            return fail(errno);
        if (st.st_nlink == 0)
            return fail(ENOENT);
    }
    std::size_t done = 0;
    while (done < row.size()) {
        const long n = write_ ? write_(fd_, row.data() + done, row.size() - done)
                              : ::write(fd_, row.data() + done, row.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return fail(n < 0 ? errno : ENOSPC);
        done += static_cast<std::size_t>(n);
        // A regular file takes a row whole unless it is out of room; the
        // rest would only fail, so stop at the first short write. A pipe may
        // take a long row in parts.
        if (regular_ && done < row.size())
            return fail(ENOSPC);
    }
    size_ += static_cast<off_t>(row.size());
    return true;
}

void CsvAppender::close() {
    if (fd_ >= 0 && owned_)
        ::close(fd_);
    fd_ = -1;
    owned_ = false;
}

}  // namespace tarvex
