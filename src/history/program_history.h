// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <string>

#include "history/history_journal.h"
#include "history/history_store.h"

namespace tarvex::history {

// The settings history a program keeps: its store, and the link's journal
// kept in it.
class ProgramHistory {
  public:
    // Opens (or creates) the history at path for the program named; null,
    // with the reason in error, when it cannot be kept.
    static std::unique_ptr<ProgramHistory> open(const std::string& path, std::string program,
                                                StoreError& error,
                                                int busy_timeout_ms = kDefaultBusyTimeoutMs);

    // Points the link's journal here; a change that replaces settings first
    // keeps what image shows.
    void attach(LinkState& link, const ControllerImage& image);

    HistoryStore& store() { return *store_; }
    HistoryJournal& journal() { return journal_; }
    // False once the store failed.
    bool working() const { return journal_.working(); }

  private:
    explicit ProgramHistory(std::unique_ptr<HistoryStore> store)
        : store_(std::move(store)), journal_(*store_) {}

    std::unique_ptr<HistoryStore> store_;
    HistoryJournal journal_;
};

}  // namespace tarvex::history
