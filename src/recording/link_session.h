// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "link/controller_image.h"
#include "link/link_state.h"
#include "recording/playback_port.h"
#include "recording/recorder.h"

namespace tarvex {

// What stands between the program's polling and the serial port for the File
// menu's recording and playback: a recording of every poll tick, and a recording played
// back in place of the controller. The views poll the link as always and never
// know the difference.
class LinkSession {
  public:
    LinkSession(LinkState& link, const ControllerImage& image);
    ~LinkSession();

    bool recording() const { return recorder_ && recorder_->recording(); }
    bool playing() const { return player_ != nullptr; }
    // The recording being played, as chosen.
    const std::string& played_file() const { return played_file_; }
    // Why the recording plays only up to a row (the line and row where the
    // loader stopped: cut off, damaged), or empty when it plays whole.
    const std::string& played_problem() const { return played_problem_; }
    // The file being recorded, as chosen.
    const std::string& recorded_file() const { return recorded_file_; }
    // Seconds played, up to the recording's length; the length; both 0
    // when nothing plays.
    double played_seconds() const;
    double playback_length() const { return player_ ? player_->length() : 0; }
    bool playback_ended() const { return player_ && player_->at_end(); }

    // Records from the next poll tick on; false with the reason when the file
    // cannot be written.
    bool start_recording(const std::string& path, std::string& error);
    // Writes the last tick's row and takes the recorder out of the link.
    void stop_recording();
    // Called, from inside a poll, when a row cannot be written; the
    // recording has then stopped by itself and stop_recording() tidies up.
    void on_recording_failed(std::function<void(const std::string& reason)> handler);

    // Plays a recording in place of the port, from its first row now; false
    // with the reason when it cannot be read, is too large or holds no whole
    // row. A recording in progress stops first.
    bool start_playback(const std::string& path, std::string& error);
    // Returns the link to the port the program was started with.
    void stop_playback();

  private:
    LinkState& link_;
    const ControllerImage& image_;
    SerialPort* port_;  // the port the link had before any playback
    std::unique_ptr<Recorder> recorder_;
    std::unique_ptr<PlaybackSerialPort> player_;
    std::string played_file_;
    std::string played_problem_;
    std::string recorded_file_;
    std::function<void(const std::string&)> on_failed_;
};

}  // namespace tarvex
