// SPDX-License-Identifier: MIT
// The cost recording adds to a poll tick: decoding the image, formatting the
// row and writing it to a file, once per tick (budget: 0.1 ms a row).
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>
#include <string>

#include "recording/recorder.h"
#include "recording/recording_row.h"

using namespace tarvex;

namespace {

// A port that answers every read at once with a fixed frame.
class InstantPort final : public SerialPort {
  public:
    bool open(const std::string&) override { return true; }
    void close() override {}
    void purge_receive() override {}
    void purge_transmit() override {}
    std::size_t write(std::span<const std::uint8_t> b) override { return b.size(); }
    std::size_t read(std::span<std::uint8_t> into) override {
        for (std::size_t i = 0; i < into.size(); ++i)
            into[i] = static_cast<std::uint8_t>(0x65 + i);
        return into.size();
    }
    void sleep_ms(int) override {}
};

struct Bench {
    InstantPort port;
    LinkState link;
    ControllerImage image;
    Bench() {
        link.port = &port;
        link.NoConnection = 0;
        image.StatusFrame = {0x65, 0x01, 0x26, 0x8C};
        image.LiveFrame = {0x65, 120, 23, 140, 120, 0x4C, 0x1D, 0x18, 0xD1, 150, 0};
        image.SettingsBlock1[block1::LambdaType] = 0x01;
        image.SettingsBlock1[block1::EmulType] = 0x80;
    }
};

// One tick as the Readings view polls on every fourth tick (status, live and
// both settings blocks), the previous tick's row written when it starts.
void BM_RecordRow(benchmark::State& state) {
    Bench b;
    char path[] = "/tmp/tarvex-bench-XXXXXX";
    const int fd = mkstemp(path);
    if (fd < 0) {
        state.SkipWithError("no temporary file");
        return;
    }
    ::close(fd);
    Recorder rec(b.link, b.image);
    if (!rec.start(path)) {
        state.SkipWithError(rec.error().c_str());
        return;
    }
    SerialPort& p = *b.link.port;
    std::uint8_t buf[16];
    const auto status = command_frame(1, 1), live = command_frame(2, 2), s1 = command_frame(3, 3),
               s2 = command_frame(4, 4);
    for (auto _ : state) {
        p.write(status);
        p.read({buf, 4});
        p.write(live);
        p.read({buf, 11});
        p.write(s1);
        p.read({buf, 15});
        p.write(s2);
        p.read({buf, 16});
    }
    rec.stop();
    if (rec.failed())
        state.SkipWithError(rec.error().c_str());
    state.counters["rows"] = static_cast<double>(rec.rows());
    ::unlink(path);
}

// Formatting alone, without the write.
void BM_FormatRow(benchmark::State& state) {
    Bench b;
    TickFrames tick;
    tick.started_wall = LinkClock::Wall::now();
    for (auto& r : tick.replies)
        r.size = 11;
    std::string row;
    for (auto _ : state) {
        row.clear();
        append_recording_row(row, tick, 123.456, decode_readings(b.image, b.link));
        benchmark::DoNotOptimize(row.data());
    }
}

}  // namespace

BENCHMARK(BM_RecordRow)->Unit(benchmark::kMicrosecond)->Repetitions(5);
BENCHMARK(BM_FormatRow)->Unit(benchmark::kMicrosecond)->Repetitions(5);

BENCHMARK_MAIN();
