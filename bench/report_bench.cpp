// SPDX-License-Identifier: MIT
// The customer's report of a half-hour drive, from the recording on the disk
// to the bytes of its file, under 2 s: HTML (charts as PNG inside it) and PDF.
// The recording is written first by the simulator at simulated time.
#include <benchmark/benchmark.h>

#include <stdlib.h>

#include <QGuiApplication>

#include <filesystem>
#include <string>

#include "recording/recording_reader.h"
#include "review/report/drive_report.h"
#include "sim/offline_drive.h"

using namespace tarvex;
namespace fs = std::filesystem;

namespace {

struct HalfHour {
    fs::path dir;
    std::string path;
    HalfHour() {
        char tmpl[] = "/tmp/tarvex-report-bench-XXXXXX";
        dir = mkdtemp(tmpl);
        path = (dir / "town.csv").string();
        sim::SimController controller;
        controller.set_scenario({sim::DriveProfile::TownCold, sim::SensorFault::None, 7});
        sim::OfflineDrive drive;
        drive.path = path;
        drive.seconds = 1800;
        std::string error;
        sim::write_offline_recording(controller, drive, error);
    }
    ~HalfHour() { fs::remove_all(dir); }
};

const std::string& half_hour() {
    static HalfHour h;
    return h.path;
}

// Load, decode, analyse, lay out and render, as Save report... does.
void report(benchmark::State& state, ReportFormat format) {
    const UiTexts texts;
    const ReportFields fields{"Skoda Octavia", "WX 4821K", "Anna Nowak", "Marek Zielinski"};
    std::size_t bytes = 0;
    for (auto _ : state) {
        Recording recording;
        std::string error;
        if (!load_recording(half_hour(), recording, error)) {
            state.SkipWithError(error.c_str());
            return;
        }
        const DriveSamples samples = decode_drive(recording);
        const DriveReportDocument doc =
            make_drive_report(samples, analyse_drive(samples), fields, {texts, "pol"});
        bytes = static_cast<std::size_t>(drive_report_bytes(doc, format).size());
    }
    state.counters["kib"] = static_cast<double>(bytes) / 1024;
}

void BM_ReportHtmlHalfHour(benchmark::State& state) {
    report(state, ReportFormat::Html);
}
void BM_ReportPdfHalfHour(benchmark::State& state) {
    report(state, ReportFormat::Pdf);
}

}  // namespace

BENCHMARK(BM_ReportHtmlHalfHour)->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(5);
BENCHMARK(BM_ReportPdfHalfHour)->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(5);

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
