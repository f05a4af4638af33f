// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "link/controller_image.h"
#include "link/link_state.h"
#include "recording/csv_appender.h"
#include "recording/link_clock.h"
#include "recording/recording_port.h"

namespace tarvex {

// Records the readings of a link to a CSV file, one row per poll tick, while
// the program polls as usual.
//
// start() puts a RecordingSerialPort in front of link.port; stop() writes the
// last row and puts the old port back. Whatever polls through the link in
// between is recorded; recording adds no traffic, and the time it adds to a
// tick is that of formatting and writing one row. Stop the recorder before
// replacing link.port (for example to start a playback).
//
// When a row cannot be written (disk full, folder removed) the recorder
// stops recording by itself: the file keeps its whole rows, failed() and
// error() tell why, and the failure handler (if any) is called once, from
// inside the port call that met the failure; it should only note the failure
// (e.g. post a message), and stop() may be called afterwards as usual.
class Recorder {
  public:
    Recorder(LinkState& link, const ControllerImage& image, LinkClock& clock = system_link_clock());
    ~Recorder();
    Recorder(const Recorder&) = delete;
    Recorder& operator=(const Recorder&) = delete;

    // Creates or empties the file and writes the header; false with error()
    // set when the file cannot be written or the link has no port.
    bool start(const std::string& path);
    // The same onto an open descriptor, e.g. standard output; not closed.
    bool start_on_descriptor(int fd);
    void stop();

    // Rows are being recorded.
    bool recording() const { return port_ != nullptr && !appender_.failed(); }
    bool failed() const { return appender_.failed() || !error_.empty(); }
    const std::string& error() const { return appender_.failed() ? appender_.error() : error_; }
    // The system's error number of a row not written (EPIPE: the reader went away).
    int error_number() const { return appender_.error_number(); }
    // Rows written so far, the header not counted.
    std::size_t rows() const { return rows_; }

    void set_failure_handler(std::function<void()> handler) { on_failure_ = std::move(handler); }
    // Tests replace the appender's write to simulate a full disk.
    CsvAppender& appender() { return appender_; }

  private:
    bool begin();
    void write_row(const TickFrames& tick);

    LinkState& link_;
    const ControllerImage& image_;
    LinkClock& clock_;
    CsvAppender appender_;
    std::unique_ptr<RecordingSerialPort> port_;
    LinkClock::Steady::time_point started_{};
    std::string error_;  // why start() failed, when the appender did not
    std::string row_;
    std::size_t rows_ = 0;
    std::function<void()> on_failure_;
};

}  // namespace tarvex
