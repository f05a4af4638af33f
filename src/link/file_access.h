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

    // False when path cannot be opened or is not a regular file.
    bool open(const std::string& path);

  protected:
    int_type underflow() override;

  private:
    int fd_ = -1;
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

}  // namespace tarvex
