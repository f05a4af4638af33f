// SPDX-License-Identifier: MIT
#include "history/undo_run.h"

#include <algorithm>

namespace tarvex::history {

namespace {

// Changes looked at first; more when an undo has to walk further back.
constexpr int kFirstChanges = 64;

}  // namespace

UndoCheck check_undo(ProgramHistory& history, LinkState& link, ControllerImage& image) {
    UndoCheck check;
    check.answer = poll_and_read_settings(link, image);
    if (check.answer != SettingsAnswer::Read)
        return check;
    return plan_undo_now(history, image);
}

UndoCheck plan_undo_now(ProgramHistory& history, const ControllerImage& image) {
    UndoCheck check;
    check.answer = SettingsAnswer::Read;
    HistoryStore& store = history.store();
    const SettingValues now = image_values(image);
    for (int limit = kFirstChanges;; limit *= 8) {
        const std::vector<Change> changes = store.recent_changes(store.vehicle(), limit);
        check.plan = plan_undo(changes, now);
        if (check.plan.outcome != UndoPlan::Outcome::Nothing) {
            const auto it = std::find_if(changes.begin(), changes.end(), [&](const Change& c) {
                return c.id == check.plan.change_id;
            });
            if (it != changes.end())
                check.change = *it;
            return check;
        }
        if (changes.size() < static_cast<std::size_t>(limit) || limit >= kMaxPage)
            return check;
    }
}

SendOutcome carry_out_undo(ProgramHistory& history, LinkState& link, ControllerImage& image,
                           const UndoPlan& plan) {
    std::vector<Write> writes;
    for (const SettingWrite& w : plan.writes)
        writes.push_back({w.code, w.value});
    LinkedChange change(history.journal(), ChangeSource::Undo, {std::nullopt, plan.change_id});
    return send_writes_and_confirm(link, image, writes);
}

}  // namespace tarvex::history
