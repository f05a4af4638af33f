// SPDX-License-Identifier: MIT
#include "history/replay.h"

#include <algorithm>

namespace tarvex::history {

namespace {

void apply_snapshot(ReplayResult& r, const Snapshot& s) {
    const SettingValues values = snapshot_values(s);
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (r.known[i] && r.values[i] != values[i])
            r.divergences.push_back({s.id, kSettings[i].code, r.values[i], values[i]});
        r.values[i] = values[i];
        r.known[i] = true;
    }
}

void apply_entry(ReplayResult& r, const JournalEntry& e) {
    if (e.code == kCommandCode) {
        if (e.value_sent == kCommandFactoryReset)
            r.known.fill(false);
        return;
    }
    const auto index = setting_index(e.code);
    if (!index)
        return;
    if (e.value_shown) {
        r.values[*index] = *e.value_shown;
        r.known[*index] = true;
    } else if (e.state == EntryState::Acknowledged) {
        r.values[*index] = e.value_sent;
        r.known[*index] = true;
    } else {
        r.known[*index] = false;
    }
}

}  // namespace

bool ReplayResult::complete() const {
    return std::all_of(known.begin(), known.end(), [](bool k) { return k; });
}

ReplayResult replay(const std::vector<HistoryEvent>& events) {
    ReplayResult r;
    for (const HistoryEvent& event : events) {
        if (const auto* s = std::get_if<Snapshot>(&event))
            apply_snapshot(r, *s);
        else
            apply_entry(r, std::get<JournalEntry>(event));
    }
    return r;
}

}  // namespace tarvex::history
