// SPDX-License-Identifier: MIT
#include "history/history_model.h"

#include <QCoreApplication>
#include <QFont>

#include "history/history_texts.h"

namespace tarvex::history {

HistoryModel::HistoryModel(HistoryStore& store, QObject* parent)
    : QAbstractTableModel(parent), store_(store) {
    reload();
}

void HistoryModel::show_vehicle(const std::string& label) {
    vehicle_ = label;
    reload();
}

void HistoryModel::reload() {
    beginResetModel();
    events_ = store_.timeline({vehicle_, std::nullopt, kPage});
    complete_ = events_.size() < static_cast<std::size_t>(kPage);
    endResetModel();
}

bool HistoryModel::canFetchMore(const QModelIndex& parent) const {
    return !parent.isValid() && !complete_;
}

void HistoryModel::fetchMore(const QModelIndex& parent) {
    if (!canFetchMore(parent) || events_.empty())
        return;
    const std::int64_t last = std::visit([](const auto& e) { return e.seq; }, events_.back());
    std::vector<HistoryEvent> page = store_.timeline({vehicle_, last, kPage});
    complete_ = page.size() < static_cast<std::size_t>(kPage);
    if (page.empty())
        return;
    const int first = rowCount();
    beginInsertRows({}, first, first + static_cast<int>(page.size()) - 1);
    for (HistoryEvent& e : page)
        events_.push_back(std::move(e));
    endInsertRows();
}

int HistoryModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(events_.size());
}

int HistoryModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant HistoryModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
        case Time:
            return QCoreApplication::translate("History", "Time");
        case What:
            return QCoreApplication::translate("History", "What");
        case Setting:
            return QCoreApplication::translate("History", "Setting");
        case Values:
            return QCoreApplication::translate("History", "Before, sent");
        case Outcome:
            return QCoreApplication::translate("History", "Outcome");
        case Vehicle:
            return QCoreApplication::translate("History", "Vehicle");
        case Note:
            return QCoreApplication::translate("History", "Note");
        default:
            return {};
    }
}

QVariant HistoryModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const HistoryEvent& e = event(index.row());
    if (role == Qt::DisplayRole)
        return text(e, index.column());
    // Snapshots stand out: they are what can be shown and restored.
    if (role == Qt::FontRole && std::holds_alternative<Snapshot>(e)) {
        QFont f;
        f.setBold(true);
        return f;
    }
    return {};
}

QString HistoryModel::text(const HistoryEvent& event, int column) const {
    if (const auto* s = std::get_if<Snapshot>(&event)) {
        switch (column) {
            case Time:
                return time_text(s->time_ms);
            case What:
                return QCoreApplication::translate("History", "Snapshot: %1")
                    .arg(kind_text(s->kind));
            case Vehicle:
                return QString::fromStdString(s->vehicle);
            case Note:
                return QString::fromStdString(s->note);
            default:
                return {};
        }
    }
    const auto& w = std::get<JournalEntry>(event);
    switch (column) {
        case Time:
            return time_text(w.time_ms);
        case What:
            return source_text(w.source);
        case Setting:
            return key_text(w.code);
        case Values:
            return QStringLiteral("%1 \u2192 %2")
                .arg(w.value_before ? QString::number(*w.value_before) : QStringLiteral("?"))
                .arg(w.value_sent);
        case Outcome:
            return state_text(w);
        case Vehicle:
            return QString::fromStdString(w.vehicle);
        case Note:
            // Who sent it, when not this program.
            return w.program == store_.program() ? QString() : QString::fromStdString(w.program);
        default:
            return {};
    }
}

}  // namespace tarvex::history
