// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <array>
#include <string>

#include "recording/link_session.h"
#include "review/report/drive_report.h"

class QWidget;

namespace tarvex {

struct Program;
class ReviewWindow;

// The File menu's tools beside the settings file's Open and Save As: record
// the readings, play a recording in place of the controller, compare a
// settings file with the controller and save a picture of the view. Their
// menu items' checks and the window title follow state_changed().
class FileTools final : public QObject {
    Q_OBJECT
  public:
    // `client` is the main window's client area, the picture's source.
    FileTools(Program& program, QWidget* client);

    // Runs the command if it is one of these four; false otherwise.
    bool run(int id, QWidget* owner);
    // Compares a settings file already chosen (opened from the desktop),
    // named by the bytes the system gave.
    void compare_file(const std::string& path, QWidget* owner);
    // Opens a recording in the review window (a new one when none is open),
    // named by the bytes the system gave.
    void review_file(const std::string& path);
    // What the window title adds while recording and while a recording
    // plays (with the playing position and length); empty otherwise.
    QString title_suffix() const;
    // The four items' texts in the interface language.
    std::array<QString, 4> menu_texts() const;
    // Ends a recording (its last row written) and a playback, and closes
    // the review window.
    void stop_all();
    LinkSession& session() { return session_; }

  signals:
    void state_changed();
    // The title suffix changed as the playback went on.
    void title_changed();

  private:
    void record(QWidget* owner);
    void play(QWidget* owner);
    void save_picture(QWidget* owner);
    void review(QWidget* owner);
    ReviewWindow* review_window();
    void recording_failed(const QString& reason);
    QString text(int slot) const;
    void update_checks();

    Program& program_;
    QWidget* client_;
    LinkSession session_;
    // Renews the title while a recording plays.
    QTimer title_timer_;
    QString shown_suffix_;
    QPointer<ReviewWindow> review_;
    // The report's fields as the fitter last typed them, for the next report.
    ReportFields report_fields_;
};

}  // namespace tarvex
