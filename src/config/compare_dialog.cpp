// SPDX-License-Identifier: MIT
#include "config/compare_dialog.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

#include "ui/format.h"
#include "ui/local_file_name.h"
#include "ui/playback_refusal.h"
#include "ui/tool_texts.h"
#include "ui/ui_text_qt.h"
#include "ui/window_place.h"

namespace tarvex {

namespace {

const QString kIoError = QStringLiteral("I/O Error");

enum Column { ColSetting, ColFile, ColController, ColMark, ColumnCount };

QTableWidgetItem* cell(const QString& text, bool marked, bool not_offered = false) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    if (marked) {
        QFont f = item->font();
        f.setBold(true);
        item->setFont(f);
        item->setBackground(QColor(255, 230, 160));
    }
    if (not_offered)
        item->setForeground(QColor(192, 0, 0));
    return item;
}

QString value_text(const ViewTexts& t, const std::optional<CompareValue>& v) {
    if (!v)
        return {};
    const QString text = ui_string(t, v->text);
    return v->offered ? text
                      : text + QLatin1Char(' ') +
                            QCoreApplication::translate("Compare", "(not in the list)");
}

QString label_text(const ViewTexts& t, const CompareRow& row) {
    if (row.label_slot >= 0)
        return ui_string(t, t.texts[row.label_slot]).trimmed();
    const std::string_view key = row.key();
    return QCoreApplication::translate("Compare", "%1: bits no control sets")
        .arg(QString::fromLatin1(key.data(), static_cast<qsizetype>(key.size())));
}

}  // namespace

std::vector<ControlChange> changed_controls(const ViewTexts& t,
                                            const std::array<std::uint8_t, 28>& values,
                                            const ControllerImage& image) {
    std::vector<ControlChange> out;
    for (const CompareRow& row : compare_settings({.ok = true, .values = values}, &image, t.texts,
                                                  decimal_separator(t.LanguageCode)))
        if (row.differs)
            out.push_back(
                {label_text(t, row), value_text(t, row.file), value_text(t, row.controller)});
    return out;
}

CompareSubject file_subject(const ViewTexts& t, const QString& file_name) {
    auto text = [&t](int slot) { return ui_string(t, tool_text(t.texts, slot)); };
    return {.title = text(tool_slot::CompareTitle) + QStringLiteral(" - ") +
                     QDir::toNativeSeparators(QFileInfo(file_name).absoluteFilePath()),
            .column = text(tool_slot::ColumnFile),
            .send = text(tool_slot::Send)};
}

CompareDialog::CompareDialog(const FileContext& context, CompareSubject subject,
                             ParsedSettings file, SettingsAnswer answer, QWidget* parent)
    : QDialog(parent),
      context_(context),
      subject_(std::move(subject)),
      file_(std::move(file)),
      answer_(answer),
      status_(new QLabel(this)),
      differences_only_(
          new QCheckBox(QCoreApplication::translate("Compare", "Differences only"), this)),
      table_(new QTableWidget(0, ColumnCount, this)),
      send_(new QPushButton(this)) {
    const ViewTexts& t = context_.texts;
    auto text = [&t](int slot) { return ui_string(t, tool_text(t.texts, slot)); };
    setWindowTitle(subject_.title);
    table_->setHorizontalHeaderLabels({text(tool_slot::ColumnSetting), subject_.column,
                                       text(tool_slot::ColumnController), QString()});
    table_->verticalHeader()->hide();
    table_->setSelectionMode(subject_.row_writes ? QAbstractItemView::SingleSelection
                                                 : QAbstractItemView::NoSelection);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab leaves the table for the buttons.
    table_->setTabKeyNavigation(false);
    status_->setWordWrap(true);
    show_rows();
    // Long labels wrap within columns of a fixed width, so that the window
    // fits a small screen.
    table_->setWordWrap(true);
    table_->resizeColumnsToContents();
    const int widths[ColumnCount] = {340, 190, 190, 100};
    for (int c = 0; c < ColumnCount; ++c)
        table_->setColumnWidth(c, std::max(std::min(table_->columnWidth(c), widths[c]), 120));
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->resizeRowsToContents();
    connect(differences_only_, &QCheckBox::toggled, this, &CompareDialog::filter_rows);

    send_->setText(subject_.send);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(send_, QDialogButtonBox::ActionRole);
    if (subject_.row_writes) {
        send_row_ = new QPushButton(subject_.send_row, this);
        buttons->addButton(send_row_, QDialogButtonBox::ActionRole);
        connect(send_row_, &QPushButton::clicked, this, &CompareDialog::send_row);
        connect(table_, &QTableWidget::itemSelectionChanged, this,
                &CompareDialog::enable_row_button);
        enable_row_button();
    }
    QPushButton* close = buttons->addButton(QDialogButtonBox::Close);
    close->setText(text(tool_slot::Close));
    close->setDefault(true);
    connect(send_, &QPushButton::clicked, this, &CompareDialog::send);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(status_);
    layout->addWidget(differences_only_);
    layout->addWidget(table_);
    layout->addWidget(buttons);
    int width = 40;
    for (int c = 0; c < ColumnCount; ++c)
        width += table_->columnWidth(c);
    place_over(*this, QSize(width, 560), parent);

    connect(&timer_, &QTimer::timeout, this, &CompareDialog::tick);
    if (answer_ != SettingsAnswer::Read)
        timer_.start(kPollPeriodLost);
}

void CompareDialog::show_rows() {
    const ViewTexts& t = context_.texts;
    const bool read = answer_ == SettingsAnswer::Read;
    rows_ = compare_settings(file_, read ? &context_.image : nullptr, t.texts,
                             decimal_separator(t.LanguageCode));
    const QString differs = ui_string(t, tool_text(t.texts, tool_slot::Differs));
    table_->setRowCount(static_cast<int>(rows_.size()));
    int differing = 0;
    for (int r = 0; r < static_cast<int>(rows_.size()); ++r) {
        const CompareRow& row = rows_[static_cast<std::size_t>(r)];
        differing += row.differs;
        table_->setItem(r, ColSetting, cell(label_text(t, row), row.differs));
        table_->setItem(r, ColFile, cell(value_text(t, row.file), row.differs, !row.file.offered));
        table_->setItem(r, ColController,
                        cell(value_text(t, row.controller), row.differs,
                             row.controller && !row.controller->offered));
        table_->setItem(r, ColMark, cell(row.differs ? differs : QString(), row.differs));
    }
    switch (answer_) {
        case SettingsAnswer::Read:
            status_->setText(QCoreApplication::translate("Compare", "%1 of %2 rows differ.")
                                 .arg(differing)
                                 .arg(rows_.size()));
            break;
        case SettingsAnswer::NoAnswer:
            status_->setText(QCoreApplication::translate(
                "Compare",
                "The controller does not answer: its values cannot be shown and "
                "the file cannot be sent."));
            break;
        case SettingsAnswer::OtherGeneration:
            status_->setText(QCoreApplication::translate(
                "Compare",
                "The controller is not of generation 2: its settings cannot be "
                "read and the file cannot be sent."));
            break;
        case SettingsAnswer::NotRead:
            status_->setText(QCoreApplication::translate(
                "Compare",
                "The controller's settings could not be read: its values cannot "
                "be shown and the file cannot be sent."));
            break;
    }
    send_->setEnabled(read);
    differences_only_->setEnabled(read);
    filter_rows();
    enable_row_button();
}

void CompareDialog::enable_row_button() {
    if (send_row_)
        send_row_->setEnabled(answer_ == SettingsAnswer::Read &&
                              !table_->selectionModel()->selectedRows().isEmpty());
}

void CompareDialog::filter_rows() {
    const bool only = differences_only_->isChecked();
    for (int r = 0; r < static_cast<int>(rows_.size()); ++r)
        table_->setRowHidden(r, only && !rows_[static_cast<std::size_t>(r)].differs);
}

void CompareDialog::tick() {
    if (!compare_poll(context_.link, context_.image, answer_))
        return;
    timer_.stop();
    show_rows();
    table_->resizeRowsToContents();
}

void CompareDialog::send() {
    if (refused_while_playing(context_.link, context_.dialogs, context_.texts, this))
        return;
    // File > Open's algorithm, the result read back and confirmed.
    send_settings_file(context_, this, file_.values, subject_.source);
    accept();
}

void CompareDialog::send_row() {
    const QModelIndexList chosen = table_->selectionModel()->selectedRows();
    if (chosen.isEmpty() ||
        refused_while_playing(context_.link, context_.dialogs, context_.texts, this))
        return;
    const int r = chosen.front().row();
    const std::vector<Write> writes =
        subject_.row_writes(rows_[static_cast<std::size_t>(r)], context_.image);
    if (writes.empty())
        return;
    SendOutcome out;
    {
        JournalChange change(context_.link, subject_.source);
        out = send_writes_and_confirm(context_.link, context_.image, writes);
    }
    report_send(context_, this, out);
    // What the controller holds now, read back by the sending.
    show_rows();
    table_->resizeRowsToContents();
    table_->selectRow(r);
}

void compare_with_named_file(const FileContext& p, const std::string& path, QWidget* owner) {
    ParsedSettings parsed;
    std::string error;
    if (!read_settings_file(path, parsed, &error)) {
        p.dialogs.message(owner, UserDialogs::Icon::Warning, kIoError,
                          ui_text(p.texts, text_slot::CannotOpen) +
                              QStringLiteral("\n\n%1: %2")
                                  .arg(shown_file_name(path), QString::fromStdString(error)));
        return;
    }
    if (!parsed.ok) {
        p.dialogs.message(owner, UserDialogs::Icon::Warning,
                          ui_text(p.texts, text_slot::WrongFormat),
                          ui_text(p.texts, text_slot::NotASettingsFile));
        return;
    }
    const SettingsAnswer answer = poll_and_read_settings(p.link, p.image);
    CompareDialog dialog(p, QFileInfo(shown_file_name(path)).absoluteFilePath(), std::move(parsed),
                         answer, owner);
    dialog.exec();
}

void compare_with_file(const FileContext& p, QWidget* owner) {
    const QString name = p.dialogs.open_file_name(
        owner, ui_string(p.texts, tool_text(p.texts.texts, tool_slot::CompareTitle)));
    if (!name.isEmpty())
        compare_with_named_file(p, local_file_name(name), owner);
}

}  // namespace tarvex
