// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "history/history_location.h"
#include "history/history_types.h"
#include "history/journal_rules.h"

class QSqlQuery;

namespace tarvex::history {

// How long a write waits for another program (the GUI, tarvex-cli) to finish
// its own before it gives up.
constexpr int kDefaultBusyTimeoutMs = 5000;
// The layout of the tables this program writes (PRAGMA user_version).
constexpr int kSchemaVersion = 1;

// Why the history could not be opened, or a write to it failed.
enum class StoreFailure {
    None,
    NoDriver,      // Qt's SQLite driver (package libqt6sql6-sqlite) is missing
    NotWritable,   // the file or its folder may not be written, or the folder does not exist
    NotAFile,      // the path names a folder, a pipe or a device
    Corrupt,       // the file is no history database, or it is damaged
    Locked,        // another program held it beyond the busy timeout
    NewerVersion,  // written by a newer program whose tables this one does not know
    Failed,        // anything else (a full disk, an I/O error)
};

struct StoreError {
    StoreFailure failure = StoreFailure::None;
    std::string sqlite_text;  // SQLite's own words about it, for the message
};

// The most rows one query returns, whatever limit it is given (SQLite takes
// a negative limit for none).
constexpr int kMaxPage = 1 << 20;

// A page of the history for the window, newest first.
struct PageQuery {
    std::string vehicle;                     // only this label; empty: every visit
    std::optional<std::int64_t> before_seq;  // continue below this seq (the last one shown)
    int limit = 200;
};

// What a change that opens with a write carries besides its source.
struct ChangeLinks {
    std::optional<std::int64_t> snapshot_before;  // the snapshot taken for it
    std::optional<std::int64_t> undoes;           // the change it undoes
};

// A journal entry about to be written: it joins change_id, or opens a new
// change with source and links when change_id is 0.
struct NewEntry {
    std::int64_t change_id = 0;
    ChangeSource source = ChangeSource::Unnamed;
    ChangeLinks links;
    WriteAttempt write;
};
struct AddedEntry {
    std::int64_t change_id = 0;
    std::int64_t entry_id = 0;
};

// The settings history in one SQLite file through Qt SQL: snapshots, changes
// and journal entries. Write-ahead log; a busy timeout lets two programs
// write the same file. Each write is one transaction, committed when the call
// returns success, so that it survives the program being killed; on failure
// nothing of it is kept and last_error() says why. Snapshots and what the
// next read showed are also synced to the disk before the call returns, so
// that they survive a power cut; an entry and its completion reach the disk
// with the next sync, which the journal makes at the next read of the
// controller's settings, so that a pick waits for no disk. Rows are ordered
// by seq, one counter over snapshots and entries in the order they were
// committed. Not thread-safe: use one store per thread.
class HistoryStore {
  public:
    // Opens the file at path, creating it and its tables when it does not
    // exist, and reads every page once to find damage now rather than in the
    // middle of a visit. program names the program in what it writes. Null
    // on failure, with the reason in error; the program goes on without a
    // history then.
    static std::unique_ptr<HistoryStore> open(const std::string& path, std::string program,
                                              StoreError& error,
                                              int busy_timeout_ms = kDefaultBusyTimeoutMs);
    ~HistoryStore();
    HistoryStore(const HistoryStore&) = delete;
    HistoryStore& operator=(const HistoryStore&) = delete;

    const std::string& path() const { return path_; }
    const std::string& program() const { return program_; }
    // The label of the current visit (registration, VIN, customer), kept with
    // everything written from now on; empty for none.
    void set_vehicle(std::string label) { vehicle_ = std::move(label); }
    const std::string& vehicle() const { return vehicle_; }
    const StoreError& last_error() const { return error_; }

    // Writing. Time, program and vehicle are stamped here.
    // Keeps a snapshot (its kind, note and frames); its id.
    std::optional<std::int64_t> add_snapshot(const Snapshot& snapshot);
    // Keeps an entry, pending, before its frame goes out (not yet synced).
    std::optional<AddedEntry> add_entry(const NewEntry& entry);
    // Completes an entry with the acknowledgement read.
    bool complete_entry(std::int64_t entry_id, std::span<const std::uint8_t> ack);
    // Records what the next read showed.
    bool settle_entries(const std::vector<Resolution>& resolutions);
    // Syncs to the disk what was committed since the last sync.
    bool sync();
    // Attaches a label to the visit (set_vehicle): everything this program
    // kept from the snapshot from_snapshot on (the visit's "as found") that
    // bears no label or the visit's label so far takes it too.
    bool label_visit(std::optional<std::int64_t> from_snapshot, const std::string& label);

    // Reading; empty (and last_error set) on failure.
    std::vector<Snapshot> snapshots(const PageQuery& query);
    std::vector<JournalEntry> journal(const PageQuery& query);
    // Snapshots and entries together, newest first, at most query.limit of
    // them: the window's list. The next page starts below the last one's seq.
    std::vector<HistoryEvent> timeline(const PageQuery& query);
    std::optional<Snapshot> snapshot(std::int64_t id);
    // The oldest snapshot of a visit (every visit for an empty label).
    std::optional<Snapshot> first_snapshot(const std::string& vehicle = {});
    // The newest changes of a visit (every visit for an empty label), newest
    // first, each with its entries and the snapshot taken for it: what
    // plan_undo walks. A change counts as undone once a change that undoes it
    // had every write answered (acknowledged, and held where read back): an
    // undo cut short leaves it to be undone again.
    std::vector<Change> recent_changes(const std::string& vehicle = {}, int limit = 64);
    // A snapshot and everything kept after it, oldest first: what replay takes.
    std::vector<HistoryEvent> events_since(std::int64_t snapshot_id);
    // The labels used so far, sorted.
    std::vector<std::string> vehicles();

  private:
    HistoryStore(std::string path, std::string program, std::string connection);
    bool open_connection(int busy_timeout_ms);
    bool prepare_schema();
    bool check_integrity();
    // A prepared statement of this connection, made on first use.
    QSqlQuery& query(const char* sql);
    bool run(QSqlQuery& q);
    bool exec(const char* sql);
    // How a transaction reaches the disk: synced at its commit, or with the
    // next synced one (a program killed meanwhile loses nothing of it; only
    // a power cut might).
    enum class Sync { Full, Deferred };
    bool begin(Sync sync);
    bool commit();
    void rollback();
    std::optional<std::int64_t> next_seq();
    bool fail_with(const QSqlQuery& q);

    std::string path_;
    std::string program_;
    std::string connection_;
    std::string vehicle_;
    StoreError error_;
    Sync sync_ = Sync::Full;
    bool unsynced_ = false;
    std::map<std::string, std::unique_ptr<QSqlQuery>> prepared_;
};

}  // namespace tarvex::history
