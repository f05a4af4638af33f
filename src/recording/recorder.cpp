// SPDX-License-Identifier: MIT
#include "recording/recorder.h"

#include "recording/recording_row.h"

namespace tarvex {

Recorder::Recorder(LinkState& link, const ControllerImage& image, LinkClock& clock)
    : link_(link), image_(image), clock_(clock) {}

Recorder::~Recorder() {
    stop();
}

bool Recorder::start(const std::string& path) {
    stop();
    error_.clear();
    if (!appender_.open(path))
        return false;
    return begin();
}

bool Recorder::start_on_descriptor(int fd) {
    stop();
    appender_.use_descriptor(fd);
    return begin();
}

bool Recorder::begin() {
    error_.clear();
    if (!link_.port)
        error_ = "no serial port to record";
    if (!link_.port || !appender_.append(recording_header())) {
        appender_.close();
        return false;
    }
    rows_ = 0;
    row_.reserve(256);
    started_ = clock_.now();
    port_ = std::make_unique<RecordingSerialPort>(
        *link_.port, [this](const TickFrames& tick) { write_row(tick); }, clock_);
    link_.port = port_.get();
    return true;
}

void Recorder::write_row(const TickFrames& tick) {
    if (appender_.failed())
        return;
    const double seconds = std::chrono::duration<double>(tick.started - started_).count();
    row_.clear();
    append_recording_row(row_, tick, seconds, decode_readings(image_, link_));
    if (appender_.append(row_)) {
        ++rows_;
    } else if (on_failure_) {
        on_failure_();
    }
}

void Recorder::stop() {
    if (!port_)
        return;
    port_->finish();
    if (link_.port == port_.get())
        link_.port = &port_->inner();
    port_.reset();
    appender_.close();
}

}  // namespace tarvex
