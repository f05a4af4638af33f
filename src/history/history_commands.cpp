// SPDX-License-Identifier: MIT
#include "history/history_commands.h"

#include <QCoreApplication>
#include <QStringList>

#include "config/compare_dialog.h"
#include "history/history_texts.h"
#include "history/history_window.h"
#include "history/undo_run.h"
#include "ui/playback_refusal.h"

namespace tarvex::history {

namespace {

QString undo_caption() {
    return QCoreApplication::translate("History", "Undo last change");
}

QString keys(const std::vector<std::uint8_t>& codes) {
    QStringList names;
    for (std::uint8_t code : codes)
        names << key_text(code);
    return names.join(QStringLiteral(", "));
}

// "Pick (2026-12-07 19:30:05)": the change to undo.
QString change_text(const UndoCheck& check) {
    const QString when = check.change ? time_text(check.change->time_ms) : QString();
    return QStringLiteral("%1 (%2)").arg(source_text(check.plan.source), when);
}

// What the controller holds again after the undo: each control that changed
// from `before`, as the views show it.
QString undone_text(const HistoryContext& c, const UndoCheck& check, const SettingValues& before) {
    const UndoPlan& plan = check.plan;
    QString text = QCoreApplication::translate("History", "Undone: %1.").arg(change_text(check));
    QStringList lines;
    for (const ControlChange& changed : changed_controls(c.file.texts, before, c.file.image))
        lines << QStringLiteral("%1: %2 \u2192 %3").arg(changed.label, changed.from, changed.to);
    if (!lines.isEmpty())
        text += QStringLiteral("\n\n") + lines.join(QLatin1Char('\n'));
    if (!plan.unknown_before.empty())
        text += QStringLiteral("\n\n") +
                QCoreApplication::translate("History",
                                            "Not known before the change, left as they are: %1.")
                    .arg(keys(plan.unknown_before));
    return text;
}

// Asks before undoing a change the controller no longer shows as sent,
// naming each control as the views show it.
bool confirmed_despite(const HistoryContext& c, const UndoCheck& check, QWidget* owner) {
    SettingValues sent = image_values(c.file.image);
    for (const Difference& d : check.plan.differs)
        if (const auto i = setting_index(d.code))
            sent[*i] = d.sent;
    QStringList lines;
    for (const ControlChange& changed : changed_controls(c.file.texts, sent, c.file.image))
        lines << QCoreApplication::translate("History", "%1: sent %2, shows %3 now")
                     .arg(changed.label, changed.from, changed.to);
    return c.file.dialogs.ask_yes_no(
        owner, undo_caption(),
        QCoreApplication::translate("History",
                                    "The controller no longer shows what %1 sent:\n\n%2\n\nSend "
                                    "the values from before it all the same?")
            .arg(change_text(check), lines.join(QLatin1Char('\n'))));
}

}  // namespace

bool history_kept(const HistoryContext& c, QWidget* owner) {
    if (c.history && c.history->working())
        return true;
    const StoreError& why = c.history ? c.history->journal().failure() : c.open_failure;
    c.file.dialogs.message(owner, UserDialogs::Icon::Warning, history_caption(),
                           history_failure_text(c.path, why));
    return false;
}

void undo_last_change(const HistoryContext& c, QWidget* owner) {
    const FileContext& f = c.file;
    if (refused_while_playing(f.link, f.dialogs, f.texts, owner) || !history_kept(c, owner))
        return;
    auto say = [&](UserDialogs::Icon icon, const QString& text) {
        f.dialogs.message(owner, icon, undo_caption(), text);
    };
    const UndoCheck check = check_undo(*c.history, f.link, f.image);
    if (check.answer != SettingsAnswer::Read)
        return say(UserDialogs::Icon::Warning,
                   unread_text(check.answer) + QLatin1Char(' ') +
                       QCoreApplication::translate("History", "Nothing was sent."));
    const UndoPlan& plan = check.plan;
    if (plan.outcome == UndoPlan::Outcome::Nothing)
        return say(UserDialogs::Icon::Information,
                   QCoreApplication::translate("History", "There is no change left to undo."));
    if (plan.outcome == UndoPlan::Outcome::CannotUndo)
        return say(UserDialogs::Icon::Warning,
                   QCoreApplication::translate(
                       "History",
                       "The last change is a factory reset, and no snapshot of the settings was "
                       "taken before it: what the controller held is not known, so it cannot be "
                       "undone."));
    if (plan.writes.empty())
        return say(UserDialogs::Icon::Warning,
                   QCoreApplication::translate(
                       "History",
                       "The values from before the last change (%1) are not known: they had not "
                       "been read from the controller. Nothing was sent; restore a snapshot from "
                       "the settings history instead.")
                       .arg(keys(plan.unknown_before)));
    if (!plan.differs.empty() && !confirmed_despite(c, check, owner))
        return;
    const SettingValues before = image_values(f.image);
    if (report_send(f, owner, carry_out_undo(*c.history, f.link, f.image, plan)))
        say(UserDialogs::Icon::Information, undone_text(c, check, before));
}

void show_settings_history(const HistoryContext& c, QWidget* owner) {
    if (!history_kept(c, owner))
        return;
    HistoryWindow window(c, owner);
    window.exec();
}

}  // namespace tarvex::history
