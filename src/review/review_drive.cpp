// SPDX-License-Identifier: MIT
#include "review/review_drive.h"

#include "recording/recording_reader.h"

namespace tarvex {

std::unique_ptr<ReviewDrive> open_review_drive(const std::string& path, std::string& error) {
    auto drive = std::make_unique<ReviewDrive>();
    {
        Recording recording;
        if (!load_recording(path, recording, error))
            return nullptr;
        drive->samples = decode_drive(recording);
    }
    drive->path = path;
    drive->envelope = std::make_unique<DriveEnvelope>(drive->samples);
    drive->events = find_events(drive->samples);
    drive->marks = event_marks(drive->events);
    for (std::size_t c = 0; c < kChannelCount; ++c)
        drive->whole[c] = drive->envelope->range(static_cast<Channel>(c), 0, drive->samples.size());
    if (!drive->samples.settings.empty())
        drive->switching_point_v = drive->samples.settings.back().switching_point_v();
    if (!load_markers(markers_path(path), drive->markers, drive->markers_error))
        drive->markers.clear();
    return drive;
}

}  // namespace tarvex
