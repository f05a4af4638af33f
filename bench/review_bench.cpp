// SPDX-License-Identifier: MIT
// The drive review's budgets: opening a recording of one hour (about 144,000
// rows at the oscilloscope's pace) under 0.3 s and of eight hours (1.15
// million rows) under 3 s in under 150 MB; the analysis of eight hours under
// 1 s; any zoom or pan of eight hours under 16 ms (the min/max of every
// channel and band for 4,000 pixel columns); and a 300 MB file of minimal
// rows refused at once, whole, as Play recording... and the review meet it.
// The recordings are written first by the simulator at simulated time.
#include <benchmark/benchmark.h>

#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <string>

#include "recording/recording_reader.h"
#include "review/drive_samples.h"
#include "review/envelope.h"
#include "review/findings.h"
#include "sim/offline_drive.h"

using namespace tarvex;
namespace fs = std::filesystem;

namespace {

// The recordings, written once into a folder removed at the end.
struct Files {
    fs::path dir;
    std::string one_hour, eight_hours, minimal_rows;
    Files() {
        char tmpl[] = "/tmp/tarvex-review-bench-XXXXXX";
        dir = mkdtemp(tmpl);
        one_hour = write_drive("one-hour.csv", 3600);
        eight_hours = write_drive("eight-hours.csv", 8 * 3600);
        minimal_rows = write_minimal_rows("minimal.csv", 300'000'000);
    }
    ~Files() { fs::remove_all(dir); }

    std::string write_drive(const char* name, double seconds) const {
        sim::SimController controller;
        controller.set_scenario({sim::DriveProfile::MotorwayWarm, sim::SensorFault::None, 7});
        sim::OfflineDrive drive;
        drive.path = (dir / name).string();
        drive.seconds = seconds;
        drive.pace = sim::PollPace::Oscilloscope;
        std::string error;
        if (!sim::write_offline_recording(controller, drive, error))
            std::fprintf(stderr, "cannot write %s: %s\n", name, error.c_str());
        return drive.path;
    }

    // The recorder's header, then rows with nothing but their seconds.
    std::string write_minimal_rows(const char* name, std::size_t bytes) const {
        const std::string path = (dir / name).string();
        std::ofstream out(path, std::ios::binary);
        out << "time,seconds,status_frame,live_frame,settings1_frame,settings2_frame,"
               "engine_speed_rpm,lambda_voltage_v,tps,actuator_step,start_position,"
               "reducer_temperature_c,fuel,lpg_off,cut_off,learning,link\r\n";
        std::string chunk;
        std::size_t written = 0;
        for (long row = 0; written < bytes; ++row) {
            chunk += "," + std::to_string(row / 20) + ",,,,,,,,,,,,,,,\r\n";
            if (chunk.size() > (1 << 20)) {
                out << chunk;
                written += chunk.size();
                chunk.clear();
            }
        }
        return path;
    }
};

Files& files() {
    static Files f;
    return f;
}

// What the review does on opening a file: load, decode, build the envelope.
std::size_t open_drive(const std::string& path) {
    Recording recording;
    std::string error;
    if (!load_recording(path, recording, error))
        return 0;
    const DriveSamples samples = decode_drive(recording);
    const DriveEnvelope envelope(samples);
    benchmark::DoNotOptimize(envelope.memory_bytes());
    return samples.size();
}

void BM_OpenOneHour(benchmark::State& state) {
    const std::string& path = files().one_hour;
    std::size_t rows = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(rows = open_drive(path));
    state.counters["rows"] = static_cast<double>(rows);
}

void BM_OpenEightHours(benchmark::State& state) {
    const std::string& path = files().eight_hours;
    std::size_t rows = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(rows = open_drive(path));
    state.counters["rows"] = static_cast<double>(rows);
}

// Play recording... loads the same file without decoding it.
void BM_LoadEightHoursForPlayback(benchmark::State& state) {
    const std::string& path = files().eight_hours;
    for (auto _ : state) {
        Recording recording;
        std::string error;
        benchmark::DoNotOptimize(load_recording(path, recording, error));
    }
}

// The peak resident memory of a process that opens the eight hours (this
// program run with --open FILE), in MiB.
void BM_OpenEightHoursPeakMemory(benchmark::State& state) {
    const std::string exe = fs::read_symlink("/proc/self/exe").string();
    double mib = 0;
    for (auto _ : state) {
        const std::string command = "'" + exe + "' --open '" + files().eight_hours + "'";
        std::unique_ptr<FILE, int (*)(FILE*)> child(popen(command.c_str(), "r"), pclose);
        if (!child || std::fscanf(child.get(), "%lf", &mib) != 1) {
            state.SkipWithError("the child did not report");
            return;
        }
    }
    state.counters["peak_mib"] = mib;
}

void BM_AnalyseEightHours(benchmark::State& state) {
    Recording recording;
    std::string error;
    load_recording(files().eight_hours, recording, error);
    const DriveSamples samples = decode_drive(recording);
    for (auto _ : state)
        benchmark::DoNotOptimize(analyse_drive(samples));
}

// One redraw after a zoom or pan: every channel and the bands for 4,000
// columns, over windows from the whole eight hours down to ten seconds.
void BM_EnvelopeRedraw(benchmark::State& state) {
    Recording recording;
    std::string error;
    load_recording(files().eight_hours, recording, error);
    const DriveSamples samples = decode_drive(recording);
    const DriveEnvelope envelope(samples);
    const double length = samples.time(samples.size() - 1);
    const double spans[] = {length, length / 2, 3600, 600, 60, 10};
    std::mt19937 rng(5);
    std::vector<ColumnRange> columns;
    std::vector<std::uint8_t> bands;
    std::size_t k = 0;
    for (auto _ : state) {
        const double span = spans[k++ % std::size(spans)];
        const double t0 = std::uniform_real_distribution<double>(0, length - span)(rng);
        const auto bounds = column_bounds(samples, t0, t0 + span, 4000);
        for (std::size_t c = 0; c < kChannelCount; ++c) {
            envelope.channel(static_cast<Channel>(c), bounds, columns);
            benchmark::DoNotOptimize(columns.data());
        }
        envelope.bands(bounds, bands);
        benchmark::DoNotOptimize(bands.data());
    }
}

// 300 MB of minimal rows: more rows than a recording may have, refused whole.
void BM_RefuseMinimalRows(benchmark::State& state) {
    const std::string& path = files().minimal_rows;
    std::string error;
    for (auto _ : state) {
        Recording recording;
        if (load_recording(path, recording, error))
            state.SkipWithError("a recording over the row limit was loaded");
    }
    state.SetLabel(error);
}

}  // namespace

BENCHMARK(BM_OpenOneHour)->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(5);
BENCHMARK(BM_OpenEightHours)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5);
BENCHMARK(BM_LoadEightHoursForPlayback)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(5);
BENCHMARK(BM_OpenEightHoursPeakMemory)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(3);
BENCHMARK(BM_AnalyseEightHours)->Unit(benchmark::kMillisecond)->Iterations(2)->Repetitions(5);
BENCHMARK(BM_EnvelopeRedraw)->Unit(benchmark::kMillisecond)->Iterations(60)->Repetitions(5);
BENCHMARK(BM_RefuseMinimalRows)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);

// With --open FILE: opens the file as the review does and prints the peak
// resident memory in MiB (the kernel's VmHWM of this process).
int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--open") {
        const std::size_t rows = open_drive(argv[2]);
        std::ifstream status("/proc/self/status");
        std::string line;
        while (std::getline(status, line))
            if (line.rfind("VmHWM:", 0) == 0)
                std::printf("%.1f\n", std::stod(line.substr(6)) / 1024.0);
        return rows ? 0 : 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
