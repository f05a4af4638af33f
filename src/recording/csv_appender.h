// SPDX-License-Identifier: MIT
#pragma once

#include <sys/types.h>

#include <functional>
#include <string>
#include <string_view>

namespace tarvex {

// Appends whole rows to a file or to an open descriptor (standard output).
// A row goes out in one write; when it cannot go out whole, a regular file is
// cut back to the end of the last whole row, so what was written stays a
// valid CSV file, and the appender stops with an error. A regular file whose
// last link is gone (its folder removed) counts as failed too, since what is
// written to it would be lost.
class CsvAppender {
  public:
    // Writes n bytes to fd; returns what ::write returns. Tests replace it to
    // simulate a full disk.
    using WriteFn = std::function<long(int fd, const char* data, std::size_t n)>;

    CsvAppender() = default;
    ~CsvAppender();
    CsvAppender(const CsvAppender&) = delete;
    CsvAppender& operator=(const CsvAppender&) = delete;

    // Creates or empties a regular file; false with error() set when that
    // failed or path is something else (a FIFO, a device, a folder).
    bool open(const std::string& path);
    // Appends to a descriptor that stays open after close().
    void use_descriptor(int fd);
    void set_write_function(WriteFn fn) { write_ = std::move(fn); }

    // Appends one row (or the header) whole; false, changing nothing, once
    // it failed.
    bool append(std::string_view row);
    void close();

    bool is_open() const { return fd_ >= 0; }
    bool failed() const { return !error_.empty(); }
    // Why appending stopped: the system's reason, e.g. "No space left on device".
    const std::string& error() const { return error_; }
    // The system's error number of a failed write (EPIPE: the reader went away).
    int error_number() const { return error_number_; }

  private:
    bool fail(int err);
    bool refuse(const char* why);
    int fd_ = -1;
    bool owned_ = false;
    bool regular_ = false;
    off_t size_ = 0;  // bytes of whole rows in a regular file
    int error_number_ = 0;
    WriteFn write_;
    std::string error_;
};

}  // namespace tarvex
