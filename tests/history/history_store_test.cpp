// SPDX-License-Identifier: MIT
// The history's SQLite store (what goes in comes out, pages and filters, what
// it says when it cannot open, two writers at once), and the link's journal
// kept in it against the simulated controller. (That an entry is kept before
// its frame goes out, the reliability test shows with a program that dies
// right then.)
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <QThread>

#include <fstream>
#include <set>

#include "history/history_journal.h"
#include "readings/readings_poll.h"
#include "support/raw_sqlite.h"
#include "support/sim_port.h"
#include "support/start_folder.h"

using namespace tarvex;
using namespace tarvex::history;
using tarvex::testing::RawSqlite;
using StoreTest = tarvex::testing::StartFolderTest;

namespace {

std::unique_ptr<HistoryStore> open_store(const std::string& path = kHistoryFileName) {
    StoreError error;
    auto store = HistoryStore::open(path, "tarvex-test", error);
    EXPECT_TRUE(store) << error.sqlite_text;
    return store;
}

NewEntry write(std::int64_t change, std::uint8_t code, std::optional<std::uint8_t> before = {},
               ChangeLinks links = {}) {
    return {change, ChangeSource::Pick, links, {code, 27, before}};
}

// A link to the simulated controller, its journal kept in a store.
struct JournalTest : tarvex::testing::StartFolderTest {
    tarvex::testing::SimPort sim;
    LinkState link;
    ControllerImage image;
    std::unique_ptr<HistoryStore> store;
    std::unique_ptr<HistoryJournal> journal;
    void SetUp() override {
        StartFolderTest::SetUp();
        StoreError error;
        store = HistoryStore::open(kHistoryFileName, "tarvex-test", error, 50);
        ASSERT_TRUE(store) << error.sqlite_text;
        journal = std::make_unique<HistoryJournal>(*store);
        link.port = &sim.port;
        link.journal = journal.get();
    }
    void poll_all() {
        poll_status(link, image);
        read_live(link, image);
        read_settings1(link, image);
        read_settings2(link, image);
    }
};

}  // namespace

TEST_F(StoreTest, KeepsSnapshotsChangesAndEntriesAndPagesThemNewestFirst) {
    std::int64_t snap_id = 0, first_change = 0;
    {
        auto store = open_store();
        store->set_vehicle("WX 1234");
        Snapshot s{.kind = SnapshotKind::BeforeFile, .note = "before the tuning file"};
        s.settings2.fill(0x22);
        s.att_init = 120;
        s.status = {0x65, 1, 0x26, 0x8C};
        snap_id = store->add_snapshot(s).value();
        const auto a = store->add_entry(write(0, 7, 23, {snap_id, {}})).value();
        const auto b = store->add_entry(write(a.change_id, 8)).value();
        first_change = a.change_id;
        EXPECT_TRUE(store->complete_entry(a.entry_id, std::vector<std::uint8_t>{0x65, 27, 0x80}));
        EXPECT_TRUE(store->complete_entry(b.entry_id, std::vector<std::uint8_t>{0x65}));
        EXPECT_TRUE(store->settle_entries({{a.entry_id, 27, EntryState::Confirmed}}));
        store->set_vehicle("KR 99");
        store->add_entry(write(0, 5, 0, {{}, first_change}));
    }
    auto store = open_store();  // all of it back after reopening

    const auto snap = store->snapshot(snap_id).value();
    EXPECT_EQ(std::tie(snap.kind, snap.note, snap.vehicle, snap.program, snap.att_init),
              std::tuple(SnapshotKind::BeforeFile, "before the tuning file", "WX 1234",
                         "tarvex-test", 120));
    EXPECT_EQ(snap.settings2[15] + snap.status[2], 0x22 + 0x26);

    const auto all = store->journal({});
    ASSERT_EQ(all.size(), 3u);
    const JournalEntry& e = all[2];
    EXPECT_EQ(
        std::tie(e.key, e.value_before, e.value_sent, e.ack_count, e.ack, e.value_shown),
        std::tuple("LambdaPoint", 23, 27, 3, std::array<std::uint8_t, 3>{0x65, 27, 0x80}, 27));
    EXPECT_EQ(std::tuple(e.state, all[1].state, all[0].state),
              std::tuple(EntryState::Confirmed, EntryState::NotAcknowledged, EntryState::Pending));

    EXPECT_EQ(store->journal({"", all[0].seq, 1}).at(0).id, all[1].id);  // the next page
    EXPECT_EQ(store->vehicles(), (std::vector<std::string>{"KR 99", "WX 1234"}));
    const auto timeline = store->timeline({"WX 1234", {}, 2});  // one visit's two newest
    ASSERT_EQ(timeline.size(), 2u);
    EXPECT_EQ(std::get<JournalEntry>(timeline[0]).id, all[1].id);
    EXPECT_EQ(std::get<JournalEntry>(timeline[1]).id, all[2].id);

    // The change is undone only once the undo's write was answered.
    EXPECT_EQ(store->recent_changes("KR 99").at(0).undoes, first_change);
    EXPECT_FALSE(store->recent_changes().at(1).undone);
    store->complete_entry(all[0].id, std::vector<std::uint8_t>{0x65, 0, 0x65});
    EXPECT_TRUE(store->recent_changes().at(1).undone);
}

TEST_F(StoreTest, OpenFailsWithOneReason) {
    std::ofstream("garbage") << std::string(4096, 'x');
    RawSqlite("foreign").exec("CREATE TABLE accounts(id)");
    open_store("newer");
    RawSqlite("newer").exec("PRAGMA user_version=2");
    mkfifo("fifo", 0600);
    open_store("damaged");
    RawSqlite("damaged").exec(
        "CREATE TABLE filler AS WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n"
        " WHERE i < 2000) SELECT printf('%040d', i) AS x FROM n");
    std::fstream("damaged", std::ios::in | std::ios::out).seekp(4 * 4096) << "\xff\xff\xff\xff";
    RawSqlite held("held");  // another program's exclusive lock
    held.exec("PRAGMA locking_mode=EXCLUSIVE");
    held.exec("BEGIN EXCLUSIVE");
    held.exec("CREATE TABLE t(a)");

    using enum StoreFailure;
    const std::pair<std::string, StoreFailure> rows[] = {
        {"garbage", Corrupt},
        {"foreign", Corrupt},
        {"damaged", Corrupt},
        {"fifo", NotAFile},
        {"newer", NewerVersion},
        {"missing/Tarvex.history", NotWritable},
        {"/proc/self/Tarvex.history", NotWritable},
        {"held", Locked}};  // (/proc may not be written even by root)
    for (const auto& [path, failure] : rows) {
        SCOPED_TRACE(path);
        StoreError error;
        EXPECT_FALSE(HistoryStore::open(path, "tarvex-test", error, 50));
        EXPECT_EQ(error.failure, failure);
        EXPECT_FALSE(error.sqlite_text.empty());
    }
}

TEST_F(StoreTest, TwoProgramsWritingAtOnceLoseNothing) {
    constexpr int kEach = 300;
    auto writer = [](std::uint8_t code) {
        auto store = open_store();
        for (int i = 0; i < kEach && store; ++i)
            EXPECT_TRUE(store->add_entry(write(0, code))) << store->last_error().sqlite_text;
    };
    // Qt threads rather than std::thread: Qt keeps per-thread data for threads it did not
    // start and never frees it, which the leak checker reports.
    std::unique_ptr<QThread> a(QThread::create(writer, 7)), b(QThread::create(writer, 8));
    a->start();
    b->start();
    a->wait();
    b->wait();
    std::set<std::int64_t> seqs;
    for (const auto& e : open_store()->journal({"", {}, 3 * kEach}))
        seqs.insert(e.seq);
    EXPECT_EQ(seqs.size(), 2u * kEach);
}

TEST_F(JournalTest, TheWireCarriesTheSameBytesWithAndWithoutAJournal) {
    tarvex::testing::SimPort bare;
    LinkState bare_link;
    bare_link.port = &bare.port;
    for (LinkState* l : {&link, &bare_link}) {
        ControllerImage im;
        PollShared shared;  // full reads every fourth tick
        for (const auto& [code, value] :
             {std::pair(7, 27), {21, 64}, {22, 2}, {30, 51}, {300, 513}, {8, 9}, {9, 1}, {5, 0}}) {
            readings_poll(*l, im, shared);
            JournalChange change(*l, ChangeSource::Pick);
            write_setting(*l, im, code, value);
        }
    }
    EXPECT_EQ(sim.port.writes(), bare.port.writes());
    EXPECT_EQ(store->journal({}).size(), 8u);
}

TEST_F(JournalTest, AWriteIsCompletedByItsAcknowledgementAndSettledAtTheNextRead) {
    auto newest = [this] {
        const JournalEntry e = store->journal({}).at(0);
        return std::tuple(e.state, e.value_before, e.ack_count, e.value_shown);
    };
    using enum EntryState;
    poll_all();
    write_setting(link, image, 7, 27);
    EXPECT_EQ(newest(), std::tuple(Acknowledged, 23, 3, std::nullopt));
    read_settings1(link, image);
    EXPECT_EQ(newest(), std::tuple(Confirmed, 23, 3, 27));

    // A controller that acknowledges writes without taking them, holding 23.
    sim.controller = sim::SimController(2, 6, {.ignore = 1.0});
    write_setting(link, image, 7, 29);
    read_settings1(link, image);
    EXPECT_EQ(newest(), std::tuple(NotHeld, 27, 3, 23));

    sim.controller.set_silent(true);
    write_setting(link, image, 30, 51);  // a command: no setting before it, no read after
    read_settings1(link, image);
    EXPECT_EQ(newest(), std::tuple(NotAcknowledged, std::nullopt, 0, std::nullopt));
}

TEST_F(JournalTest, AsFoundOncePerLinkUpAndChangesGroupTheirWrites) {
    EXPECT_FALSE(journal->take_snapshot(SnapshotKind::ByHand, link, image));  // nothing read yet
    poll_all();
    poll_all();
    ASSERT_EQ(store->snapshots({}).size(), 1u);
    const Snapshot found = store->snapshots({}).at(0);
    EXPECT_TRUE(found.kind == SnapshotKind::AsFound &&
                snapshot_values(found) == image_values(image));
    close_port(link);  // another port, or the link lost: a new link-up
    poll_all();
    EXPECT_EQ(store->snapshots({}).size(), 2u);

    {
        LinkedChange restore(*journal, ChangeSource::Restore, {found.id, std::nullopt});
        JournalChange inner(link, ChangeSource::Pick);  // joins the restore
        write_setting(link, image, 21, 0x40);
        write_setting(link, image, 22, 2);
    }
    write_setting(link, image, 8, 9);
    const auto c = store->recent_changes();
    ASSERT_EQ(c.size(), 2u);
    EXPECT_EQ(std::tuple(c[0].source, c[1].source, c[1].entries.size(), c[1].snapshot_before->id),
              std::tuple(ChangeSource::Unnamed, ChangeSource::Restore, 2u, found.id));
}

TEST_F(JournalTest, AStoreThatFailsIsLeftAndTheWriteStillGoesOut) {
    poll_all();
    int told = 0;
    journal->on_failure([&told](const StoreError&) { ++told; });
    RawSqlite other(kHistoryFileName);
    other.exec("BEGIN IMMEDIATE");  // another program holds the write lock
    EXPECT_EQ(write_setting(link, image, 7, 27), 3);
    EXPECT_EQ(sim.port.writes().back(), (std::vector<std::uint8_t>{0x65, 7, 27, 0x87}));
    EXPECT_TRUE(!journal->working() && journal->failure().failure == StoreFailure::Locked);
    write_setting(link, image, 7, 28);
    EXPECT_EQ(told, 1);
}
