// SPDX-License-Identifier: MIT
#include "review/review_marks.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "files/file_access.h"
#include "ui/format.h"

namespace tarvex {

namespace {

constexpr std::string_view kFirstLine = "tarvex-markers 1";
constexpr long long kMaxMarkersBytes = 1 << 20;

std::string escaped(const std::string& note) {
    std::string s;
    for (const char c : note) {
        if (c == '\\')
            s += "\\\\";
        else if (c == '\t')
            s += "\\t";
        else if (c == '\n')
            s += "\\n";
        else if (c != '\r')
            s += c;
    }
    return s;
}

bool unescaped(std::string_view in, std::string& out) {
    out.clear();
    for (std::size_t i = 0; i < in.size(); ++i) {
        if (in[i] != '\\') {
            out += in[i];
            continue;
        }
        if (++i == in.size())
            return false;
        switch (in[i]) {
            case '\\':
                out += '\\';
                break;
            case 't':
                out += '\t';
                break;
            case 'n':
                out += '\n';
                break;
            default:
                return false;
        }
    }
    return true;
}

const Marker* first_with(const std::vector<Marker>& markers, const std::string& note) {
    for (const Marker& m : markers)
        if (m.note == note)
            return &m;
    return nullptr;
}

}  // namespace

std::string markers_path(const std::string& recording_path) {
    return recording_path + ".markers";
}

std::string format_markers(std::vector<Marker> markers) {
    std::stable_sort(markers.begin(), markers.end(),
                     [](const Marker& a, const Marker& b) { return a.t < b.t; });
    std::string s(kFirstLine);
    s += '\n';
    for (const Marker& m : markers) {
        s += format("%.3f", m.t);  // a point whatever the user's locale: read back with from_chars
        s += '\t';
        s += escaped(m.note);
        s += '\n';
    }
    return s;
}

bool parse_markers(std::string_view text, std::vector<Marker>& out, std::string& error) {
    out.clear();
    std::size_t line_no = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        ++line_no;
        const auto bad = [&](const char* why) {
            error = "line " + std::to_string(line_no) + ": " + why;
            out.clear();
            return false;
        };
        if (line_no == 1) {
            if (line != kFirstLine)
                return bad("not a markers file");
            continue;
        }
        if (line.empty())
            continue;
        const std::size_t tab = line.find('\t');
        if (tab == std::string_view::npos)
            return bad("no tab between the time and the note");
        Marker m;
        const auto [p, ec] = std::from_chars(line.data(), line.data() + tab, m.t);
        if (ec != std::errc() || p != line.data() + tab || !std::isfinite(m.t) || m.t < 0)
            return bad("the time is not a number of seconds");
        if (!unescaped(line.substr(tab + 1), m.note))
            return bad("a backslash in the note is not followed by \\, t or n");
        out.push_back(std::move(m));
    }
    if (line_no == 0)
        return error = "line 1: not a markers file", false;
    std::stable_sort(out.begin(), out.end(),
                     [](const Marker& a, const Marker& b) { return a.t < b.t; });
    return true;
}

bool load_markers(const std::string& path, std::vector<Marker>& out, std::string& error) {
    out.clear();
    FileReader file;
    if (!file.open(path)) {
        if (file.missing())
            return true;
        error = file.error();
        return false;
    }
    if (file.size() > kMaxMarkersBytes) {
        error = "larger than 1 MiB";
        return false;
    }
    std::string text;
    char buf[4096];
    for (long n; (n = file.read_some(buf, sizeof buf)) != 0;) {
        if (n < 0 || text.size() + static_cast<std::size_t>(n) > kMaxMarkersBytes) {
            error = n < 0 ? "cannot be read" : "larger than 1 MiB";
            return false;
        }
        text.append(buf, static_cast<std::size_t>(n));
    }
    return parse_markers(text, out, error);
}

bool save_markers(const std::string& path, const std::vector<Marker>& markers, std::string& error) {
    return write_file_atomically(path, format_markers(markers), error);
}

std::vector<EventMark> event_marks(const DriveEvents& e) {
    std::vector<EventMark> marks;
    for (const SwitchOver& s : e.switchovers)
        marks.push_back({s.t, EventKind::SwitchOver});
    for (const double t : e.switchbacks)
        marks.push_back({t, EventKind::SwitchBack});
    for (const Episode& c : e.cutoffs)
        marks.push_back({c.t, EventKind::CutOff});
    for (const Episode& l : e.link_losses) {
        marks.push_back({l.t, EventKind::LinkLost});
        if (l.duration_s)
            marks.push_back({l.t + *l.duration_s, EventKind::LinkBack});
    }
    for (const LearningRun& r : e.learning) {
        marks.push_back({r.t, EventKind::LearningStarted});
        if (r.end != LearningEnd::RecordingEnded)
            marks.push_back({r.t + r.duration_s, EventKind::LearningEnded});
    }
    std::stable_sort(marks.begin(), marks.end(),
                     [](const EventMark& a, const EventMark& b) { return a.t < b.t; });
    return marks;
}

std::optional<double> shift_on_switchover(const DriveEvents& first, const DriveEvents& second) {
    if (first.switchovers.empty() || second.switchovers.empty())
        return std::nullopt;
    return first.switchovers.front().t - second.switchovers.front().t;
}

std::optional<double> shift_on_marker(const std::vector<Marker>& first,
                                      const std::vector<Marker>& second, const std::string& note) {
    const Marker* a = first_with(first, note);
    const Marker* b = first_with(second, note);
    if (!a || !b)
        return std::nullopt;
    return a->t - b->t;
}

std::vector<std::string> shared_notes(const std::vector<Marker>& first,
                                      const std::vector<Marker>& second) {
    std::vector<std::string> notes;
    for (const Marker& m : first)
        if (first_with(second, m.note) &&
            std::find(notes.begin(), notes.end(), m.note) == notes.end())
            notes.push_back(m.note);
    return notes;
}

}  // namespace tarvex
