// SPDX-License-Identifier: MIT
#include "config/compare_dialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

#include "ui/added_texts.h"
#include "ui/local_file_name.h"
#include "ui/ui_text_qt.h"

namespace tarvex {

namespace {

const QString kIoError = QStringLiteral("I/O Error");

enum Column { ColSetting, ColFile, ColController, ColMark, ColumnCount };

QTableWidgetItem* cell(const QString& text, bool marked) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled);
    if (marked) {
        QFont f = item->font();
        f.setBold(true);
        item->setFont(f);
        item->setBackground(QColor(255, 230, 160));
    }
    return item;
}

// The image's settings as the controller holds them now, when it answers.
void read_controller(const FileContext& p) {
    poll_status(p.link, p.image);
    if (p.link.NoConnection == 0 && controller_generation(p.image) == 2) {
        read_live(p.link, p.image);
        read_settings1(p.link, p.image);
        read_settings2(p.link, p.image);
    }
}

}  // namespace

CompareDialog::CompareDialog(const FileContext& context, ParsedSettings file, QWidget* parent)
    : QDialog(parent),
      context_(context),
      file_(std::move(file)),
      rows_(compare_settings(file_, context.image, context.texts.texts)),
      table_(new QTableWidget(static_cast<int>(rows_.size()), ColumnCount, this)),
      send_(new QPushButton(this)) {
    const ViewTexts& t = context_.texts;
    auto added = [&t](int slot) { return ui_string(t, added_text(t.texts, slot)); };
    setWindowTitle(added(added_slot::CompareTitle));
    table_->setHorizontalHeaderLabels({added(added_slot::ColumnSetting),
                                       added(added_slot::ColumnFile),
                                       added(added_slot::ColumnController), QString()});
    table_->verticalHeader()->hide();
    table_->setSelectionMode(QAbstractItemView::NoSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    const QString differs = added(added_slot::Differs);
    for (int r = 0; r < static_cast<int>(rows_.size()); ++r) {
        const CompareRow& row = rows_[static_cast<std::size_t>(r)];
        table_->setItem(r, ColSetting, cell(ui_string(t, row.label(t.texts)), row.differs));
        table_->setItem(r, ColFile, cell(ui_string(t, row.file_text()), row.differs));
        table_->setItem(r, ColController, cell(ui_string(t, row.controller_text()), row.differs));
        table_->setItem(r, ColMark, cell(row.differs ? differs : QString(), row.differs));
    }
    // Long labels (a bit field shown by several controls) wrap within
    // columns of a fixed width, so that the window fits a small screen.
    table_->setWordWrap(true);
    table_->resizeColumnsToContents();
    const int widths[ColumnCount] = {340, 190, 190, 100};
    for (int c = 0; c < ColumnCount; ++c)
        table_->setColumnWidth(c, std::min(table_->columnWidth(c), widths[c]));
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->resizeRowsToContents();

    send_->setText(added(added_slot::Send));
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(send_, QDialogButtonBox::ActionRole);
    QPushButton* close = buttons->addButton(QDialogButtonBox::Close);
    close->setText(added(added_slot::Close));
    close->setDefault(true);
    connect(send_, &QPushButton::clicked, this, &CompareDialog::send);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_);
    layout->addWidget(buttons);
    int width = 40;
    for (int c = 0; c < ColumnCount; ++c)
        width += table_->columnWidth(c);
    // No larger than the screen or the main window, and centred over the
    // latter, also without a window manager.
    QSize want = QSize(width, 560).boundedTo(screen()->availableGeometry().size());
    const QWidget* over = parent ? parent->window() : nullptr;
    if (over)
        want = want.boundedTo(over->size());
    resize(want);
    if (over)
        move(over->geometry().center() - rect().center());
}

void CompareDialog::send() {
    // File > Open's algorithm: every setting in file order, stopping at the
    // first the controller does not acknowledge.
    if (send_settings(context_.link, context_.image, file_) !=
        static_cast<int>(file_.values.size()))
        context_.dialogs.message(this, UserDialogs::Icon::Warning, ui_text(context_.texts, 170),
                                 ui_text(context_.texts, 171));
    accept();
}

void compare_with_named_file(const FileContext& p, const std::string& path, QWidget* owner) {
    ParsedSettings parsed;
    std::string error;
    if (!read_settings_file(path, parsed, &error)) {
        p.dialogs.message(
            owner, UserDialogs::Icon::Warning, kIoError,
            ui_text(p.texts, 167) + QStringLiteral("\n\n%1: %2")
                                        .arg(shown_file_name(path), QString::fromStdString(error)));
        return;
    }
    if (!parsed.ok) {
        p.dialogs.message(owner, UserDialogs::Icon::Warning, ui_text(p.texts, 169),
                          ui_text(p.texts, 168));
        return;
    }
    read_controller(p);
    CompareDialog dialog(p, std::move(parsed), owner);
    dialog.exec();
}

void compare_with_file(const FileContext& p, QWidget* owner) {
    const QString name = p.dialogs.open_file_name(
        owner, ui_string(p.texts, added_text(p.texts.texts, added_slot::CompareTitle)));
    if (!name.isEmpty())
        compare_with_named_file(p, local_file_name(name), owner);
}

}  // namespace tarvex
