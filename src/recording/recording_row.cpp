// SPDX-License-Identifier: MIT
#include "recording/recording_row.h"

#include <time.h>

#include <charconv>
#include <cstdio>

namespace tarvex {

namespace {

// The first four characters of printf's "%f", as the dashboard draws volts.
std::string four_chars(double v) {
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, 6);
    const std::size_t n = static_cast<std::size_t>(r.ptr - buf);
    return std::string(buf, n < 4 ? n : 4);
}

void append_int(std::string& out, long v) {
    char buf[24];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    out.append(buf, r.ptr);
}

// The learning column's words, in the order of Learning.
constexpr std::string_view kLearningWords[] = {
    "unknown", "not-reported", "running",     "lpg-off",
    "cut-off", "ready",        "waiting-rpm", "waiting-temperature",
};

// The TPS cell: four characters of the volts, "_.__", "ON" or "OFF".
std::string tps_text(const TpsReading& tps) {
    switch (tps.shown) {
        case TpsShown::None:
            return "_.__";
        case TpsShown::SwitchOn:
            return "ON";
        case TpsShown::SwitchOff:
            return "OFF";
        default:
            return four_chars(tps.volts);
    }
}

void append_hex(std::string& out, const ReplyBytes& r) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    for (std::size_t i = 0; i < r.size; ++i) {
        out += kDigits[r.bytes[i] >> 4];
        out += kDigits[r.bytes[i] & 0x0F];
    }
}

}  // namespace

std::string recording_header() {
    std::string h;
    for (std::size_t i = 0; i < kRecordingColumns.size(); ++i) {
        if (i)
            h += ',';
        h += kRecordingColumns[i];
    }
    return h + "\r\n";
}

std::string_view link_word(LinkReading link) {
    static constexpr std::string_view kWords[] = {"connected", "unsupported", "no-connection",
                                                  "lost"};
    return kWords[static_cast<int>(link)];
}

std::string iso_local_time(LinkClock::Wall::time_point t) {
    using namespace std::chrono;
    const auto ms = duration_cast<milliseconds>(t.time_since_epoch()).count();
    time_t secs = static_cast<time_t>(ms / 1000);
    long frac = static_cast<long>(ms % 1000);
    if (frac < 0) {
        frac += 1000;
        secs -= 1;
    }
    tm local{};
    localtime_r(&secs, &local);
    char date[32];
    strftime(date, sizeof date, "%Y-%m-%dT%H:%M:%S", &local);
    const long off = local.tm_gmtoff;
    const long off_abs = off < 0 ? -off : off;
    char buf[64];
    std::snprintf(buf, sizeof buf, "%s.%03ld%c%02ld:%02ld", date, frac, off < 0 ? '-' : '+',
                  off_abs / 3600, (off_abs % 3600) / 60);
    return buf;
}

void append_recording_row(std::string& out, const TickFrames& tick, double seconds,
                          const Readings& r) {
    out += iso_local_time(tick.started_wall);
    out += ',';
    char buf[32];
    const auto end = std::to_chars(buf, buf + sizeof buf, seconds, std::chars_format::fixed, 3);
    out.append(buf, end.ptr);
    for (const ReplyBytes& reply : tick.replies) {
        out += ',';
        append_hex(out, reply);
    }
    // Nothing is read without a link to a generation-2 controller: the image
    // then holds zeros or old frames, which are no readings of this tick.
    if (r.link != LinkReading::Connected) {
        // Empty reading cells: engine speed to learning.
        out += ",,,,,,,,,,,";
        out += link_word(r.link);
        out += "\r\n";
        return;
    }
    out += ',';
    append_int(out, r.engine_speed_rpm);
    out += ',';
    out += four_chars(r.lambda_volts);
    out += ',';
    out += tps_text(r.tps);
    out += ',';
    append_int(out, r.actuator_step);
    out += ',';
    append_int(out, r.start_position);
    out += ',';
    append_int(out, r.reducer_temperature_c);
    out += ',';
    // The fuel box of the status panel.
    out += r.fuel == Fuel::Gas ? "LPG" : "petrol";
    out += r.lpg_off ? ",1" : ",0";
    out += r.cut_off ? ",1" : ",0";
    out += ',';
    out += kLearningWords[static_cast<int>(r.learning)];
    out += ',';
    out += link_word(r.link);
    out += "\r\n";
}

}  // namespace tarvex
