// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace tarvex::window_test {

// A frame the simulator received: command code and value.
struct ReceivedFrame {
    int code = 0;
    int value = 0;
};

// The simulator's --verbose log, read while it grows.
class SimLog {
  public:
    static constexpr std::size_t kEnd = static_cast<std::size_t>(-1);
    explicit SimLog(std::string path) : path_(std::move(path)) {}

    // The log's end now; frames received later come after this mark.
    std::size_t mark() const;
    // The frames after the mark, up to the second mark when one is given.
    std::vector<ReceivedFrame> frames_since(std::size_t mark, std::size_t until = kEnd) const;
    // Frames with the code (and the value, unless it is -1) since the mark.
    int count_since(std::size_t mark, int code, int value = -1) const;
    // Frames with the code between two marks.
    int count_between(std::size_t from, std::size_t to, int code) const;
    // Setting writes and controller commands (codes 5 to 33) since the mark.
    std::vector<ReceivedFrame> writes_since(std::size_t mark) const;
    const std::string& path() const { return path_; }

  private:
    std::string path_;
};

// The status poll, the second settings frame, and the command that starts
// the learning run.
constexpr int kStatusCode = 1;
constexpr int kSettings2Code = 4;
constexpr int kCommandCode = 30;
constexpr int kStartLearning = 50;

}  // namespace tarvex::window_test
