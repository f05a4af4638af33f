// SPDX-License-Identifier: MIT
#include "history/undo_plan.h"

#include <algorithm>

namespace tarvex::history {

namespace {

bool is_factory_reset(const JournalEntry& e) {
    return e.code == kCommandCode && e.value_sent == kCommandFactoryReset;
}

bool writes_a_setting(const JournalEntry& e) {
    return setting_index(e.code).has_value();
}

// Per setting of the change, in the order first written: the value before the
// first write and the value of the last.
struct Touched {
    std::uint8_t code;
    std::optional<std::uint8_t> before;
    std::uint8_t sent;
};

std::vector<Touched> touched_settings(const Change& change) {
    std::vector<Touched> out;
    for (const JournalEntry& e : change.entries) {
        if (!writes_a_setting(e))
            continue;
        auto it = std::find_if(out.begin(), out.end(),
                               [&e](const Touched& t) { return t.code == e.code; });
        if (it == out.end())
            out.push_back({e.code, e.value_before, e.value_sent});
        else
            it->sent = e.value_sent;
    }
    return out;
}

UndoPlan undo_reset(const Change& change) {
    UndoPlan plan;
    plan.change_id = change.id;
    plan.source = change.source;
    if (!change.snapshot_before) {
        plan.outcome = UndoPlan::Outcome::CannotUndo;
        return plan;
    }
    plan.outcome = UndoPlan::Outcome::Writes;
    plan.snapshot_id = change.snapshot_before->id;
    const SettingValues values = snapshot_values(*change.snapshot_before);
    for (std::size_t i = 0; i < kSettings.size(); ++i)
        plan.writes.push_back({kSettings[i].code, values[i]});
    return plan;
}

UndoPlan undo_writes(const Change& change, const SettingValues& now) {
    UndoPlan plan;
    plan.outcome = UndoPlan::Outcome::Writes;
    plan.change_id = change.id;
    plan.source = change.source;
    for (const Touched& t : touched_settings(change)) {
        // A setting the change sent as it was (a file's unchanged lines) is
        // left alone.
        if (t.before == t.sent)
            continue;
        if (!t.before) {
            plan.unknown_before.push_back(t.code);
            continue;
        }
        plan.writes.push_back({t.code, *t.before});
        const std::uint8_t shown = now[*setting_index(t.code)];
        if (shown != t.sent)
            plan.differs.push_back({t.code, t.sent, shown});
    }
    return plan;
}

}  // namespace

UndoPlan plan_undo(const std::vector<Change>& newest_first, const SettingValues& now) {
    for (const Change& change : newest_first) {
        if (change.undone || change.source == ChangeSource::Undo)
            continue;
        const auto& entries = change.entries;
        if (std::any_of(entries.begin(), entries.end(), is_factory_reset))
            return undo_reset(change);
        if (std::any_of(entries.begin(), entries.end(), writes_a_setting))
            return undo_writes(change, now);
    }
    return {};
}

}  // namespace tarvex::history
