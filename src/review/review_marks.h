// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "review/findings.h"

namespace tarvex {

// A marker the fitter put on a drive, with a note.
struct Marker {
    double t = 0;  // seconds from the recording's first row
    std::string note;
    friend bool operator==(const Marker&, const Marker&) = default;
};

// The markers of a recording live in a small file beside it, never inside it:
// "drive.csv.markers".
std::string markers_path(const std::string& recording_path);

// The markers file: a first line "tarvex-markers 1", then one marker a line,
// its seconds and its note separated by a tab; a backslash, a tab or a line
// end inside a note is written \\, \t, \n. Markers come out sorted by time.
std::string format_markers(std::vector<Marker> markers);
// False, with error naming the line, when the text is not a markers file.
bool parse_markers(std::string_view text, std::vector<Marker>& out, std::string& error);
// A missing file is no marker and no error. Files larger than 1 MiB are refused.
bool load_markers(const std::string& path, std::vector<Marker>& out, std::string& error);
// Written beside the target, then renamed over it.
bool save_markers(const std::string& path, const std::vector<Marker>& markers, std::string& error);

// What the events of a drive show as markers.
enum class EventKind : unsigned char {
    SwitchOver,  // to gas
    SwitchBack,  // to petrol
    CutOff,
    LinkLost,
    LinkBack,
    LearningStarted,
    LearningEnded,
};
struct EventMark {
    double t = 0;
    EventKind kind = EventKind::SwitchOver;
};
// Every event of the drive, sorted by time.
std::vector<EventMark> event_marks(const DriveEvents& e);

// Seconds to add to the times of a second drive laid over a first so that
// their first switch-overs to gas coincide; none when either has none.
std::optional<double> shift_on_switchover(const DriveEvents& first, const DriveEvents& second);
// The same on the first marker of each with this note.
std::optional<double> shift_on_marker(const std::vector<Marker>& first,
                                      const std::vector<Marker>& second, const std::string& note);
// The notes that markers of both drives carry, in the order of the first, once each.
std::vector<std::string> shared_notes(const std::vector<Marker>& first,
                                      const std::vector<Marker>& second);

}  // namespace tarvex
