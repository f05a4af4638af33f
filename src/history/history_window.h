// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

#include "history/history_commands.h"
#include "history/history_model.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QTableView;

namespace tarvex::history {

// The settings history's window: snapshots and journal entries by time,
// newest first, shown for every vehicle or one; the label of the visit to
// the car now connected; snapshots taken by hand with a note. A snapshot
// chosen is shown beside the controller as the comparison shows a file, to
// be restored whole or a setting at a time.
class HistoryWindow final : public QDialog {
    Q_OBJECT
  public:
    // The history must be kept (history_kept).
    HistoryWindow(const HistoryContext& context, QWidget* parent);

    HistoryModel* model() const { return model_; }
    QTableView* table() const { return table_; }
    QLineEdit* vehicle() const { return vehicle_; }
    QPushButton* attach_button() const { return attach_; }
    QComboBox* filter() const { return filter_; }
    QLineEdit* note() const { return note_; }
    QPushButton* snapshot_button() const { return take_; }
    QPushButton* show_button() const { return show_; }

    // The chosen row's snapshot beside the controller.
    void show_chosen();
    void take_snapshot();
    void attach_vehicle();

  private:
    void fill_filter(const std::string& selected);
    void filter_changed();
    void choose_newest_snapshot();
    void enable_show();
    const Snapshot* chosen_snapshot() const;

    HistoryContext context_;
    HistoryStore& store_;
    HistoryModel* model_;
    QTableView* table_;
    QLineEdit* vehicle_;
    QPushButton* attach_;
    QComboBox* filter_;
    QLineEdit* note_;
    QPushButton* take_;
    QPushButton* show_;
};

}  // namespace tarvex::history
