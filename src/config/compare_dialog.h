// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

#include <string>
#include <vector>

#include "config/file_commands.h"
#include "config/settings_compare.h"
#include "config/settings_file.h"

class QTableWidget;
class QPushButton;

namespace tarvex {

// The comparison of a settings file with the controller: the 28 settings as
// the views label and show them, the file's value beside the controller's,
// the differing rows marked. Nothing is written unless the fitter sends the
// file, which runs File > Open's algorithm unchanged.
class CompareDialog final : public QDialog {
    Q_OBJECT
  public:
    CompareDialog(const FileContext& context, ParsedSettings file, QWidget* parent);

    const std::vector<CompareRow>& rows() const { return rows_; }
    QTableWidget* table() const { return table_; }
    QPushButton* send_button() const { return send_; }

  private:
    void send();

    FileContext context_;
    ParsedSettings file_;
    std::vector<CompareRow> rows_;
    QTableWidget* table_;
    QPushButton* send_;
};

// File > Compare with file...: asks for a settings file, checks it as Open
// does, reads what the controller holds now and shows the comparison.
void compare_with_file(const FileContext& context, QWidget* owner);
// The same for a file already chosen (a file opened from the desktop), named
// by the bytes the system gave.
void compare_with_named_file(const FileContext& context, const std::string& path, QWidget* owner);

}  // namespace tarvex
