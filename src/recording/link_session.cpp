// SPDX-License-Identifier: MIT
#include "recording/link_session.h"

#include <algorithm>

#include "recording/recording_reader.h"

namespace tarvex {

LinkSession::LinkSession(LinkState& link, const ControllerImage& image)
    : link_(link), image_(image), port_(link.port) {}

LinkSession::~LinkSession() {
    stop_recording();
    stop_playback();
}

void LinkSession::on_recording_failed(std::function<void(const std::string&)> handler) {
    on_failed_ = std::move(handler);
}

bool LinkSession::start_recording(const std::string& path, std::string& error) {
    stop_recording();
    auto recorder = std::make_unique<Recorder>(link_, image_);
    if (!recorder->start(path)) {
        error = recorder->error();
        return false;
    }
    Recorder* r = recorder.get();
    recorder->set_failure_handler([this, r] {
        if (on_failed_)
            on_failed_(r->error());
    });
    recorder_ = std::move(recorder);
    recorded_file_ = path;
    return true;
}

void LinkSession::stop_recording() {
    if (!recorder_)
        return;
    recorder_->stop();
    recorder_.reset();
    recorded_file_.clear();
}

double LinkSession::played_seconds() const {
    return player_ ? std::min(player_->position(), player_->length()) : 0;
}

bool LinkSession::start_playback(const std::string& path, std::string& error) {
    Recording recording;
    if (!load_recording(path, recording, error))
        return false;
    stop_recording();
    close_port(link_);
    if (!player_)
        port_ = link_.port;
    played_problem_ = recording.problem;
    player_ = std::make_unique<PlaybackSerialPort>(std::move(recording));
    link_.port = player_.get();
    played_file_ = path;
    return true;
}

void LinkSession::stop_playback() {
    if (!player_)
        return;
    stop_recording();
    close_port(link_);
    link_.port = port_;
    player_.reset();
    played_file_.clear();
    played_problem_.clear();
}

}  // namespace tarvex
