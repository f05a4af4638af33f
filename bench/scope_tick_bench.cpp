// SPDX-License-Identifier: MIT
// The oscilloscope's tick at the wire's limit: the period of the real view's
// ticks (status and live data polled, the sweep drawn, the event loop
// between ticks) against a bare client polling the same two commands in a
// loop, both from tarvex-sim paced at 9600 baud. 23 bytes on the wire make
// 23.96 ms; the goal is the view within 3 % of the bare client.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEventLoop>
#include <QStyleFactory>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <vector>

#include "app/commands.h"
#include "app/main_window.h"
#include "ports/posix_serial_port.h"
#include "readings/dial_tables.h"
#include "scope/scope_view.h"
#include "support/sim_process.h"

using namespace tarvex;
using Clock = std::chrono::steady_clock;

namespace {

std::unique_ptr<tarvex::testing::SimProcess> g_sim;
constexpr double kWireMs = 23 * 10.0 * 1000.0 / 9600.0;

double ms_between(Clock::time_point a, Clock::time_point b) {
    return std::chrono::duration<double, std::milli>(b - a).count();
}

// The median of one repetition's ticks, beside the wire time.
void report(benchmark::State& state, std::vector<double> ticks, bool good) {
    std::sort(ticks.begin(), ticks.end());
    state.counters["median_ms"] = ticks.empty() ? 0.0 : ticks[ticks.size() / 2];
    state.counters["wire_ms"] = kWireMs;
    if (!good)
        state.SkipWithError("the link failed during the run");
}

// Status and live data back to back, nothing else.
void BM_BareClientTick(benchmark::State& state) {
    PosixSerialPort port;
    LinkState link;
    ControllerImage image;
    link.port = &port;
    link.devices.device[0] = g_sim->link();
    poll_status(link, image);
    bool good = true;
    std::vector<double> ticks;
    for (auto _ : state) {
        const auto t0 = Clock::now();
        poll_status(link, image);
        read_live(link, image);
        ticks.push_back(ms_between(t0, Clock::now()));
        state.SetIterationTime(ticks.back() / 1000.0);
        good &= link.NoConnection == 0 && image.LiveFrame[0] == 0x65;
    }
    report(state, std::move(ticks), good);
}

// The Oscilloscope view at 1280x1024 running on its own timer: one
// iteration is the time from one tick to the next.
void BM_ScopeViewTick(benchmark::State& state) {
    Program program;
    PosixSerialPort port;
    program.link.port = &port;
    program.link.devices.device[0] = g_sim->link();
    build_dial_tables(program.dial);
    MainWindow window(program, [] { return QSize(1280, 1024); });
    window.show();
    window.run_command(cmd::Oscilloscope);
    auto* view = qobject_cast<ScopeView*>(window.current_view());
    QEventLoop loop;
    Clock::time_point last{};
    QObject::connect(&view->timer(), &QTimer::timeout, &loop, [&] {
        last = Clock::now();
        loop.quit();
    });
    for (int i = 0; i < 10; ++i)  // connected, settings read, timer armed
        loop.exec();
    bool good = true;
    std::vector<double> ticks;
    for (auto _ : state) {
        const auto before = last;
        loop.exec();
        ticks.push_back(ms_between(before, last));
        state.SetIterationTime(ticks.back() / 1000.0);
        good &= program.link.NoConnection == 0;
    }
    report(state, std::move(ticks), good);
}

}  // namespace

BENCHMARK(BM_BareClientTick)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(80)
    ->Repetitions(5);
BENCHMARK(BM_ScopeViewTick)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(80)
    ->Repetitions(5);

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    benchmark::Initialize(&argc, argv);
    g_sim = std::make_unique<tarvex::testing::SimProcess>();  // paced at 9600 baud
    if (!g_sim->ready()) {
        std::fprintf(stderr, "tarvex-sim did not start\n");
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    g_sim.reset();
    return 0;
}
