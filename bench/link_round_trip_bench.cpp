// SPDX-License-Identifier: MIT
// Round trips of the four read commands against tarvex-sim paced at 9600 baud
// 8N1, beside the wire time of the bytes moved (10 bits a byte: 1.042 ms).
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <memory>

#include "link/link_state.h"
#include "ports/posix_serial_port.h"
#include "support/sim_process.h"

using namespace tarvex;

namespace {

struct Session {
    std::unique_ptr<tarvex::testing::SimProcess> sim;
    PosixSerialPort port;
    LinkState link;
    ControllerImage image;
};
Session* g_session = nullptr;

constexpr double kByteMs = 10.0 * 1000.0 / 9600.0;

template <typename Read>
void round_trip(benchmark::State& state, Read read, int bytes_moved) {
    Session& s = *g_session;
    const double wire_ms = bytes_moved * kByteMs;
    double total_ms = 0;
    bool all_good = true;
    for (auto _ : state) {
        const auto t0 = std::chrono::steady_clock::now();
        read(s.link, s.image);
        const auto t1 = std::chrono::steady_clock::now();
        const double ms = std::chrono::duration<double, std::milli>(t1 - t0).count();
        state.SetIterationTime(ms / 1000.0);
        total_ms += ms;
        all_good &= s.link.PortOpen == 1 && s.link.NoConnection == 0;
    }
    const double mean_ms = total_ms / static_cast<double>(state.iterations());
    state.counters["wire_ms"] = wire_ms;
    state.counters["ratio"] = mean_ms / wire_ms;
    if (!all_good)
        state.SkipWithError("the link failed during the run");
}

void BM_StatusPoll(benchmark::State& st) {
    round_trip(st, poll_status, 4 + 4);
}
void BM_ReadLive(benchmark::State& st) {
    round_trip(st, read_live, 4 + 11);
}
void BM_ReadSettings1(benchmark::State& st) {
    round_trip(st, read_settings1, 4 + 15);
}
void BM_ReadSettings2(benchmark::State& st) {
    round_trip(st, read_settings2, 4 + 16);
}

}  // namespace

BENCHMARK(BM_StatusPoll)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(60)
    ->Repetitions(5);
BENCHMARK(BM_ReadLive)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(40)
    ->Repetitions(5);
BENCHMARK(BM_ReadSettings1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(30)
    ->Repetitions(5);
BENCHMARK(BM_ReadSettings2)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(30)
    ->Repetitions(5);

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    Session session;
    session.sim = std::make_unique<tarvex::testing::SimProcess>();
    if (!session.sim->ready()) {
        std::fprintf(stderr, "tarvex-sim did not start\n");
        return 1;
    }
    session.link.port = &session.port;
    session.link.devices.device[0] = session.sim->link();
    poll_status(session.link, session.image);
    if (session.link.NoConnection != 0) {
        std::fprintf(stderr, "no answer from tarvex-sim on %s\n", session.sim->link().c_str());
        return 1;
    }
    g_session = &session;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
