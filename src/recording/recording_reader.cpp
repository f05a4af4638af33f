// SPDX-License-Identifier: MIT
#include "recording/recording_reader.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstring>
#include <vector>

#include "files/file_access.h"

namespace tarvex {

namespace {

// Limits well above what the recorder writes; anything beyond is not a recording.
constexpr std::size_t kMaxField = 4096;
constexpr std::size_t kMaxFields = 64;
// The longest record that can be well formed: every field quoted, every
// character a doubled quote.
constexpr std::size_t kMaxRecord = kMaxFields * (2 * kMaxField + 3);
constexpr std::size_t kChunk = std::size_t{1} << 20;

enum class Record { Whole, Cut, Malformed, Binary, End };

struct Field {
    std::string_view raw;  // as in the file, quotes included
    bool quoted = false;
};

// Splits one RFC 4180 record off the front of t: fields separated by commas,
// a field quoted when it starts with a double quote (two of them stand for
// one), the record ended by CR LF or LF outside quotes. Cut: t ends first.
// For a whole record, used is its length and lines the line ends in it.
Record split_record(std::string_view t, std::vector<Field>& fields, std::size_t& used,
                    std::size_t& lines) {
    fields.clear();
    lines = 0;
    const std::size_t n = t.size();
    if (n == 0)
        return Record::End;
    std::size_t pos = 0;
    for (;;) {
        const std::size_t start = pos;
        Field f;
        if (t[pos] == '"') {
            f.quoted = true;
            ++pos;
            for (;;) {
                const void* q = std::memchr(t.data() + pos, '"', n - pos);
                if (!q)
                    return Record::Cut;
                const std::size_t at =
                    static_cast<std::size_t>(static_cast<const char*>(q) - t.data());
                for (std::size_t i = pos; i < at; ++i)
                    lines += t[i] == '\n';
                pos = at + 1;
                if (pos >= n)
                    return Record::Cut;
                if (t[pos] != '"')
                    break;
                ++pos;  // a doubled quote
            }
            if (pos - start > 2 * kMaxField + 2)
                return Record::Malformed;
        } else {
            for (; pos < n; ++pos) {
                const auto u = static_cast<unsigned char>(t[pos]);
                if (u == ',' || u == '\r' || u == '\n')
                    break;
                if (u == '"')
                    return Record::Malformed;
                if (u < 0x20 || u == 0x7F)
                    return Record::Binary;
            }
            if (pos - start > kMaxField)
                return Record::Malformed;
        }
        if (pos >= n)
            return Record::Cut;
        f.raw = t.substr(start, pos - start);
        fields.push_back(f);
        if (fields.size() > kMaxFields)
            return Record::Malformed;
        const char c = t[pos];
        if (c == ',') {
            if (++pos >= n)
                return Record::Cut;
            continue;
        }
        if (c == '\r') {
            if (pos + 1 >= n)
                return Record::Cut;
            if (t[pos + 1] != '\n')
                return Record::Malformed;
            ++pos;
        } else if (c != '\n') {
            return Record::Malformed;  // text right after a closing quote
        }
        used = pos + 1;
        ++lines;
        return Record::Whole;
    }
}

// The value of a field: a quoted one without its quotes, doubled quotes made one.
std::string_view value_of(const Field& f, std::string& scratch) {
    if (!f.quoted)
        return f.raw;
    scratch.clear();
    for (std::size_t i = 1; i + 1 < f.raw.size(); ++i) {
        scratch += f.raw[i];
        if (f.raw[i] == '"')
            ++i;
    }
    return scratch;
}

// The text of a recording, a record at a time, with the line each starts on.
// From a file it passes through a buffer of a chunk or two; text already in
// memory is read in place.
class RecordStream {
  public:
    explicit RecordStream(std::string_view text) : window_(text), eof_(true) {}
    explicit RecordStream(FileReader& file) : file_(&file) {}

    Record next(std::vector<Field>& fields) {
        for (;;) {
            std::size_t used = 0, lines = 0;
            const Record r = split_record(window_, fields, used, lines);
            if ((r == Record::Cut || r == Record::End) && !eof_) {
                if (window_.size() > kMaxRecord)
                    return Record::Malformed;
                refill();
                continue;
            }
            line_ = next_line_;
            if (r == Record::Whole) {
                window_.remove_prefix(used);
                next_line_ += lines;
            }
            return r;
        }
    }
    // The line the last record started on, counted from 1.
    std::size_t line() const { return line_; }
    void skip(std::size_t n) { window_.remove_prefix(std::min(n, window_.size())); }
    std::string_view ahead() const { return window_; }
    // Why the file could not be read to its end, or empty.
    const std::string& read_error() const { return read_error_; }
    bool too_large() const { return read_ > static_cast<unsigned long long>(kMaxRecordingBytes); }

  private:
    void refill() {
        // Keep what is left of the buffer, then read a chunk after it.
        const std::size_t left = window_.size();
        if (left)
            std::memmove(storage_.data(), window_.data(), left);
        storage_.resize(left + kChunk);
        long n;
        do
            n = file_->read_some(storage_.data() + left, kChunk);
        while (n < 0 && errno == EINTR);
        if (n < 0)
            read_error_ = std::strerror(errno);
        const std::size_t got = n > 0 ? static_cast<std::size_t>(n) : 0;
        read_ += got;
        eof_ = got == 0 || too_large();
        storage_.resize(left + got);
        window_ = std::string_view(storage_.data(), storage_.size());
    }

    FileReader* file_ = nullptr;
    std::string storage_;
    std::string_view window_;
    bool eof_ = false;
    unsigned long long read_ = 0;
    std::size_t line_ = 1, next_line_ = 1;
    std::string read_error_;
};

int hex_digit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

bool parse_hex(std::string_view s, ReplyBytes& out) {
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
bool parse_seconds(std::string_view s, double& out) {
    if (s.empty() || s.size() > 32)
        return false;
    for (char c : s)
        if (!(c >= '0' && c <= '9') && c != '.')
            return false;
    const auto r = std::from_chars(s.data(), s.data() + s.size(), out);
    return r.ec == std::errc() && r.ptr == s.data() + s.size() && std::isfinite(out);
}

// The link as the recorder writes it in the "link" column.
bool parse_link(std::string_view s, LinkReading& out) {
    static constexpr std::pair<std::string_view, LinkReading> kWords[] = {
        {"connected", LinkReading::Connected},
        {"unsupported", LinkReading::Unsupported},
        {"no-connection", LinkReading::NoConnection},
        {"lost", LinkReading::Lost},
    };
    for (const auto& [word, link] : kWords)
        if (s == word) {
            out = link;
            return true;
        }
    return false;
}

// Whether text is UTF-8 (ASCII included): a file that starts otherwise is
// binary data, not a spreadsheet's text.
bool valid_utf8(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        const std::size_t n = c < 0x80         ? 1
                              : (c >> 5) == 6  ? 2
                              : (c >> 4) == 14 ? 3
                              : (c >> 3) == 30 ? 4
                                               : 0;
        if (n == 0 || i + n > s.size())
            return false;
        for (std::size_t k = 1; k < n; ++k)
            if ((static_cast<unsigned char>(s[i + k]) >> 6) != 2)
                return false;
        i += n;
    }
    return true;
}

std::string too_large_text() {
    return "the file is larger than 1 GiB, the most a recording may be";
}

bool read_recording(RecordStream& in, Recording& out, std::string& error) {
    out = Recording{};
    if (in.ahead().substr(0, 3) == "\xEF\xBB\xBF")
        in.skip(3);
    std::vector<Field> fields;
    std::string scratch;
    const Record head = in.next(fields);
    bool text = head != Record::Binary;
    for (std::size_t i = 0; text && i < fields.size(); ++i)
        text = valid_utf8(fields[i].raw);
    if (!text) {
        error = "not a recording: line 1 holds binary data";
        return false;
    }
    if (head != Record::Whole) {
        error = "not a recording: no header line";
        return false;
    }
    const std::size_t columns = fields.size();
    // seconds, the four frames, then the optional time and link.
    constexpr std::string_view kNames[7] = {
        "seconds",         "status_frame", "live_frame", "settings1_frame",
        "settings2_frame", "time",         "link"};
    std::size_t at[7];
    for (std::size_t k = 0; k < 7; ++k) {
        at[k] = columns;
        for (std::size_t i = 0; i < columns; ++i)
            if (value_of(fields[i], scratch) == kNames[k])
                at[k] = i;
        if (k < 5 && at[k] == columns) {
            error = "not a recording: line 1 has no column \"" + std::string(kNames[k]) + "\"";
            return false;
        }
    }
    const bool has_time = at[5] < columns, has_link = at[6] < columns;
    for (std::size_t row = 1;; ++row) {
        const Record r = in.next(fields);
        if (in.too_large()) {
            out = Recording{};  // refused whole
            error = too_large_text();
            return false;
        }
        if (r == Record::End)
            break;
        const char* why = nullptr;
        RecordedTick tick;
        if (r == Record::Cut)
            why = " is cut off";
        else if (r == Record::Binary)
            why = " holds binary data";
        else if (r == Record::Malformed || fields.size() != columns)
            why = " is damaged";
        else if (!parse_seconds(value_of(fields[at[0]], scratch), tick.seconds) ||
                 (!out.empty() && tick.seconds < out.seconds(out.size() - 1)))
            why = ": bad seconds";
        for (std::size_t k = 0; k < 4 && !why; ++k)
            if (!parse_hex(value_of(fields[at[k + 1]], scratch), tick.replies[k]))
                why = ": bad frame";
        if (why) {
            out.problem = "line " + std::to_string(in.line()) + ": row " + std::to_string(row) +
                          why + "; only the rows before it are read";
            out.problem_line = in.line();
            break;
        }
        if (out.size() == kMaxRecordingRows) {
            out = Recording{};  // refused whole
            error = "the recording has more than 2,000,000 rows, the most it may have";
            static_assert(kMaxRecordingRows == 2'000'000);
            return false;
        }
        LinkReading link{};
        const bool link_known = has_link && parse_link(value_of(fields[at[6]], scratch), link);
        out.append(tick, link_known ? &link : nullptr);
        if (has_time) {
            out.last_time = value_of(fields[at[5]], scratch);
            if (out.size() == 1)
                out.first_time = out.last_time;
        }
    }
    if (out.problem.empty() && !in.read_error().empty()) {
        out.problem = "line " + std::to_string(in.line()) +
                      ": the file could not be read further (" + in.read_error() +
                      "); only the rows before it are read";
        out.problem_line = in.line();
    }
    if (out.empty()) {
        error = out.problem.empty() ? "the recording holds no rows" : out.problem;
        return false;
    }
    return true;
}

}  // namespace

bool parse_recording(std::string_view text, Recording& out, std::string& error) {
    if (text.size() > static_cast<unsigned long long>(kMaxRecordingBytes)) {
        out = Recording{};
        error = too_large_text();
        return false;
    }
    RecordStream in(text);
    return read_recording(in, out, error);
}

bool load_recording(const std::string& path, Recording& out, std::string& error) {
    out = Recording{};
    FileReader file;
    if (!file.open(path)) {
        error = "cannot open the file: " + file.error();
        return false;
    }
    if (file.size() > kMaxRecordingBytes) {
        error = too_large_text();
        return false;
    }
    RecordStream in(file);
    return read_recording(in, out, error);
}

}  // namespace tarvex
