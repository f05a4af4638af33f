// SPDX-License-Identifier: MIT
#include "cli/cli_history.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <ostream>

#include "cli/cli_commands.h"
#include "cli/report_json.h"
#include "history/history_location.h"
#include "history/undo_run.h"
#include "link/settings_read.h"

namespace tarvex::cli {

namespace {

using namespace tarvex::history;

// Rows read at a time while listing.
constexpr int kListPage = 5000;

const char* failure_words(StoreFailure failure) {
    switch (failure) {
        case StoreFailure::NoDriver:
            return "Qt's SQLite driver is not installed (package libqt6sql6-sqlite)";
        case StoreFailure::NotWritable:
            return "the file or its folder may not be written";
        case StoreFailure::NotAFile:
            return "it is not a regular file";
        case StoreFailure::Corrupt:
            return "the file is damaged or is no settings history";
        case StoreFailure::Locked:
            return "another program holds it";
        case StoreFailure::NewerVersion:
            return "a newer Tarvex wrote it";
        case StoreFailure::None:
        case StoreFailure::Failed:
            break;
    }
    return "it could not be read or written";
}

std::string failure_text(const std::string& path, const StoreError& e) {
    return "the settings history " + path + " cannot be used: " + failure_words(e.failure) + " (" +
           e.sqlite_text + ")";
}

// Opens the history; null, said on err, when it cannot be.
std::unique_ptr<ProgramHistory> open_history(const CliOptions& o, std::ostream& err) {
    const std::string path = cli_history_path(o);
    StoreError error;
    auto kept = ProgramHistory::open(path, "tarvex-cli", error);
    if (!kept) {
        err << "tarvex-cli: " << failure_text(path, error) << "\n";
        return nullptr;
    }
    kept->store().set_vehicle(o.vehicle);
    return kept;
}

// What the journal stopped on, when it failed on the way.
int check_kept(ProgramHistory& kept, std::ostream& err, int rc) {
    if (kept.working())
        return rc;
    err << "tarvex-cli: " << failure_text(kept.store().path(), kept.journal().failure()) << "\n";
    return rc ? rc : kExitHistory;
}

std::string local_time(std::int64_t time_ms) {
    const std::time_t t = static_cast<std::time_t>(time_ms / 1000);
    std::tm tm{};
    localtime_r(&t, &tm);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &tm);
    return text;
}

std::string utc_time(std::int64_t time_ms) {
    const std::time_t t = static_cast<std::time_t>(time_ms / 1000);
    std::tm tm{};
    gmtime_r(&t, &tm);
    char text[40];
    const std::size_t n = std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &tm);
    std::snprintf(text + n, sizeof text - n, ".%03dZ", static_cast<int>(time_ms % 1000));
    return text;
}

template <typename T>
std::string or_null(const std::optional<T>& v) {
    return v ? std::to_string(*v) : "null";
}

// Tab-separated: time, event, id, kind or source, setting, before, sent,
// shown, state, vehicle, program, note.
void text_row(const HistoryEvent& event, std::ostream& out) {
    if (const auto* s = std::get_if<Snapshot>(&event)) {
        out << local_time(s->time_ms) << "\tsnapshot\t" << s->id << '\t' << kind_name(s->kind)
            << "\t\t\t\t\t\t" << s->vehicle << '\t' << s->program << '\t' << s->note << "\n";
        return;
    }
    const auto& e = std::get<JournalEntry>(event);
    out << local_time(e.time_ms) << "\twrite\t" << e.id << '\t' << source_name(e.source) << '\t'
        << e.key << '\t' << (e.value_before ? std::to_string(*e.value_before) : "?") << '\t'
        << int{e.value_sent} << '\t' << (e.value_shown ? std::to_string(*e.value_shown) : "")
        << '\t' << state_name(e.state) << '\t' << e.vehicle << '\t' << e.program << "\t\n";
}

void json_row(const HistoryEvent& event, std::ostream& out) {
    if (const auto* s = std::get_if<Snapshot>(&event)) {
        out << "{\"event\":\"snapshot\",\"id\":" << s->id << ",\"time\":\"" << utc_time(s->time_ms)
            << "\",\"kind\":\"" << kind_name(s->kind) << "\",\"note\":" << json_string(s->note)
            << ",\"vehicle\":" << json_string(s->vehicle)
            << ",\"program\":" << json_string(s->program) << ",\"settings\":{";
        const SettingValues values = snapshot_values(*s);
        for (std::size_t i = 0; i < kSettings.size(); ++i)
            out << (i ? "," : "") << '"' << kSettings[i].key << "\":" << int{values[i]};
        out << "}}";
        return;
    }
    const auto& e = std::get<JournalEntry>(event);
    out << "{\"event\":\"write\",\"id\":" << e.id << ",\"time\":\"" << utc_time(e.time_ms)
        << "\",\"change\":" << e.change_id << ",\"source\":\"" << source_name(e.source)
        << "\",\"code\":" << int{e.code} << ",\"setting\":" << json_string(e.key)
        << ",\"before\":" << or_null(e.value_before) << ",\"sent\":" << int{e.value_sent}
        << ",\"acknowledgement\":";
    if (e.ack_count) {
        out << '[';
        for (int i = 0; i < *e.ack_count; ++i)
            out << (i ? "," : "") << int{e.ack[static_cast<std::size_t>(i)]};
        out << ']';
    } else {
        out << "null";
    }
    out << ",\"shown\":" << or_null(e.value_shown) << ",\"state\":\"" << state_name(e.state)
        << "\",\"vehicle\":" << json_string(e.vehicle) << ",\"program\":" << json_string(e.program)
        << "}";
}

int list(ProgramHistory& kept, const CliOptions& o, std::ostream& out) {
    HistoryStore& store = kept.store();
    if (o.json)
        out << "[";
    else
        out << "time\tevent\tid\tkind or source\tsetting\tbefore\tsent\tshown\tstate\tvehicle"
               "\tprogram\tnote\n";
    PageQuery page{o.vehicle, std::nullopt, kListPage};
    long long listed = 0;
    for (;;) {
        if (o.limit)
            page.limit = static_cast<int>(std::min<long long>(kListPage, o.limit - listed));
        const std::vector<HistoryEvent> events = store.timeline(page);
        for (const HistoryEvent& e : events) {
            if (o.json) {
                out << (listed ? ",\n" : "\n");
                json_row(e, out);
            } else {
                text_row(e, out);
            }
            ++listed;
        }
        if (events.size() < static_cast<std::size_t>(page.limit) || (o.limit && listed >= o.limit))
            break;
        page.before_seq = std::visit([](const auto& x) { return x.seq; }, events.back());
    }
    if (o.json)
        out << (listed ? "\n]\n" : "]\n");
    if (!store.last_error().sqlite_text.empty() && store.last_error().failure != StoreFailure::None)
        return kExitHistory;
    return kExitOk;
}

// Reaches the controller, reads its settings, then attaches the journal, so
// that the read before does not count as the car's "as found".
int reach_and_attach(Session& s, const CliOptions& o, ProgramHistory& kept) {
    if (const int rc = reach_controller(s, o, true))
        return rc;
    kept.attach(s.link, s.image);
    return kExitOk;
}

int snapshot(Session& s, const CliOptions& o, ProgramHistory& kept, std::ostream& out) {
    if (const int rc = reach_and_attach(s, o, kept))
        return rc;
    const auto id = kept.journal().take_snapshot(SnapshotKind::ByHand, s.link, s.image, o.note);
    if (!id)
        return check_kept(kept, s.err, kExitHistory);
    out << "snapshot " << *id << "\n";
    return kExitOk;
}

int restore(Session& s, const CliOptions& o, ProgramHistory& kept, std::ostream& out) {
    const auto snap = kept.store().snapshot(o.snapshot_id);
    if (!snap) {
        s.err << "tarvex-cli: " << kept.store().path() << " holds no snapshot " << o.snapshot_id
              << " (tarvex-cli history lists them)\n";
        return kExitHistory;
    }
    if (const int rc = reach_and_attach(s, o, kept))
        return rc;
    const SettingValues values = snapshot_values(*snap);
    SendOutcome sent;
    {
        JournalChange change(s.link, ChangeSource::Restore);
        sent = send_and_confirm(s.link, s.image, values);
    }
    const int rc = check_kept(kept, s.err, report_send(s, sent, values));
    if (rc == kExitOk)
        out << "restored snapshot " << snap->id << " (" << kind_name(snap->kind) << ", "
            << local_time(snap->time_ms) << ")\n";
    return rc;
}

std::string change_words(const UndoCheck& c) {
    std::string words = "change " + std::to_string(c.plan.change_id) + " (" +
                        std::string(source_name(c.plan.source));
    if (c.change)
        words += ", " + local_time(c.change->time_ms);
    return words + ")";
}

std::string keys(const std::vector<std::uint8_t>& codes) {
    std::string out;
    for (std::uint8_t code : codes)
        out += (out.empty() ? "" : ", ") + key_for_code(code);
    return out;
}

int undo(Session& s, const CliOptions& o, ProgramHistory& kept, std::ostream& out) {
    if (const int rc = reach_and_attach(s, o, kept))
        return rc;
    // The settings were read afresh on reaching the controller.
    const UndoCheck c = plan_undo_now(kept, s.image);
    const UndoPlan& plan = c.plan;
    switch (plan.outcome) {
        case UndoPlan::Outcome::Nothing:
            out << "nothing to undo\n";
            return check_kept(kept, s.err, kExitOk);
        case UndoPlan::Outcome::CannotUndo:
            s.err << "tarvex-cli: " << change_words(c)
                  << " is a factory reset without a snapshot before it: what the controller "
                     "held is not known\n";
            return kExitHistory;
        case UndoPlan::Outcome::Writes:
            break;
    }
    if (plan.writes.empty()) {
        s.err << "tarvex-cli: the values from before " << change_words(c) << " are not known ("
              << keys(plan.unknown_before) << "); nothing was sent\n";
        return kExitHistory;
    }
    if (!plan.differs.empty() && !o.force) {
        for (const Difference& d : plan.differs)
            s.err << "tarvex-cli: " << change_words(c) << " sent " << key_for_code(d.code) << "= "
                  << int{d.sent} << ", the controller shows " << int{d.shown_now} << " now\n";
        s.err << "tarvex-cli: nothing was sent (--force undoes it all the same)\n";
        return kExitDiffers;
    }
    SettingValues values = image_values(s.image);
    for (const SettingWrite& w : plan.writes)
        values[*setting_index(w.code)] = w.value;
    const int rc = check_kept(kept, s.err,
                              report_send(s, carry_out_undo(kept, s.link, s.image, plan), values));
    if (rc != kExitOk)
        return rc;
    out << "undone: " << change_words(c) << "\n";
    for (const SettingWrite& w : plan.writes)
        out << key_for_code(w.code) << "= " << int{w.value} << "\n";
    if (!plan.unknown_before.empty())
        out << "not known before it, left as they are: " << keys(plan.unknown_before) << "\n";
    return kExitOk;
}

}  // namespace

void say_if_lost(ProgramHistory& kept, std::ostream& err) {
    if (!kept.working())
        err << "tarvex-cli: " << failure_text(kept.store().path(), kept.journal().failure())
            << "; the write went on without it\n";
}

std::string cli_history_path(const CliOptions& o) {
    if (!o.history.empty())
        return o.history;
    const char* dir = std::getenv(kHistoryDirVariable);
    return history_file_path(dir ? dir : "", "");
}

std::unique_ptr<ProgramHistory> journal_writes(Session& s, const CliOptions& o) {
    auto kept = open_history(o, s.err);
    if (!kept) {
        s.err << "tarvex-cli: the write goes on without it\n";
        return nullptr;
    }
    // Without the settings, nothing tells what each write replaces; the
    // write goes on all the same.
    read_settings_afresh(s.link, s.image);
    kept->attach(s.link, s.image);
    return kept;
}

int run_history_command(Session& s, const CliOptions& o, std::ostream& out) {
    s.timeout_scale = o.timeout_scale;
    const auto kept = open_history(o, s.err);
    if (!kept)
        return kExitHistory;
    int rc = kExitUsage;
    if (o.command == "history")
        rc = list(*kept, o, out);
    else if (o.command == "snapshot")
        rc = snapshot(s, o, *kept, out);
    else if (o.command == "restore")
        rc = restore(s, o, *kept, out);
    else if (o.command == "undo")
        rc = undo(s, o, *kept, out);
    s.link.journal = nullptr;
    return rc;
}

}  // namespace tarvex::cli
