// SPDX-License-Identifier: MIT
#include "history/history_store.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <sys/stat.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "history/store_rows.h"

namespace tarvex::history {

namespace {

// SQLite's primary result codes that say what went wrong.
constexpr int kSqlitePerm = 3;
constexpr int kSqliteBusy = 5;
constexpr int kSqliteLocked = 6;
constexpr int kSqliteReadOnly = 8;
constexpr int kSqliteCorrupt = 11;
constexpr int kSqliteCantOpen = 14;
constexpr int kSqliteNotADb = 26;

StoreFailure failure_of(int sqlite_code) {
    switch (sqlite_code & 0xFF) {
        case kSqliteBusy:
        case kSqliteLocked:
            return StoreFailure::Locked;
        case kSqlitePerm:
        case kSqliteReadOnly:
        case kSqliteCantOpen:
            return StoreFailure::NotWritable;
        case kSqliteCorrupt:
        case kSqliteNotADb:
            return StoreFailure::Corrupt;
        default:
            return StoreFailure::Failed;
    }
}

StoreError error_of(const QSqlError& e) {
    bool ok = false;
    const int code = e.nativeErrorCode().toInt(&ok);
    QString text = e.driverText();
    if (!e.databaseText().isEmpty())
        text = e.databaseText();
    return {ok ? failure_of(code) : StoreFailure::Failed, text.toStdString()};
}

std::int64_t now_ms() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

const char* const kSchema[] = {
    "CREATE TABLE counter(id INTEGER PRIMARY KEY CHECK (id = 1), next INTEGER NOT NULL)",
    "INSERT INTO counter VALUES (1, 0)",
    "CREATE TABLE snapshots(id INTEGER PRIMARY KEY AUTOINCREMENT, seq INTEGER NOT NULL UNIQUE,"
    " time INTEGER NOT NULL, kind TEXT NOT NULL, note TEXT NOT NULL, vehicle TEXT NOT NULL,"
    " program TEXT NOT NULL, settings1 BLOB NOT NULL, settings2 BLOB NOT NULL,"
    " att_init INTEGER NOT NULL, status BLOB NOT NULL)",
    "CREATE INDEX snapshots_by_vehicle ON snapshots(vehicle, seq)",
    "CREATE TABLE changes(id INTEGER PRIMARY KEY AUTOINCREMENT, time INTEGER NOT NULL,"
    " source TEXT NOT NULL, vehicle TEXT NOT NULL, program TEXT NOT NULL,"
    " snapshot_before INTEGER REFERENCES snapshots(id), undoes INTEGER REFERENCES changes(id))",
    "CREATE INDEX changes_by_vehicle ON changes(vehicle, id)",
    "CREATE INDEX changes_by_undoes ON changes(undoes)",
    "CREATE TABLE journal(id INTEGER PRIMARY KEY AUTOINCREMENT, seq INTEGER NOT NULL UNIQUE,"
    " time INTEGER NOT NULL, change_id INTEGER NOT NULL REFERENCES changes(id),"
    " source TEXT NOT NULL, code INTEGER NOT NULL, key TEXT NOT NULL, value_before INTEGER,"
    " value_sent INTEGER NOT NULL, ack_count INTEGER, ack BLOB, value_shown INTEGER,"
    " state TEXT NOT NULL, vehicle TEXT NOT NULL, program TEXT NOT NULL)",
    "CREATE INDEX journal_by_vehicle ON journal(vehicle, seq)",
    "CREATE INDEX journal_by_change ON journal(change_id)",
};

QVariant optional_value(const std::optional<std::int64_t>& v) {
    return v ? QVariant(static_cast<qlonglong>(*v)) : QVariant();
}

}  // namespace

HistoryStore::HistoryStore(std::string path, std::string program, std::string connection)
    : path_(std::move(path)), program_(std::move(program)), connection_(std::move(connection)) {}

HistoryStore::~HistoryStore() {
    prepared_.clear();
    QSqlDatabase::database(QString::fromStdString(connection_), false).close();
    QSqlDatabase::removeDatabase(QString::fromStdString(connection_));
}

std::unique_ptr<HistoryStore> HistoryStore::open(const std::string& path, std::string program,
                                                 StoreError& error, int busy_timeout_ms) {
    error = {};
    if (!QSqlDatabase::isDriverAvailable("QSQLITE")) {
        error = {StoreFailure::NoDriver, "no SQLite driver"};
        return nullptr;
    }
    // SQLite would open a pipe or a device as well, and wait on it.
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) {
        error = {StoreFailure::NotAFile, "not a regular file"};
        return nullptr;
    }
    static std::atomic<int> opened{0};
    std::unique_ptr<HistoryStore> store(
        new HistoryStore(path, std::move(program), "tarvex-history-" + std::to_string(opened++)));
    if (!store->open_connection(busy_timeout_ms) || !store->prepare_schema() ||
        !store->check_integrity()) {
        error = store->error_;
        return nullptr;
    }
    return store;
}

bool HistoryStore::open_connection(int busy_timeout_ms) {
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", QString::fromStdString(connection_));
    db.setDatabaseName(QString::fromStdString(path_));
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(busy_timeout_ms));
    if (!db.open()) {
        error_ = error_of(db.lastError());
        return false;
    }
    // Two programs opening a new file at once may both turn the log on; SQLite
    // then answers one of them busy without waiting: it tries again while
    // the busy timeout lasts.
    QSqlQuery mode(db);
    using namespace std::chrono;
    const auto deadline = steady_clock::now() + milliseconds(busy_timeout_ms);
    while (!mode.exec("PRAGMA journal_mode=WAL")) {
        if (error_of(mode.lastError()).failure != StoreFailure::Locked ||
            steady_clock::now() >= deadline)
            return fail_with(mode);
        std::this_thread::sleep_for(milliseconds(10));
    }
    if (!mode.next() || mode.value(0).toString() != "wal") {
        // SQLite keeps its rollback journal when it cannot make the log
        // beside the file.
        error_ = {StoreFailure::NotWritable, "the write-ahead log could not be made"};
        return false;
    }
    mode.finish();
    return exec("PRAGMA synchronous=FULL") && exec("PRAGMA foreign_keys=ON");
}

bool HistoryStore::prepare_schema() {
    // Taking the write lock first also shows whether the file may be written.
    if (!begin(Sync::Full))
        return false;
    QSqlQuery q(QSqlDatabase::database(QString::fromStdString(connection_), false));
    if (!q.exec("PRAGMA user_version") || !q.next()) {
        fail_with(q);
        rollback();
        return false;
    }
    const int version = q.value(0).toInt();
    q.finish();
    if (version > kSchemaVersion) {
        error_ = {StoreFailure::NewerVersion, "layout " + std::to_string(version) +
                                                  ", known up to " +
                                                  std::to_string(kSchemaVersion)};
        rollback();
        return false;
    }
    if (version == 0) {
        if (!q.exec("SELECT count(*) FROM sqlite_master") || !q.next()) {
            fail_with(q);
            rollback();
            return false;
        }
        if (q.value(0).toInt() != 0) {
            error_ = {StoreFailure::Corrupt, "a database of another program"};
            rollback();
            return false;
        }
        q.finish();
        for (const char* sql : kSchema)
            if (!exec(sql)) {
                rollback();
                return false;
            }
        if (!exec(("PRAGMA user_version=" + std::to_string(kSchemaVersion)).c_str())) {
            rollback();
            return false;
        }
    }
    return commit();
}

// A damaged page is found now rather than by a write in the middle of a
// visit. (The quick check reads every page once, without matching indexes
// to tables.)
bool HistoryStore::check_integrity() {
    QSqlQuery& q = query("PRAGMA quick_check(1)");
    if (!run(q) || !q.next())
        return false;
    const QString verdict = q.value(0).toString();
    q.finish();
    if (verdict == "ok")
        return true;
    error_ = {StoreFailure::Corrupt, verdict.toStdString()};
    return false;
}

QSqlQuery& HistoryStore::query(const char* sql) {
    auto& q = prepared_[sql];
    if (!q) {
        q = std::make_unique<QSqlQuery>(
            QSqlDatabase::database(QString::fromStdString(connection_), false));
        q->prepare(QString::fromUtf8(sql));
    }
    return *q;
}

bool HistoryStore::fail_with(const QSqlQuery& q) {
    error_ = error_of(q.lastError());
    return false;
}

bool HistoryStore::run(QSqlQuery& q) {
    if (q.exec())
        return true;
    return fail_with(q);
}

bool HistoryStore::exec(const char* sql) {
    QSqlQuery q(QSqlDatabase::database(QString::fromStdString(connection_), false));
    if (q.exec(QString::fromUtf8(sql)))
        return true;
    return fail_with(q);
}

// Write transactions take the write lock at once, so that the busy timeout
// applies to it rather than failing at the first write of a read.
bool HistoryStore::begin(Sync sync) {
    if (sync != sync_) {
        if (!run(query(sync == Sync::Full ? "PRAGMA synchronous=FULL"
                                          : "PRAGMA synchronous=NORMAL")))
            return false;
        sync_ = sync;
    }
    return run(query("BEGIN IMMEDIATE"));
}

bool HistoryStore::commit() {
    if (!run(query("COMMIT"))) {
        rollback();
        return false;
    }
    // A synced commit syncs the log with every commit before it.
    unsynced_ = sync_ == Sync::Deferred;
    return true;
}

bool HistoryStore::sync() {
    if (!unsynced_)
        return true;
    if (!begin(Sync::Full))
        return false;
    if (!run(query("UPDATE counter SET next = next"))) {  // a page to write, and so to sync
        rollback();
        return false;
    }
    return commit();
}

void HistoryStore::rollback() {
    QSqlQuery q(QSqlDatabase::database(QString::fromStdString(connection_), false));
    q.exec("ROLLBACK");
}

std::optional<std::int64_t> HistoryStore::next_seq() {
    QSqlQuery& q = query("UPDATE counter SET next = next + 1 RETURNING next");
    if (!run(q) || !q.next())
        return std::nullopt;
    const std::int64_t seq = q.value(0).toLongLong();
    q.finish();
    return seq;
}

std::optional<std::int64_t> HistoryStore::add_snapshot(const Snapshot& s) {
    if (!begin(Sync::Full))
        return std::nullopt;
    const auto seq = next_seq();
    QSqlQuery& q = query(
        "INSERT INTO snapshots(seq, time, kind, note, vehicle, program, settings1, settings2,"
        " att_init, status) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    if (!seq) {
        rollback();
        return std::nullopt;
    }
    q.bindValue(0, static_cast<qlonglong>(*seq));
    q.bindValue(1, static_cast<qlonglong>(now_ms()));
    q.bindValue(2, text(kind_name(s.kind)));
    q.bindValue(3, QString::fromStdString(s.note));
    q.bindValue(4, QString::fromStdString(vehicle_));
    q.bindValue(5, QString::fromStdString(program_));
    q.bindValue(6, blob(s.settings1));
    q.bindValue(7, blob(s.settings2));
    q.bindValue(8, s.att_init);
    q.bindValue(9, blob(s.status));
    if (!run(q)) {
        rollback();
        return std::nullopt;
    }
    const std::int64_t id = q.lastInsertId().toLongLong();
    if (!commit())
        return std::nullopt;
    return id;
}

std::optional<AddedEntry> HistoryStore::add_entry(const NewEntry& e) {
    if (!begin(Sync::Deferred))
        return std::nullopt;
    const std::int64_t time = now_ms();
    AddedEntry added{e.change_id, 0};
    if (added.change_id == 0) {
        QSqlQuery& c = query(
            "INSERT INTO changes(time, source, vehicle, program, snapshot_before, undoes)"
            " VALUES (?, ?, ?, ?, ?, ?)");
        c.bindValue(0, static_cast<qlonglong>(time));
        c.bindValue(1, text(source_name(e.source)));
        c.bindValue(2, QString::fromStdString(vehicle_));
        c.bindValue(3, QString::fromStdString(program_));
        c.bindValue(4, optional_value(e.links.snapshot_before));
        c.bindValue(5, optional_value(e.links.undoes));
        if (!run(c)) {
            rollback();
            return std::nullopt;
        }
        added.change_id = c.lastInsertId().toLongLong();
    }
    const auto seq = next_seq();
    QSqlQuery& q = query(
        "INSERT INTO journal(seq, time, change_id, source, code, key, value_before, value_sent,"
        " state, vehicle, program) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    if (!seq) {
        rollback();
        return std::nullopt;
    }
    q.bindValue(0, static_cast<qlonglong>(*seq));
    q.bindValue(1, static_cast<qlonglong>(time));
    q.bindValue(2, static_cast<qlonglong>(added.change_id));
    q.bindValue(3, text(source_name(e.source)));
    q.bindValue(4, e.write.code);
    q.bindValue(5, QString::fromStdString(key_for_code(e.write.code)));
    q.bindValue(6, e.write.shown_before ? QVariant(*e.write.shown_before) : QVariant());
    q.bindValue(7, e.write.value);
    q.bindValue(8, text(state_name(EntryState::Pending)));
    q.bindValue(9, QString::fromStdString(vehicle_));
    q.bindValue(10, QString::fromStdString(program_));
    if (!run(q)) {
        rollback();
        return std::nullopt;
    }
    added.entry_id = q.lastInsertId().toLongLong();
    if (!commit())
        return std::nullopt;
    return added;
}

bool HistoryStore::complete_entry(std::int64_t entry_id, std::span<const std::uint8_t> ack) {
    if (!begin(Sync::Deferred))
        return false;
    QSqlQuery& q = query("UPDATE journal SET ack_count = ?, ack = ?, state = ? WHERE id = ?");
    q.bindValue(0, static_cast<int>(ack.size()));
    q.bindValue(1, QByteArray(reinterpret_cast<const char*>(ack.data()),
                              static_cast<qsizetype>(ack.size())));
    q.bindValue(2, text(state_name(state_after_ack(ack.size()))));
    q.bindValue(3, static_cast<qlonglong>(entry_id));
    if (!run(q)) {
        rollback();
        return false;
    }
    return commit();
}

bool HistoryStore::settle_entries(const std::vector<Resolution>& resolutions) {
    if (resolutions.empty())
        return true;
    if (!begin(Sync::Full))
        return false;
    QSqlQuery& q = query("UPDATE journal SET value_shown = ?, state = ? WHERE id = ?");
    for (const Resolution& r : resolutions) {
        q.bindValue(0, r.shown);
        q.bindValue(1, text(state_name(r.state)));
        q.bindValue(2, static_cast<qlonglong>(r.entry_id));
        if (!run(q)) {
            rollback();
            return false;
        }
    }
    return commit();
}

bool HistoryStore::label_visit(std::optional<std::int64_t> from_snapshot,
                               const std::string& label) {
    const auto first = from_snapshot ? snapshot(*from_snapshot) : std::nullopt;
    if (first) {
        if (!begin(Sync::Full))
            return false;
        for (const char* sql : {
                 "UPDATE snapshots SET vehicle = ? WHERE seq >= ? AND program = ?"
                 " AND vehicle IN ('', ?)",
                 "UPDATE journal SET vehicle = ? WHERE seq >= ? AND program = ?"
                 " AND vehicle IN ('', ?)",
                 "UPDATE changes SET vehicle = ? WHERE id IN (SELECT change_id FROM journal"
                 " WHERE seq >= ?) AND program = ? AND vehicle IN ('', ?)",
             }) {
            QSqlQuery& q = query(sql);
            q.bindValue(0, QString::fromStdString(label));
            q.bindValue(1, static_cast<qlonglong>(first->seq));
            q.bindValue(2, QString::fromStdString(program_));
            q.bindValue(3, QString::fromStdString(vehicle_));
            if (!run(q)) {
                rollback();
                return false;
            }
        }
        if (!commit())
            return false;
    }
    vehicle_ = label;
    return true;
}

}  // namespace tarvex::history
