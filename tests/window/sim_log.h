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
    explicit SimLog(std::string path) : path_(std::move(path)) {}

    // The log's end now; frames received later come after this mark.
    std::size_t mark() const;
    std::vector<ReceivedFrame> frames_since(std::size_t mark) const;
    // Frames with the code (and the value, unless it is -1) since the mark.
    int count_since(std::size_t mark, int code, int value = -1) const;
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
