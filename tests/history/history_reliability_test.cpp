// SPDX-License-Identifier: MIT
// 1,000 random journaled writes to the simulator by a program killed at
// random moments and started again: no committed entry is lost, and the
// journal replayed from the first snapshot gives the controller's settings.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <set>

#include "support/sim_process.h"
#include "history/history_journal.h"
#include "history/replay.h"
#include "ports/posix_serial_port.h"
#include "link/settings_read.h"
#include "support/start_folder.h"

using namespace tarvex;
using namespace tarvex::history;
using ReliabilityTest = tarvex::testing::StartFolderTest;

namespace {

constexpr int kWrites = 1000;

// Kills its program around write n = |die_at|: as it is about to go out
// (die_at > 0), or once it came back but before its entry is completed (< 0).
struct DyingJournal final : HistoryJournal {
    int die_at, writes = 0;
    DyingJournal(HistoryStore& store, int n) : HistoryJournal(store), die_at(n) {}
    void before_write(const WriteAttempt& w) override {
        HistoryJournal::before_write(w);
        if (++writes == die_at)
            raise(SIGKILL);
    }
    void after_write(std::span<const std::uint8_t> ack) override {
        if (writes == -die_at)
            raise(SIGKILL);
        HistoryJournal::after_write(ack);
    }
};

// A link to the simulator with the settings read (which takes the "as found"
// snapshot when it has a journal).
struct SimLink {
    PosixSerialPort port;
    LinkState link;
    ControllerImage image;
    SimLink(const std::string& device, WriteJournal* journal) {
        port.set_timeout_scale(20);  // a busy machine never makes a reply late
        link.port = &port;
        link.devices.device[0] = device;
        link.journal = journal;
        for (int tries = 0; tries < 20 && !link.read_since_up.all(); ++tries)
            poll_and_read_settings(link, image);
    }
};

// The program under test, in a child process: random writes, each reported
// on out as "C <entry id>" once complete, the settings read back after about
// every other one.
[[noreturn]] void worker(const std::string& device, int seed, int writes, int die_at, FILE* out) {
    StoreError error;
    auto store = HistoryStore::open(kHistoryFileName, "journal-worker", error);
    if (!store)
        _exit(2);
    DyingJournal journal(*store, die_at);
    SimLink l(device, &journal);
    std::mt19937 rng(static_cast<unsigned>(seed));
    std::uniform_int_distribution<std::size_t> setting(0, kSettings.size() - 1);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int i = 0; i < writes && l.link.read_since_up.all() && journal.working(); ++i) {
        {
            JournalChange change(l.link, ChangeSource::Cli);
            write_setting(l.link, l.image, kSettings[setting(rng)].code, byte(rng));
        }
        std::fprintf(out, "C %lld\n", static_cast<long long>(store->journal({"", {}, 1})[0].id));
        std::fflush(out);
        if (byte(rng) & 1) {
            read_live(l.link, l.image);
            read_settings1(l.link, l.image);
            read_settings2(l.link, l.image);
        }
    }
    _exit(l.link.read_since_up.all() && journal.working() ? 0 : 3);
}

// Runs the worker, collecting the entries it reports; with kill_after, kills
// it (a moment later) after that many. Its wait status.
int run_worker(const std::string& device, int seed, int writes, int die_at, int kill_after,
               std::set<std::int64_t>& reported) {
    int fds[2];
    if (pipe(fds) != 0)
        return -1;
    const pid_t pid = fork();
    if (pid == 0) {
        close(fds[0]);
        worker(device, seed, writes, die_at, fdopen(fds[1], "w"));
    }
    close(fds[1]);
    FILE* in = fdopen(fds[0], "r");
    long long id = 0;
    for (int seen = 0; std::fscanf(in, "C %lld\n", &id) == 1;)
        if (reported.insert(id); ++seen == kill_after) {
            usleep(static_cast<unsigned>(seed * 997 % 3000));
            kill(pid, SIGKILL);
        }
    std::fclose(in);
    int status = 0;
    waitpid(pid, &status, 0);
    return status;
}

}  // namespace

TEST_F(ReliabilityTest, KilledAtRandomLosesNoCommittedEntryAndReplaysToTheController) {
    tarvex::testing::SimProcess sim({"--no-pacing"});
    ASSERT_TRUE(sim.ready());
    // The entries kept, by id. No connection may be open in this process when
    // it forks: the store is closed again at once.
    auto entries_kept = [] {
        StoreError error;
        std::map<std::int64_t, JournalEntry> out;
        for (JournalEntry& e :
             HistoryStore::open(kHistoryFileName, "test", error)->journal({"", {}, 1 << 20}))
            out[e.id] = std::move(e);
        return out;
    };
    std::mt19937 rng(2306);
    std::set<std::int64_t> reported;
    for (int run = 0, left = kWrites; left > 0;
         ++run, left = kWrites - static_cast<int>(entries_kept().size())) {
        // The second and third runs die around their third write by themselves.
        const int die_at = run == 1 ? 3 : run == 2 ? -3 : 0;
        const int kill_after = die_at ? 0 : std::uniform_int_distribution(1, 100)(rng);
        const int status = run_worker(sim.link(), run, left, die_at, kill_after, reported);
        ASSERT_TRUE(WIFSIGNALED(status) || WEXITSTATUS(status) == 0) << status;
        const JournalEntry last = entries_kept().rbegin()->second;
        EXPECT_TRUE(!die_at || last.state == EntryState::Pending);
        if (die_at > 0) {  // kept before its frame went out: the controller holds what it held
            StoreError error;
            auto events = HistoryStore::open(kHistoryFileName, "test", error)->events_since(1);
            events.pop_back();  // the entry left pending
            const auto i = *setting_index(last.code);
            EXPECT_EQ(image_values(SimLink(sim.link(), nullptr).image)[i],
                      replay(events).values[i]);
        }
    }
    // Once more without writes: its "as found" shows what the last kill left.
    ASSERT_EQ(run_worker(sim.link(), 0, 0, 0, 0, reported), 0);

    auto entries = entries_kept();
    for (const std::int64_t id : reported)
        EXPECT_TRUE(entries.count(id) && entries[id].state != EntryState::Pending) << id;

    StoreError error;
    auto store = HistoryStore::open(kHistoryFileName, "test", error);
    const ReplayResult replayed = replay(store->events_since(store->first_snapshot()->id));
    EXPECT_TRUE(replayed.complete() && replayed.divergences.empty());
    SimLink controller(sim.link(), nullptr);
    ASSERT_TRUE(controller.link.read_since_up.all());
    EXPECT_EQ(replayed.values, image_values(controller.image));
}
