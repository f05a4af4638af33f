// SPDX-License-Identifier: MIT
// The store's reads: pages for the window, changes for undo, events for replay.
#include <QSqlDatabase>
#include <QSqlQuery>

#include <algorithm>

#include "history/history_store.h"
#include "history/store_rows.h"

namespace tarvex::history {

namespace {

template <typename T>
std::optional<T> optional_of(const QVariant& v) {
    if (v.isNull())
        return std::nullopt;
    return static_cast<T>(v.toInt());
}

// The page's filter: "WHERE ..." over vehicle and seq, bound in that order.
std::string page_where(const PageQuery& page) {
    std::string where;
    if (!page.vehicle.empty())
        where += " WHERE vehicle = ?";
    if (page.before_seq)
        where += where.empty() ? " WHERE seq < ?" : " AND seq < ?";
    return where;
}

std::int64_t seq_of(const HistoryEvent& event) {
    return std::visit([](const auto& x) { return x.seq; }, event);
}

void bind_page(QSqlQuery& q, const PageQuery& page) {
    int i = 0;
    if (!page.vehicle.empty())
        q.bindValue(i++, QString::fromStdString(page.vehicle));
    if (page.before_seq)
        q.bindValue(i++, static_cast<qlonglong>(*page.before_seq));
    q.bindValue(i, std::clamp(page.limit, 0, kMaxPage));
}

}  // namespace

Snapshot snapshot_from(const QSqlQuery& q) {
    Snapshot s;
    s.id = q.value(0).toLongLong();
    s.seq = q.value(1).toLongLong();
    s.time_ms = q.value(2).toLongLong();
    s.kind = kind_from_name(q.value(3).toString().toStdString()).value_or(SnapshotKind::ByHand);
    s.note = q.value(4).toString().toStdString();
    s.vehicle = q.value(5).toString().toStdString();
    s.program = q.value(6).toString().toStdString();
    s.settings1 = bytes_of<kSettings1Len>(q.value(7));
    s.settings2 = bytes_of<kSettings2Len>(q.value(8));
    s.att_init = static_cast<std::uint8_t>(q.value(9).toInt());
    s.status = bytes_of<kStatusLen>(q.value(10));
    return s;
}

JournalEntry entry_from(const QSqlQuery& q) {
    JournalEntry e;
    e.id = q.value(0).toLongLong();
    e.seq = q.value(1).toLongLong();
    e.time_ms = q.value(2).toLongLong();
    e.change_id = q.value(3).toLongLong();
    e.source =
        source_from_name(q.value(4).toString().toStdString()).value_or(ChangeSource::Unnamed);
    e.code = static_cast<std::uint8_t>(q.value(5).toInt());
    e.key = q.value(6).toString().toStdString();
    e.value_before = optional_of<std::uint8_t>(q.value(7));
    e.value_sent = static_cast<std::uint8_t>(q.value(8).toInt());
    e.ack_count = optional_of<int>(q.value(9));
    e.ack = bytes_of<kAckLen>(q.value(10));
    e.value_shown = optional_of<std::uint8_t>(q.value(11));
    e.state = state_from_name(q.value(12).toString().toStdString()).value_or(EntryState::Pending);
    e.vehicle = q.value(13).toString().toStdString();
    e.program = q.value(14).toString().toStdString();
    return e;
}

std::vector<Snapshot> HistoryStore::snapshots(const PageQuery& page) {
    const std::string sql = std::string("SELECT ") + kSnapshotColumns + " FROM snapshots" +
                            page_where(page) + " ORDER BY seq DESC LIMIT ?";
    QSqlQuery& q = query(sql.c_str());
    bind_page(q, page);
    std::vector<Snapshot> out;
    if (run(q))
        while (q.next())
            out.push_back(snapshot_from(q));
    q.finish();
    return out;
}

std::vector<JournalEntry> HistoryStore::journal(const PageQuery& page) {
    const std::string sql = std::string("SELECT ") + kEntryColumns + " FROM journal" +
                            page_where(page) + " ORDER BY seq DESC LIMIT ?";
    QSqlQuery& q = query(sql.c_str());
    bind_page(q, page);
    std::vector<JournalEntry> out;
    if (run(q))
        while (q.next())
            out.push_back(entry_from(q));
    q.finish();
    return out;
}

std::vector<HistoryEvent> HistoryStore::timeline(const PageQuery& page) {
    std::vector<HistoryEvent> out;
    for (Snapshot& s : snapshots(page))
        out.emplace_back(std::move(s));
    for (JournalEntry& e : journal(page))
        out.emplace_back(std::move(e));
    std::sort(out.begin(), out.end(),
              [](const HistoryEvent& a, const HistoryEvent& b) { return seq_of(a) > seq_of(b); });
    out.resize(std::min(out.size(), static_cast<std::size_t>(std::clamp(page.limit, 0, kMaxPage))));
    return out;
}

std::optional<Snapshot> HistoryStore::snapshot(std::int64_t id) {
    const std::string sql =
        std::string("SELECT ") + kSnapshotColumns + " FROM snapshots WHERE id = ?";
    QSqlQuery& q = query(sql.c_str());
    q.bindValue(0, static_cast<qlonglong>(id));
    std::optional<Snapshot> out;
    if (run(q) && q.next())
        out = snapshot_from(q);
    q.finish();
    return out;
}

std::optional<Snapshot> HistoryStore::first_snapshot(const std::string& vehicle) {
    const std::string sql = std::string("SELECT ") + kSnapshotColumns + " FROM snapshots" +
                            (vehicle.empty() ? " WHERE ? = ''" : " WHERE vehicle = ?") +
                            " ORDER BY seq LIMIT 1";
    QSqlQuery& q = query(sql.c_str());
    q.bindValue(0, QString::fromStdString(vehicle));
    std::optional<Snapshot> out;
    if (run(q) && q.next())
        out = snapshot_from(q);
    q.finish();
    return out;
}

std::vector<Change> HistoryStore::recent_changes(const std::string& vehicle, int limit) {
    const std::string changes_sql =
        std::string(
            "SELECT id, time, source, vehicle, program, snapshot_before, undoes,"
            // Undone by a change none of whose writes failed or went unanswered.
            " EXISTS(SELECT 1 FROM changes u WHERE u.undoes = c.id AND NOT EXISTS(SELECT 1"
            " FROM journal j WHERE j.change_id = u.id AND j.state IN ('pending',"
            " 'not-acknowledged', 'not-held'))) FROM changes c") +
        (vehicle.empty() ? " WHERE ? = ''" : " WHERE vehicle = ?") + " ORDER BY id DESC LIMIT ?";
    QSqlQuery& q = query(changes_sql.c_str());
    q.bindValue(0, QString::fromStdString(vehicle));
    q.bindValue(1, std::clamp(limit, 0, kMaxPage));
    std::vector<Change> out;
    std::vector<std::optional<std::int64_t>> snapshot_ids;
    if (!run(q))
        return out;
    while (q.next()) {
        Change c;
        c.id = q.value(0).toLongLong();
        c.time_ms = q.value(1).toLongLong();
        c.source =
            source_from_name(q.value(2).toString().toStdString()).value_or(ChangeSource::Unnamed);
        c.vehicle = q.value(3).toString().toStdString();
        c.program = q.value(4).toString().toStdString();
        snapshot_ids.push_back(optional_of<std::int64_t>(q.value(5)));
        c.undoes = optional_of<std::int64_t>(q.value(6));
        c.undone = q.value(7).toBool();
        out.push_back(std::move(c));
    }
    q.finish();
    const std::string sql =
        std::string("SELECT ") + kEntryColumns + " FROM journal WHERE change_id = ? ORDER BY seq";
    for (std::size_t i = 0; i < out.size(); ++i) {
        if (snapshot_ids[i])
            out[i].snapshot_before = snapshot(*snapshot_ids[i]);
        QSqlQuery& e = query(sql.c_str());
        e.bindValue(0, static_cast<qlonglong>(out[i].id));
        if (run(e))
            while (e.next())
                out[i].entries.push_back(entry_from(e));
        e.finish();
    }
    return out;
}

std::vector<HistoryEvent> HistoryStore::events_since(std::int64_t snapshot_id) {
    std::vector<HistoryEvent> out;
    const auto first = snapshot(snapshot_id);
    if (!first)
        return out;
    const std::string snapshots_sql =
        std::string("SELECT ") + kSnapshotColumns + " FROM snapshots WHERE seq >= ? ORDER BY seq";
    QSqlQuery& s = query(snapshots_sql.c_str());
    s.bindValue(0, static_cast<qlonglong>(first->seq));
    if (run(s))
        while (s.next())
            out.emplace_back(snapshot_from(s));
    s.finish();
    const std::string entries_sql =
        std::string("SELECT ") + kEntryColumns + " FROM journal WHERE seq > ? ORDER BY seq";
    QSqlQuery& e = query(entries_sql.c_str());
    e.bindValue(0, static_cast<qlonglong>(first->seq));
    if (run(e))
        while (e.next())
            out.emplace_back(entry_from(e));
    e.finish();
    std::sort(out.begin(), out.end(),
              [](const HistoryEvent& a, const HistoryEvent& b) { return seq_of(a) < seq_of(b); });
    return out;
}

std::vector<std::string> HistoryStore::vehicles() {
    QSqlQuery& q = query(
        "SELECT vehicle FROM snapshots WHERE vehicle <> '' UNION"
        " SELECT vehicle FROM changes WHERE vehicle <> '' ORDER BY 1");
    std::vector<std::string> out;
    if (run(q))
        while (q.next())
            out.push_back(q.value(0).toString().toStdString());
    q.finish();
    return out;
}

}  // namespace tarvex::history
