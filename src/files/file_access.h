// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <streambuf>
#include <string>
#include <string_view>

namespace tarvex {

// Reads a file through a small buffer, so memory stays bounded whatever the
// file's size. Only a regular file is opened, and without blocking: a FIFO,
// a device or a folder in its place is refused rather than waited for.
class FileReader final : public std::streambuf {
  public:
    FileReader() = default;
    ~FileReader() override;
    FileReader(const FileReader&) = delete;
    FileReader& operator=(const FileReader&) = delete;

    // False when path cannot be opened or is not a regular file; error()
    // then says why.
    bool open(const std::string& path);
    const std::string& error() const { return error_; }
    // The file (or the target of a link) does not exist.
    bool missing() const { return missing_; }
    // The file's size when it was opened.
    long long size() const { return size_; }
    // Reads up to n bytes straight into dst, for a reader that takes large
    // chunks and never reads through the stream: the count read, 0 at the
    // end, -1 with errno set on an error.
    long read_some(char* dst, std::size_t n);

  protected:
    int_type underflow() override;

  private:
    int fd_ = -1;
    long long size_ = 0;
    bool missing_ = false;
    std::string error_;
    std::array<char, 4096> buf_{};
};

// Writes a file so that the old one survives any failure: the text goes to a
// temporary file in the same folder, is flushed to the disk and only then
// renamed over the target. A symbolic link is written through to the file it
// names and stays a link. A target that is not a regular file, or that may
// not be written, is refused. On failure the temporary file is removed and
// error says why.
struct FileWriter {
    // Writes n bytes to fd; returns what ::write returns. Tests replace it to
    // simulate a full disk.
    std::function<long(int fd, const char* data, std::size_t n)> write;
};
bool write_file_atomically(const std::string& path, std::string_view bytes, std::string& error,
                           const FileWriter& writer = {});

// Rewrites a small file as edit() makes its text anew, holding an exclusive
// advisory lock (flock) on it from the read to the rename, so that another
// program that takes the lock before it appends loses nothing. The new text
// is written as write_file_atomically() writes, with the same refusals; a
// file that cannot be read, or is larger than max_bytes, is refused too,
// never replaced by what could be read of it. A missing file (or the missing
// target of a link) is created. A lock another program keeps for seconds is
// not waited for.
bool rewrite_file_locked(const std::string& path, std::size_t max_bytes,
                         const std::function<std::string(const std::string& text)>& edit,
                         std::string& error);

}  // namespace tarvex
