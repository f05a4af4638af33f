// SPDX-License-Identifier: MIT
#include "recording/recording_row.h"

#include <time.h>

#include <charconv>
#include <cstdio>

#include "link/conversions.h"

namespace tarvex {

namespace {

int generation_of(const ControllerImage& image) {
    return (image.FirmwareVersion() >> 5) + 1;
}

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

std::string_view link_state_word(const ControllerImage& image, const LinkState& link) {
    if (link.NoConnection)
        return link.PollPeriod == kPollPeriodLost ? "lost" : "no-connection";
    return generation_of(image) == 2 ? "connected" : "unsupported";
}

std::string_view learning_state(const ControllerImage& image, const LinkState& link) {
    if (link.NoConnection || generation_of(image) != 2 || !(image.LiveStateBits() & 0x08))
        return "unknown";
    if (!(image.EmulType() & 0x80))
        return "not-reported";
    const int F = image.LiveFuelBits();
    if (F & 0x02)
        return "running";
    if (F & 0x04)
        return "lpg-off";
    if ((F & 0x80) && (F & 0x40))
        return (F & 0x08) ? "cut-off" : "ready";
    if (F & 0x80)
        return "waiting-rpm";
    return "waiting-temperature";
}

RecordedReadings decode_readings(const ControllerImage& img, const LinkState& link) {
    RecordedReadings r;
    r.link = link_state_word(img, link);
    // Nothing is read without a link to a generation-2 controller: the image
    // then holds zeros or old frames, which are no readings of this tick.
    r.read = !link.NoConnection && generation_of(img) == 2;
    if (!r.read)
        return r;
    r.engine_speed_rpm =
        img.EnginePeriodHi() == 255 ? 0 : engine_speed(img.EnginePeriodHi(), img.EnginePeriodLo());
    r.lambda_voltage = four_chars(sensor_voltage(img.LambdaVoltage()));
    const double tps = sensor_voltage(img.TpsVoltage());
    switch (img.LambdaType() & 0x0F) {
        case 1:
            r.tps = four_chars(5 - tps);
            break;
        case 2:
        case 3:
            r.tps = "_.__";
            break;
        case 6:
        case 7:
            r.tps = (img.LiveStateBits() & 0x10) ? "OFF" : "ON";
            break;
        default:
            r.tps = four_chars(tps);
            break;
    }
    r.actuator_step = img.ActuatorStep();
    r.start_position = img.AttInit();
    r.reducer_temperature_c = temperature_from_raw(img.ReducerTempRaw());
    // The fuel box of the status panel: petrol without an engine-speed
    // signal, else by fuel bit 0.
    if (!(img.LiveStateBits() & 0x08))
        r.fuel = "petrol";
    else
        r.fuel = (img.LiveFuelBits() & 0x01) ? "LPG" : "petrol";
    r.lpg_off = img.LiveFuelBits() & 0x04;
    r.cut_off = img.LiveFuelBits() & 0x08;
    r.learning = learning_state(img, link);
    return r;
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
                          const RecordedReadings& r) {
    out += iso_local_time(tick.started_wall);
    out += ',';
    char buf[32];
    const auto end = std::to_chars(buf, buf + sizeof buf, seconds, std::chars_format::fixed, 3);
    out.append(buf, end.ptr);
    for (const ReplyBytes& reply : tick.replies) {
        out += ',';
        append_hex(out, reply);
    }
    if (!r.read) {
        // Empty reading cells: engine speed to learning.
        out += ",,,,,,,,,,,";
        out += r.link;
        out += "\r\n";
        return;
    }
    out += ',';
    append_int(out, r.engine_speed_rpm);
    out += ',';
    out += r.lambda_voltage;
    out += ',';
    out += r.tps;
    out += ',';
    append_int(out, r.actuator_step);
    out += ',';
    append_int(out, r.start_position);
    out += ',';
    append_int(out, r.reducer_temperature_c);
    out += ',';
    out += r.fuel;
    out += r.lpg_off ? ",1" : ",0";
    out += r.cut_off ? ",1" : ",0";
    out += ',';
    out += r.learning;
    out += ',';
    out += r.link;
    out += "\r\n";
}

}  // namespace tarvex
