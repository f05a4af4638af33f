// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractTableModel>

#include <string>
#include <vector>

#include "history/history_store.h"

namespace tarvex::history {

// The history's snapshots and journal entries by time, newest first, for
// the window: read a page at a time as the list is scrolled, so that a
// history of any length opens at once.
class HistoryModel final : public QAbstractTableModel {
    Q_OBJECT
  public:
    enum Column { Time, What, Setting, Values, Outcome, Vehicle, Note, ColumnCount };
    // Rows read at a time.
    static constexpr int kPage = 200;

    HistoryModel(HistoryStore& store, QObject* parent);

    // Shows one vehicle's visits only (every visit for an empty label), from
    // the newest.
    void show_vehicle(const std::string& label);
    // Reads the newest page again (after something was kept).
    void reload();
    const HistoryEvent& event(int row) const { return events_[static_cast<std::size_t>(row)]; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

  private:
    QString text(const HistoryEvent& event, int column) const;

    HistoryStore& store_;
    std::string vehicle_;
    std::vector<HistoryEvent> events_;
    bool complete_ = false;
};

}  // namespace tarvex::history
