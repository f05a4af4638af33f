// SPDX-License-Identifier: MIT
// Undo, restore and replay planned from plain history records.
#include <gtest/gtest.h>

#include "history/replay.h"
#include "history/restore_plan.h"
#include "history/undo_plan.h"

using namespace tarvex;
using namespace tarvex::history;
using WriteList = std::vector<SettingWrite>;

namespace {

// A snapshot whose settings are 100 plus their place in the file.
Snapshot numbered_snapshot(std::int64_t id) {
    Snapshot s{.id = id};
    for (std::size_t i = 0; i < kSettings.size(); ++i) {
        const SettingDef& d = kSettings[i];
        (d.frame == Frame::Live     ? s.att_init
         : d.frame == Frame::Block1 ? s.settings1[d.offset]
                                    : s.settings2[d.offset]) = static_cast<std::uint8_t>(100 + i);
    }
    return s;
}

JournalEntry entry(std::uint8_t code, std::optional<std::uint8_t> before, std::uint8_t sent,
                   EntryState state = EntryState::Confirmed,
                   std::optional<std::uint8_t> shown = std::nullopt) {
    JournalEntry e{.code = code, .value_before = before, .value_sent = sent, .value_shown = shown};
    e.state = state;
    return e;
}

Change change(std::int64_t id, ChangeSource source, std::vector<JournalEntry> entries) {
    return {.id = id, .source = source, .entries = std::move(entries)};
}

// The controller's settings now: these codes' values, zero elsewhere.
SettingValues showing(std::vector<SettingWrite> shown) {
    SettingValues v{};
    for (const auto& [code, value] : shown)
        v[*setting_index(code)] = value;
    return v;
}

}  // namespace

TEST(UndoPlan, PutsBackThePreviousValuesOfTheLastChangeNotUndone) {
    using enum UndoPlan::Outcome;
    using enum ChangeSource;
    const auto pick = change(5, Pick, {entry(7, 23, 27)});
    auto pair = change(6, Pick, {entry(21, 0x10, 0x20), entry(22, 1, 2)});
    const auto learning = change(7, Learning, {entry(30, std::nullopt, 50)});
    const auto undo = change(8, Undo, {entry(21, 0x20, 0x10), entry(22, 2, 1)});
    auto reset = change(9, Reset, {entry(30, std::nullopt, 51)});
    const auto twice = change(10, Pick, {entry(8, 6, 7), entry(8, 7, 9)});
    const auto unread =
        change(11, File, {entry(7, std::nullopt, 27), entry(8, 6, 7), entry(9, 1, 1)});

    EXPECT_EQ(plan_undo({}, {}), UndoPlan{});
    EXPECT_EQ(plan_undo({pick}, showing({{7, 27}})),
              (UndoPlan{.outcome = Writes, .change_id = 5, .source = Pick, .writes = {{7, 23}}}));
    // The controller shows another value than the pick sent: the fitter is asked.
    EXPECT_EQ(plan_undo({pick}, showing({{7, 25}})).differs,
              (std::vector<Difference>{{7, 27, 25}}));
    // A speed pair, low byte first, past the learning run.
    EXPECT_EQ(plan_undo({learning, pair, pick}, showing({{21, 0x20}, {22, 2}})).writes,
              (WriteList{{21, 0x10}, {22, 1}}));
    // One setting twice: its first value back, its last checked.
    EXPECT_EQ(plan_undo({twice}, showing({{8, 9}})),
              (UndoPlan{.outcome = Writes, .change_id = 10, .source = Pick, .writes = {{8, 6}}}));
    // A value never read before the change is not guessed; one sent as it
    // was is left alone.
    EXPECT_EQ(plan_undo({unread}, showing({{8, 7}})), (UndoPlan{.outcome = Writes,
                                                                .change_id = 11,
                                                                .source = File,
                                                                .writes = {{8, 6}},
                                                                .unknown_before = {7}}));
    EXPECT_EQ(plan_undo({reset, pick}, {}),
              (UndoPlan{.outcome = CannotUndo, .change_id = 9, .source = Reset}));
    // Repeated undo walks past the undo and what it undid.
    pair.undone = true;
    EXPECT_EQ(plan_undo({undo, pair, pick}, showing({{7, 27}})).change_id, 5);

    // A factory reset is undone by the snapshot taken before it, in file order.
    reset.snapshot_before = numbered_snapshot(4);
    const UndoPlan plan = plan_undo({reset, pick}, {});
    EXPECT_EQ(plan.snapshot_id, 4);
    ASSERT_EQ(plan.writes.size(), kSettings.size());
    for (std::size_t i = 0; i < kSettings.size(); ++i)
        EXPECT_EQ(plan.writes[i], (SettingWrite{kSettings[i].code, std::uint8_t(100 + i)}));
}

TEST(RestorePlan, OneSettingBringsItsSpeedPairOrOnlyTheMaskedBits) {
    const Snapshot s = numbered_snapshot(1);
    const SettingValues now = showing({{5, 0xF0}});
    // Options is first in the file (100), LPGOnRPMLo/Hi 17th and 18th, AttInit 14th.
    EXPECT_EQ(restore_setting(s, 7, now), (WriteList{{7, 102}}));
    EXPECT_EQ(restore_setting(s, 22, now), (WriteList{{21, 116}, {22, 117}}));
    EXPECT_EQ(restore_setting(s, 5, now, 0x0F), (WriteList{{5, 0xF0 | (100 & 0x0F)}}));
    EXPECT_EQ(restore_setting(s, 18, now), (WriteList{{18, 113}}));
}

TEST(Replay, EntriesSetWhatTheControllerShowedAndSnapshotsSettleTheRest) {
    using enum EntryState;
    Snapshot later = numbered_snapshot(2);
    later.settings1[block1::LambdaPoint] = 27;
    later.settings1[block1::LambdaDelay] = 9;  // the journal said 7: a divergence
    std::vector<HistoryEvent> events = {
        numbered_snapshot(1),
        entry(7, 102, 27, Acknowledged),            // acknowledged, not read back
        entry(8, 103, 7, NotHeld, 4),               // the controller kept 4 ...
        entry(8, 4, 7, Confirmed, 7),               // ... then took 7
        entry(9, 104, 1, Pending),                  // the outcome never came
        entry(10, 105, 1, NotAcknowledged),         // no acknowledgement, not read back
        entry(30, std::nullopt, 50, Acknowledged),  // the learning run: no setting
    };
    ReplayResult r = replay(events);
    EXPECT_EQ(std::tuple(r.values[2], r.values[3], r.values[6]), std::tuple(27, 7, 106));
    EXPECT_FALSE(r.known[4] || r.known[5]);

    events.push_back(later);
    r = replay(events);
    EXPECT_TRUE(r.complete() && r.values == snapshot_values(later));
    EXPECT_EQ(r.divergences, (std::vector<Divergence>{{2, 8, 7, 9}}));

    events.push_back(entry(30, std::nullopt, 51, Acknowledged));
    EXPECT_FALSE(replay(events).known[0]);  // after a factory reset nothing is known
}
