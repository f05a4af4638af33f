// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>
#include <QTimer>

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "config/file_commands.h"
#include "config/settings_compare.h"
#include "config/settings_file.h"
#include "config/settings_poll.h"
#include "link/settings_read.h"

class QCheckBox;
class QLabel;
class QTableWidget;
class QPushButton;

namespace tarvex {

// What a comparison shows beside the controller and how it sends it: a
// settings file, or a snapshot of the settings history.
struct CompareSubject {
    QString title{};                                 // the window's title
    QString column{};                                // the heading of its column
    QString send{};                                  // the button that sends all of it
    ChangeSource source = ChangeSource::Comparison;  // what the journal keeps the sending as
    // When set: a button of this text sends the writes that put back the
    // chosen row's setting (from the row and the controller's image now),
    // and the window stays open.
    QString send_row{};
    std::function<std::vector<Write>(const CompareRow&, const ControllerImage&)> row_writes{};
};

// A settings file's subject: its path in the title, the language file's texts.
CompareSubject file_subject(const ViewTexts& texts, const QString& file_name);

// A control whose value differs between two sets of settings, as the
// comparison shows it.
struct ControlChange {
    QString label;
    QString from;  // in the values given
    QString to;    // in the image
};
// The controls that read differently in values (28 settings, file order)
// and in image.
std::vector<ControlChange> changed_controls(const ViewTexts& texts,
                                            const std::array<std::uint8_t, 28>& values,
                                            const ControllerImage& image);

// The comparison of a settings file with the controller: one row per control
// as the views label and show it, the file's value beside the controller's,
// the differing rows marked and counted, values no list offers marked. The
// controller's column stays empty, and the file cannot be sent, until the
// controller answers and its settings have been read. Nothing is written
// unless the fitter sends the file, as File > Open sends it.
class CompareDialog final : public QDialog {
    Q_OBJECT
  public:
    // `answer`: what reading the controller's settings found just before.
    CompareDialog(const FileContext& context, const QString& file_name, ParsedSettings file,
                  SettingsAnswer answer, QWidget* parent)
        : CompareDialog(context, file_subject(context.texts, file_name), std::move(file), answer,
                        parent) {}
    CompareDialog(const FileContext& context, CompareSubject subject, ParsedSettings file,
                  SettingsAnswer answer, QWidget* parent);

    const std::vector<CompareRow>& rows() const { return rows_; }
    QTableWidget* table() const { return table_; }
    QPushButton* send_button() const { return send_; }
    QCheckBox* differences_only() const { return differences_only_; }
    QLabel* status() const { return status_; }
    // While the controller's settings have not been read: tries again.
    void tick();

  private:
    void show_rows();
    void filter_rows();
    void send();
    void send_row();
    void enable_row_button();

    FileContext context_;
    CompareSubject subject_;
    ParsedSettings file_;
    SettingsAnswer answer_;
    std::vector<CompareRow> rows_;
    QLabel* status_;
    QCheckBox* differences_only_;
    QTableWidget* table_;
    QPushButton* send_;
    QPushButton* send_row_ = nullptr;
    QTimer timer_;
};

// File > Compare with file...: asks for a settings file, checks it as Open
// does, reads what the controller holds now and shows the comparison.
void compare_with_file(const FileContext& context, QWidget* owner);
// The same for a file already chosen (a file opened from the desktop), named
// by the bytes the system gave.
void compare_with_named_file(const FileContext& context, const std::string& path, QWidget* owner);

}  // namespace tarvex
