// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "review/drive_samples.h"
#include "review/envelope.h"
#include "review/findings.h"
#include "review/review_marks.h"

namespace tarvex {

// A recording opened for review: its rows decoded, their envelope, its
// events and the fitter's markers. Built off the window's thread; the
// envelope refers to the samples, so it stays where it was made.
struct ReviewDrive {
    std::string path;
    DriveSamples samples;
    std::unique_ptr<DriveEnvelope> envelope;
    DriveEvents events;
    std::vector<EventMark> marks;
    std::vector<Marker> markers;
    // Why the markers file beside the recording could not be read ("" when it could).
    std::string markers_error;
    // Each channel over the whole drive, for the charts' scales.
    std::array<ColumnRange, kChannelCount> whole;
    // The lambda sensor's switching point of the last recorded settings, in volts.
    std::optional<double> switching_point_v;

    double length() const { return samples.size() ? samples.time(samples.size() - 1) : 0; }
};

// Loads a recording with the one loader (its limits and its line-numbered
// errors), decodes it and reads its markers. Null, with error set, when the
// file is not a recording or is refused.
std::unique_ptr<ReviewDrive> open_review_drive(const std::string& path, std::string& error);

}  // namespace tarvex
