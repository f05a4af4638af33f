// SPDX-License-Identifier: MIT
#include "recording/recording_reader.h"

#include <charconv>
#include <cmath>
#include <istream>

#include "files/file_access.h"

namespace tarvex {

namespace {

// Limits well above what the recorder writes; anything beyond is not a recording.
constexpr std::size_t kMaxField = 4096;
constexpr std::size_t kMaxFields = 64;
constexpr std::size_t kMaxFileBytes = std::size_t{256} << 20;

enum class Record { Whole, Cut, Malformed, End };

// Reads one RFC 4180 record from pos: fields separated by commas, a field
// quoted when it starts with a double quote (two of them stand for one), the
// record ended by CR LF or LF outside quotes. Cut: the text ends first.
Record read_record(std::string_view t, std::size_t& pos, std::vector<std::string>& fields) {
    fields.clear();
    if (pos >= t.size())
        return Record::End;
    std::string field;
    for (;;) {
        field.clear();
        if (pos < t.size() && t[pos] == '"') {
            ++pos;
            for (;;) {
                if (pos >= t.size())
                    return Record::Cut;
                const char c = t[pos];
                if (c == '"') {
                    if (pos + 1 < t.size() && t[pos + 1] == '"') {
                        field += '"';
                        pos += 2;
                        continue;
                    }
                    if (pos + 1 >= t.size())
                        return Record::Cut;
                    ++pos;
                    break;
                }
                field += c;
                ++pos;
                if (field.size() > kMaxField)
                    return Record::Malformed;
            }
        } else {
            while (pos < t.size() && t[pos] != ',' && t[pos] != '\r' && t[pos] != '\n') {
                // No quotes or control characters outside quotes.
                const auto u = static_cast<unsigned char>(t[pos]);
                if (u == '"' || u < 0x20 || u == 0x7F)
                    return Record::Malformed;
                field += t[pos++];
                if (field.size() > kMaxField)
                    return Record::Malformed;
            }
        }
        if (pos >= t.size())
            return Record::Cut;
        fields.push_back(field);
        if (fields.size() > kMaxFields)
            return Record::Malformed;
        const char c = t[pos];
        if (c == ',') {
            ++pos;
            continue;
        }
        if (c == '\n') {
            ++pos;
            return Record::Whole;
        }
        if (c == '\r') {
            if (pos + 1 >= t.size())
                return Record::Cut;
            if (t[pos + 1] != '\n')
                return Record::Malformed;
            pos += 2;
            return Record::Whole;
        }
        return Record::Malformed;  // text right after a closing quote
    }
}

int hex_digit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

bool parse_hex(const std::string& s, ReplyBytes& out) {
    if (s.size() % 2 != 0 || s.size() / 2 > out.bytes.size())
        return false;
    for (std::size_t i = 0; i < s.size(); i += 2) {
        const int hi = hex_digit(s[i]);
        const int lo = hex_digit(s[i + 1]);
        if (hi < 0 || lo < 0)
            return false;
        out.bytes[i / 2] = static_cast<std::uint8_t>(hi << 4 | lo);
    }
    out.size = static_cast<std::uint8_t>(s.size() / 2);
    return true;
}

// Plain decimal seconds: digits, optionally a point and more digits.
bool parse_seconds(const std::string& s, double& out) {
    if (s.empty() || s.size() > 32)
        return false;
    for (char c : s)
        if (!(c >= '0' && c <= '9') && c != '.')
            return false;
    const auto r = std::from_chars(s.data(), s.data() + s.size(), out);
    return r.ec == std::errc() && r.ptr == s.data() + s.size() && std::isfinite(out);
}

}  // namespace

bool parse_recording(std::string_view text, Recording& out, std::string& error) {
    out = Recording{};
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    std::size_t pos = 0;
    std::vector<std::string> fields;
    if (read_record(text, pos, fields) != Record::Whole) {
        error = "not a recording: no header line";
        return false;
    }
    const std::size_t columns = fields.size();
    constexpr std::string_view kNeeded[5] = {"seconds", "status_frame", "live_frame",
                                             "settings1_frame", "settings2_frame"};
    std::size_t at[5];
    for (std::size_t k = 0; k < 5; ++k) {
        at[k] = columns;
        for (std::size_t i = 0; i < columns; ++i)
            if (fields[i] == kNeeded[k])
                at[k] = i;
        if (at[k] == columns) {
            error = "not a recording: no column \"" + std::string(kNeeded[k]) + "\"";
            return false;
        }
    }
    for (std::size_t row = 1;; ++row) {
        const Record r = read_record(text, pos, fields);
        if (r == Record::End)
            break;
        const std::string where = "row " + std::to_string(row);
        if (r == Record::Cut) {
            out.problem = where + " is cut off; playback ends before it";
            break;
        }
        RecordedTick tick;
        if (r == Record::Malformed || fields.size() != columns) {
            out.problem = where + " is damaged; playback ends before it";
            break;
        }
        if (!parse_seconds(fields[at[0]], tick.seconds) ||
            (!out.ticks.empty() && tick.seconds < out.ticks.back().seconds)) {
            out.problem = where + ": bad seconds; playback ends before it";
            break;
        }
        bool frames_ok = true;
        for (std::size_t k = 0; k < 4; ++k)
            frames_ok = frames_ok && parse_hex(fields[at[k + 1]], tick.replies[k]);
        if (!frames_ok) {
            out.problem = where + ": bad frame; playback ends before it";
            break;
        }
        out.ticks.push_back(tick);
    }
    if (out.ticks.empty()) {
        error = out.problem.empty() ? "the recording holds no rows" : out.problem;
        return false;
    }
    return true;
}

bool load_recording(const std::string& path, Recording& out, std::string& error) {
    FileReader file;
    if (!file.open(path)) {
        error = "cannot open the file";
        return false;
    }
    std::istream in(&file);
    std::string bytes;
    char chunk[1 << 16];
    while (bytes.size() < kMaxFileBytes && in.read(chunk, sizeof chunk).gcount() > 0)
        bytes.append(chunk, static_cast<std::size_t>(in.gcount()));
    return parse_recording(bytes, out, error);
}

}  // namespace tarvex
