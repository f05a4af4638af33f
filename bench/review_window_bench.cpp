// SPDX-License-Identifier: MIT
// The review window's charts: one full redraw of every strip, band, event and
// cursor of an eight-hour recording at 1920x1080 after a zoom or a pan, as
// the window paints it (budget 16 ms). The recording is written first by the
// simulator at simulated time.
#include <benchmark/benchmark.h>

#include <stdlib.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>
#include <filesystem>
#include <random>

#include "review/strip_chart.h"
#include "sim/offline_drive.h"

using namespace tarvex;
namespace fs = std::filesystem;

namespace {

void BM_RedrawReviewCharts(benchmark::State& state) {
    char tmpl[] = "/tmp/tarvex-review-window-bench-XXXXXX";
    const fs::path dir = mkdtemp(tmpl);
    sim::SimController controller;
    controller.set_scenario({sim::DriveProfile::MotorwayWarm, sim::SensorFault::None, 7});
    sim::OfflineDrive drive;
    drive.path = (dir / "eight-hours.csv").string();
    drive.seconds = 8 * 3600;
    drive.pace = sim::PollPace::Oscilloscope;
    std::string error;
    std::unique_ptr<ReviewDrive> opened;
    if (sim::write_offline_recording(controller, drive, error))
        opened = open_review_drive(drive.path, error);
    fs::remove_all(dir);
    if (!opened) {
        state.SkipWithError(error.c_str());
        return;
    }
    ChartScene scene;
    scene.drive = opened.get();
    scene.window.fit(opened->length());
    scene.cursor_a = opened->length() * 0.3;
    scene.cursor_b = opened->length() * 0.6;
    QImage image(1920, 1080, QImage::Format_ARGB32_Premultiplied);
    std::mt19937 rng(5);
    const double length = opened->length();
    // Spans from the whole eight hours down to ten seconds, as in review_bench.
    const double spans[] = {length, length / 2, 3600, 600, 60, 10};
    std::size_t k = 0;
    for (auto _ : state) {
        // A zoom to a span around a random place, or a pan of it, then the whole redraw.
        if (k % 2 == 0) {
            scene.window.fit(length);
            scene.window.zoom(spans[k / 2 % std::size(spans)] / length,
                              std::uniform_real_distribution<double>(0, 1)(rng));
        } else {
            scene.window.pan(std::uniform_real_distribution<double>(-1, 1)(rng));
        }
        ++k;
        QPainter p(&image);
        paint_charts(p, image.size(), 1.0, scene);
        p.end();
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["rows"] = static_cast<double>(opened->samples.size());
}

}  // namespace

BENCHMARK(BM_RedrawReviewCharts)->Unit(benchmark::kMillisecond)->Iterations(60)->Repetitions(5);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);  // fonts for the charts' texts
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
