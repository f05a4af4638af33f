// SPDX-License-Identifier: MIT
// The settings history's costs: what journaling adds to one pick (its write
// kept before and after; budget 1 ms) and to the next read of the settings
// (which settles the entry and syncs it to the disk), and opening a history
// of 100,000 entries with its newest page (budget 200 ms). The
// history lives in a folder made in the current one, on the disk the program
// would use, so that every commit's sync is paid.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "history/history_journal.h"
#include "support/raw_sqlite.h"
#include "support/sim_port.h"

using namespace tarvex;
using namespace tarvex::history;
namespace fs = std::filesystem;

namespace {

constexpr int kEntries = 100000;
constexpr int kSnapshots = 1000;

// A folder of the benchmark's own, removed at its end.
struct Folder {
    fs::path path = fs::current_path() / "history-bench.tmp";
    Folder() {
        fs::remove_all(path);
        fs::create_directories(path);
    }
    ~Folder() { fs::remove_all(path); }
};

// One pick as a settings view makes it (the write), and the view's next read
// of the settings block that shows it, which settles the entry and syncs it
// to the disk; `timed` says which of the two is measured.
enum class Timed { Pick, NextRead };
void pick(benchmark::State& state, bool journaled, Timed timed) {
    Folder folder;
    testing::SimPort sim;
    LinkState link;
    ControllerImage image;
    link.port = &sim.port;
    StoreError error;
    auto store = HistoryStore::open(folder.path / kHistoryFileName, "bench", error);
    if (!store) {
        state.SkipWithError(error.sqlite_text.c_str());
        return;
    }
    HistoryJournal journal(*store);
    link.journal = journaled ? &journal : nullptr;
    poll_status(link, image);
    read_live(link, image);
    read_settings1(link, image);
    read_settings2(link, image);
    int value = 20;
    auto write = [&] {
        JournalChange change(link, ChangeSource::Pick);
        write_setting(link, image, 7, value);
    };
    for (auto _ : state) {
        state.PauseTiming();
        sim.port.clear_events();
        value = value == 20 ? 30 : 20;
        if (timed == Timed::NextRead)
            write();
        state.ResumeTiming();
        if (timed == Timed::Pick)
            write();
        else
            read_settings1(link, image);
        state.PauseTiming();
        if (timed == Timed::Pick)
            read_settings1(link, image);
        state.ResumeTiming();
    }
    if (!journal.working())
        state.SkipWithError(journal.failure().sqlite_text.c_str());
}

void BM_PickBare(benchmark::State& state) {
    pick(state, false, Timed::Pick);
}
void BM_PickJournaled(benchmark::State& state) {
    pick(state, true, Timed::Pick);
}
void BM_NextReadBare(benchmark::State& state) {
    pick(state, false, Timed::NextRead);
}
void BM_NextReadJournaled(benchmark::State& state) {
    pick(state, true, Timed::NextRead);
}

// A history of kEntries entries, each its own change, over 50 vehicles, with
// kSnapshots snapshots after them.
void fill(const std::string& path) {
    StoreError error;
    HistoryStore::open(path, "bench", error);  // the tables
    testing::RawSqlite db(path);
    const std::string n =
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < ";
    db.exec("BEGIN");
    db.exec(n + std::to_string(kEntries) +
            ") INSERT INTO changes(time, source, vehicle, program)"
            " SELECT 1700000000000 + i * 1000, 'pick', 'car ' || (i % 50), 'bench' FROM n");
    db.exec(n + std::to_string(kEntries) +
            ") INSERT INTO journal(seq, time, change_id, source, code, key, value_before,"
            " value_sent, ack_count, ack, value_shown, state, vehicle, program)"
            " SELECT i, 1700000000000 + i * 1000, i, 'pick', 7, 'LambdaPoint', 23, 27, 3,"
            " x'651B80', 27, 'confirmed', 'car ' || (i % 50), 'bench' FROM n");
    db.exec(n + std::to_string(kSnapshots) +
            ") INSERT INTO snapshots(seq, time, kind, note, vehicle, program, settings1,"
            " settings2, att_init, status) SELECT " +
            std::to_string(kEntries) +
            " + i, 1800000000000 + i, 'as-found', '', 'car ' || (i % 50), 'bench',"
            " zeroblob(15), zeroblob(16), 120, x'6501268C' FROM n");
    db.exec("UPDATE counter SET next = " + std::to_string(kEntries + kSnapshots));
    db.exec("COMMIT");
}

// The window opening: the store, then the newest page of its list
// (snapshots and entries), of every vehicle or of one.
void BM_OpenNewestPage(benchmark::State& state) {
    Folder folder;
    const std::string path = folder.path / kHistoryFileName;
    fill(path);
    const std::string vehicle = state.range(0) ? "car 7" : "";
    for (auto _ : state) {
        StoreError error;
        auto store = HistoryStore::open(path, "bench", error);
        if (!store) {
            state.SkipWithError(error.sqlite_text.c_str());
            return;
        }
        const auto page = store->timeline({vehicle, std::nullopt, 200});
        if (page.size() != 200)
            state.SkipWithError("the page is not full");
        benchmark::DoNotOptimize(page.data());
    }
}

}  // namespace

BENCHMARK(BM_PickBare)->Unit(benchmark::kMicrosecond)->Repetitions(5);
BENCHMARK(BM_PickJournaled)->Unit(benchmark::kMicrosecond)->Repetitions(5);
BENCHMARK(BM_NextReadBare)->Unit(benchmark::kMicrosecond)->Repetitions(5);
BENCHMARK(BM_NextReadJournaled)->Unit(benchmark::kMicrosecond)->Repetitions(5);
BENCHMARK(BM_OpenNewestPage)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Repetitions(5);

BENCHMARK_MAIN();
