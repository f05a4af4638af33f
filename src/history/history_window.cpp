// SPDX-License-Identifier: MIT
#include "history/history_window.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "config/compare_dialog.h"
#include "history/history_texts.h"
#include "history/restore_plan.h"
#include "ui/tool_texts.h"
#include "ui/ui_text_qt.h"
#include "ui/window_place.h"

namespace tarvex::history {

namespace {

// Labels and notes are kept whole, within reason.
constexpr int kMaxLabel = 64;
constexpr int kMaxNote = 200;

std::string trimmed(const QString& text) {
    return text.simplified().toStdString();
}

// A snapshot's comparison with the controller: restored whole as File > Open
// sends a file, or a row at a time.
CompareSubject snapshot_subject(const Snapshot& s) {
    return {.title = QCoreApplication::translate("History", "Snapshot %1 (%2, %3)")
                         .arg(s.id)
                         .arg(kind_text(s.kind), time_text(s.time_ms)),
            .column = QCoreApplication::translate("History", "Snapshot"),
            .send = QCoreApplication::translate("History", "Restore"),
            .source = ChangeSource::Restore,
            .send_row = QCoreApplication::translate("History", "Restore this setting"),
            .row_writes = [s](const CompareRow& row, const ControllerImage& now) {
                std::vector<Write> writes;
                for (const SettingWrite& w : restore_setting(
                         s, kSettings[row.settings.front()].code, image_values(now), row.mask))
                    writes.push_back({w.code, w.value});
                return writes;
            }};
}

}  // namespace

HistoryWindow::HistoryWindow(const HistoryContext& context, QWidget* parent)
    : QDialog(parent),
      context_(context),
      store_(context.history->store()),
      model_(new HistoryModel(store_, this)),
      table_(new QTableView(this)),
      vehicle_(new QLineEdit(this)),
      attach_(new QPushButton(QCoreApplication::translate("History", "Attach"), this)),
      filter_(new QComboBox(this)),
      note_(new QLineEdit(this)),
      take_(new QPushButton(QCoreApplication::translate("History", "Take snapshot"), this)),
      show_(new QPushButton(QCoreApplication::translate("History", "Show beside the controller..."),
                            this)) {
    setWindowTitle(history_caption());
    vehicle_->setMaxLength(kMaxLabel);
    vehicle_->setText(QString::fromStdString(store_.vehicle()));
    vehicle_->setPlaceholderText(
        QCoreApplication::translate("History", "registration, VIN or customer"));
    note_->setMaxLength(kMaxNote);
    fill_filter(store_.vehicle());
    // The list shows what the filter shows: this visit's vehicle, once it has one.
    if (const QString shown = filter_->currentData().toString(); !shown.isEmpty())
        model_->show_vehicle(shown.toStdString());

    table_->setModel(model_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();
    // Rows of one height and columns of set widths: nothing is measured over
    // the whole history.
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    const int widths[HistoryModel::ColumnCount] = {150, 200, 130, 130, 170, 110, 100};
    for (int c = 0; c < HistoryModel::ColumnCount; ++c)
        table_->setColumnWidth(c, widths[c]);
    table_->horizontalHeader()->setStretchLastSection(true);

    auto* visit = new QHBoxLayout;
    visit->addWidget(vehicle_, 1);
    visit->addWidget(attach_);
    auto* snapshot = new QHBoxLayout;
    snapshot->addWidget(note_, 1);
    snapshot->addWidget(take_);
    auto* form = new QFormLayout;
    form->addRow(QCoreApplication::translate("History", "Vehicle of this visit:"), visit);
    form->addRow(QCoreApplication::translate("History", "Show:"), filter_);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(show_, QDialogButtonBox::ActionRole);
    QPushButton* close = buttons->addButton(QDialogButtonBox::Close);
    close->setText(
        ui_string(context_.file.texts, tool_text(context_.file.texts.texts, tool_slot::Close)));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(table_, 1);
    auto* note_row = new QFormLayout;
    note_row->addRow(QCoreApplication::translate("History", "Note:"), snapshot);
    layout->addLayout(note_row);
    layout->addWidget(buttons);

    // Return in the label or note field keeps it and nothing else.
    for (QPushButton* b : {attach_, take_, show_})
        b->setAutoDefault(false);
    connect(attach_, &QPushButton::clicked, this, &HistoryWindow::attach_vehicle);
    connect(vehicle_, &QLineEdit::returnPressed, this, &HistoryWindow::attach_vehicle);
    connect(take_, &QPushButton::clicked, this, &HistoryWindow::take_snapshot);
    connect(note_, &QLineEdit::returnPressed, this, &HistoryWindow::take_snapshot);
    connect(show_, &QPushButton::clicked, this, &HistoryWindow::show_chosen);
    connect(table_, &QTableView::activated, this, &HistoryWindow::show_chosen);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(filter_, &QComboBox::currentIndexChanged, this, &HistoryWindow::filter_changed);
    connect(table_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &HistoryWindow::enable_show);
    connect(model_, &QAbstractItemModel::modelReset, this, &HistoryWindow::enable_show);

    place_over(*this, QSize(1040, 600), parent);
    choose_newest_snapshot();
    table_->setFocus();
}

void HistoryWindow::fill_filter(const std::string& selected) {
    const QSignalBlocker quiet(filter_);
    filter_->clear();
    filter_->addItem(QCoreApplication::translate("History", "All vehicles"), QString());
    for (const std::string& label : store_.vehicles())
        filter_->addItem(QString::fromStdString(label), QString::fromStdString(label));
    filter_->setCurrentIndex(std::max(0, filter_->findData(QString::fromStdString(selected))));
}

void HistoryWindow::filter_changed() {
    model_->show_vehicle(filter_->currentData().toString().toStdString());
    choose_newest_snapshot();
}

// The newest snapshot of the first page is chosen at once: after a factory
// reset, the one taken before it.
void HistoryWindow::choose_newest_snapshot() {
    for (int r = 0; r < model_->rowCount(); ++r)
        if (std::holds_alternative<Snapshot>(model_->event(r))) {
            table_->selectRow(r);
            table_->scrollTo(model_->index(r, 0));
            break;
        }
    enable_show();
}

const Snapshot* HistoryWindow::chosen_snapshot() const {
    const QModelIndex at = table_->selectionModel()->currentIndex();
    if (!at.isValid() || at.row() >= model_->rowCount())
        return nullptr;
    return std::get_if<Snapshot>(&model_->event(at.row()));
}

void HistoryWindow::enable_show() {
    show_->setEnabled(chosen_snapshot() != nullptr);
}

void HistoryWindow::show_chosen() {
    const Snapshot* chosen = chosen_snapshot();
    if (!chosen)
        return;
    const Snapshot snapshot = *chosen;
    const FileContext& f = context_.file;
    const SettingsAnswer answer = poll_and_read_settings(f.link, f.image);
    ParsedSettings values{.ok = true, .values = snapshot_values(snapshot)};
    {
        CompareDialog compare(f, snapshot_subject(snapshot), values, answer, this);
        compare.exec();
    }
    // What the restore kept.
    model_->reload();
    choose_newest_snapshot();
}

void HistoryWindow::take_snapshot() {
    const FileContext& f = context_.file;
    const SettingsAnswer answer = poll_and_read_settings(f.link, f.image);
    if (answer != SettingsAnswer::Read) {
        f.dialogs.message(this, UserDialogs::Icon::Warning, history_caption(),
                          unread_text(answer) + QLatin1Char(' ') +
                              QCoreApplication::translate("History", "No snapshot was taken."));
        return;
    }
    HistoryJournal& journal = context_.history->journal();
    if (!journal.take_snapshot(SnapshotKind::ByHand, f.link, f.image, trimmed(note_->text()))) {
        history_kept(context_, this);
        return;
    }
    note_->clear();
    model_->reload();
    choose_newest_snapshot();
}

void HistoryWindow::attach_vehicle() {
    const std::string label = trimmed(vehicle_->text());
    vehicle_->setText(QString::fromStdString(label));
    if (!store_.label_visit(context_.history->journal().visit_start(), label)) {
        context_.file.dialogs.message(this, UserDialogs::Icon::Warning, history_caption(),
                                      history_failure_text(store_.path(), store_.last_error()));
        return;
    }
    fill_filter(label);
    filter_changed();
}

}  // namespace tarvex::history
