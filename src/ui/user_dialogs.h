// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <utility>

class QWidget;

namespace tarvex {

// The file dialogs and message boxes the program shows, behind one small
// interface so that tests can answer them.
class UserDialogs {
  public:
    enum class Icon { Information, Warning };
    virtual ~UserDialogs() = default;
    // A file name chosen in the save or open dialog ("*.tvs" filter, default
    // suffix "tvs"), or empty when cancelled.
    virtual QString save_file_name(QWidget* owner, const QString& title,
                                   const QString& initial) = 0;
    virtual QString open_file_name(QWidget* owner, const QString& title) = 0;
    // The same for the files of the File menu's tools: recordings ("*.csv"),
    // pictures ("*.png") and reports ("*.pdf" or "*.html", the name ending as
    // the filter chosen); the save dialog offers the name `initial` and asks
    // before replacing a file.
    enum class FileKind { Recording, Picture, Report };
    virtual QString save_file_of(QWidget* owner, const QString& title, FileKind kind,
                                 const QString& initial) = 0;
    virtual QString open_file_of(QWidget* owner, const QString& title, FileKind kind) = 0;
    // A Yes/No question; true for Yes.
    virtual bool ask_yes_no(QWidget* owner, const QString& caption, const QString& text) = 0;
    virtual void message(QWidget* owner, Icon icon, const QString& caption,
                         const QString& text) = 0;
};

// The real dialogs.
class QtUserDialogs final : public UserDialogs {
  public:
    // The file dialogs open in this folder; the current folder when empty.
    explicit QtUserDialogs(QString folder = {}) : folder_(std::move(folder)) {}
    QString save_file_name(QWidget* owner, const QString& title, const QString& initial) override;
    QString open_file_name(QWidget* owner, const QString& title) override;
    QString save_file_of(QWidget* owner, const QString& title, FileKind kind,
                         const QString& initial) override;
    QString open_file_of(QWidget* owner, const QString& title, FileKind kind) override;
    bool ask_yes_no(QWidget* owner, const QString& caption, const QString& text) override;
    void message(QWidget* owner, Icon icon, const QString& caption, const QString& text) override;

  private:
    QString folder_;
};

}  // namespace tarvex
