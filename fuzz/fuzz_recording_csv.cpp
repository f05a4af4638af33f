// SPDX-License-Identifier: MIT
// A recording's CSV text: any bytes, never fatal; what is read is ordered in
// time with replies of at most 16 bytes, and plays back without fault.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "recording/playback_port.h"
#include "recording/recording_reader.h"

namespace {

class StillClock final : public tarvex::LinkClock {
  public:
    Steady::time_point now() override { return t; }
    Wall::time_point wall_now() override { return {}; }
    void sleep_until(Steady::time_point until) override {
        if (until > t)
            t = until;
    }
    Steady::time_point t{};
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tarvex::Recording rec;
    std::string error;
    const bool ok = tarvex::parse_recording(
        std::string_view(reinterpret_cast<const char*>(data), size), rec, error);
    if (ok == rec.empty() || (!ok && error.empty()))
        std::abort();
    double last = 0;
    for (std::size_t i = 0; i < rec.size(); ++i) {
        const tarvex::RecordedTick t = rec.tick(i);
        if (!std::isfinite(t.seconds) || t.seconds < last)
            std::abort();
        last = t.seconds;
        for (const auto& r : t.replies)
            if (r.size > r.bytes.size())
                std::abort();
    }
    if (!ok)
        return 0;
    StillClock clock;
    tarvex::PlaybackSerialPort port(rec, clock);
    port.open("");
    const double first = rec.seconds(0);
    for (std::size_t i = 0; i < rec.size() && i < 64; ++i)
        for (int command = 1; command <= 4; ++command) {
            const auto r = port.reply_at(command, rec.seconds(i) - first);
            if (r && (r->size == 0 || r->size > r->bytes.size()))
                std::abort();
        }
    return 0;
}
