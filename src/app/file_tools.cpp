// SPDX-License-Identifier: MIT
#include "app/file_tools.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

#include "app/commands.h"
#include "app/program.h"
#include "app/view_factory.h"
#include "config/compare_dialog.h"
#include "files/file_access.h"
#include "recording/playback_port.h"
#include "review/review_window.h"
#include "ui/local_file_name.h"
#include "ui/tool_texts.h"
#include "ui/ui_text_qt.h"
#include "ui/user_dialogs.h"

namespace tarvex {

namespace {

// "tarvex-2026-12-07-1930.png": a name of its own each minute, sorting by time.
QString default_file_name(UserDialogs::FileKind kind) {
    return QStringLiteral("tarvex-%1.%2")
        .arg(
            QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd-HHmm")),
            kind == UserDialogs::FileKind::Picture ? QStringLiteral("png") : QStringLiteral("csv"));
}

}  // namespace

FileTools::FileTools(Program& program, QWidget* client)
    : program_(program), client_(client), session_(program.link, program.image) {
    // A row that cannot be written stops the recording inside a poll; the
    // message waits until the poll is over.
    session_.on_recording_failed([this](const std::string& reason) {
        const QString r = QString::fromStdString(reason);
        QTimer::singleShot(0, this, [this, r] { recording_failed(r); });
    });
    title_timer_.setInterval(250);
    connect(&title_timer_, &QTimer::timeout, this, [this] {
        const QString now = title_suffix();
        if (now != shown_suffix_) {
            shown_suffix_ = now;
            emit title_changed();
        }
    });
}

QString FileTools::text(int slot) const {
    return ui_string(view_texts(program_), tool_text(program_.texts, slot));
}

std::array<QString, 4> FileTools::menu_texts() const {
    return {text(tool_slot::Record), text(tool_slot::Play), text(tool_slot::Compare),
            text(tool_slot::Picture)};
}

QString FileTools::title_suffix() const {
    auto file_name = [](const std::string& path) {
        return QFileInfo(shown_file_name(path)).fileName();
    };
    QString suffix;
    if (session_.recording())
        suffix += QStringLiteral(" - %1: %2")
                      .arg(text(tool_slot::RecordingCaption), file_name(session_.recorded_file()));
    if (session_.playing()) {
        const QString state = session_.playback_ended()
                                  ? QCoreApplication::translate("Playback", "Recording ended")
                                  : text(tool_slot::Playing);
        suffix += QStringLiteral(" - %1: %2 %3 / %4")
                      .arg(state, file_name(session_.played_file()),
                           QString::fromStdString(minutes_seconds(session_.played_seconds())),
                           QString::fromStdString(minutes_seconds(session_.playback_length())));
    }
    return suffix;
}

bool FileTools::run(int id, QWidget* owner) {
    switch (id) {
        case cmd::RecordReadings:
            record(owner);
            return true;
        case cmd::PlayRecording:
            play(owner);
            return true;
        case cmd::CompareWithFile:
            compare_with_file(file_context(program_), owner);
            return true;
        case cmd::SavePicture:
            save_picture(owner);
            return true;
        case cmd::ReviewRecordings:
            review(owner);
            return true;
        default:
            return false;
    }
}

void FileTools::compare_file(const std::string& path, QWidget* owner) {
    compare_with_named_file(file_context(program_), path, owner);
}

void FileTools::update_checks() {
    program_.menu.check(cmd::RecordReadings, session_.recording());
    program_.menu.check(cmd::PlayRecording, session_.playing());
    if (session_.playing())
        title_timer_.start();
    else
        title_timer_.stop();
    emit state_changed();
}

void FileTools::record(QWidget* owner) {
    if (session_.recording()) {
        session_.stop_recording();
        update_checks();
        return;
    }
    UserDialogs& dialogs = *program_.dialogs;
    const QString name =
        dialogs.save_file_of(owner, text(tool_slot::Record), UserDialogs::FileKind::Recording,
                             default_file_name(UserDialogs::FileKind::Recording));
    if (name.isEmpty())
        return;
    std::string error;
    if (!session_.start_recording(local_file_name(name), error))
        dialogs.message(owner, UserDialogs::Icon::Warning, text(tool_slot::RecordingCaption),
                        text(tool_slot::RecordFailed) +
                            QStringLiteral("\n\n%1: %2").arg(name, QString::fromStdString(error)));
    update_checks();
}

void FileTools::recording_failed(const QString& reason) {
    session_.stop_recording();
    update_checks();
    program_.dialogs->message(client_, UserDialogs::Icon::Warning,
                              text(tool_slot::RecordingCaption),
                              text(tool_slot::RecordFailed) + QStringLiteral("\n\n") + reason);
}

void FileTools::play(QWidget* owner) {
    if (session_.playing()) {
        session_.stop_playback();
        update_checks();
        return;
    }
    UserDialogs& dialogs = *program_.dialogs;
    const QString name =
        dialogs.open_file_of(owner, text(tool_slot::Play), UserDialogs::FileKind::Recording);
    if (name.isEmpty())
        return;
    std::string error;
    if (!session_.start_playback(local_file_name(name), error))
        dialogs.message(owner, UserDialogs::Icon::Warning, text(tool_slot::RecordingCaption),
                        text(tool_slot::PlaybackFailed) +
                            QStringLiteral("\n\n%1: %2").arg(name, QString::fromStdString(error)));
    else if (!session_.played_problem().empty())
        // It plays, but only up to the row the loader stopped at: say which.
        dialogs.message(
            owner, UserDialogs::Icon::Warning, text(tool_slot::RecordingCaption),
            QStringLiteral("%1: %2").arg(name, QString::fromStdString(session_.played_problem())));
    update_checks();
}

void FileTools::save_picture(QWidget* owner) {
    // The client area as the fitter sees it when choosing the command, at its
    // real pixel size; the view goes on while the dialog is open.
    const QPixmap picture = client_->grab();
    UserDialogs& dialogs = *program_.dialogs;
    const QString name =
        dialogs.save_file_of(owner, text(tool_slot::Picture), UserDialogs::FileKind::Picture,
                             default_file_name(UserDialogs::FileKind::Picture));
    if (name.isEmpty())
        return;
    // Written as settings files are: beside the target, then renamed over it.
    QByteArray png;
    QBuffer buffer(&png);
    std::string error = "cannot encode the picture";
    if (!buffer.open(QIODevice::WriteOnly) || !picture.save(&buffer, "PNG") ||
        !write_file_atomically(local_file_name(name), std::string_view(png.constData(), png.size()),
                               error))
        dialogs.message(owner, UserDialogs::Icon::Warning, QStringLiteral("Tarvex"),
                        text(tool_slot::PictureFailed) +
                            QStringLiteral("\n\n%1: %2").arg(name, QString::fromStdString(error)));
}

ReviewWindow* FileTools::review_window() {
    // Its own top-level window, not bound to the main window's sizes.
    if (!review_) {
        review_ = new ReviewWindow(
            {*program_.dialogs, program_.texts, program_.LanguageCode, report_fields_});
        review_->setAttribute(Qt::WA_DeleteOnClose);
        review_->setWindowIcon(client_->window()->windowIcon());
    }
    review_->show();
    review_->raise();
    review_->activateWindow();
    return review_;
}

void FileTools::review(QWidget* owner) {
    const QString name = program_.dialogs->open_file_of(
        owner, QCoreApplication::translate("Review", "Review recordings..."),
        UserDialogs::FileKind::Recording);
    if (!name.isEmpty())
        review_window()->open_file(local_file_name(name));
}

void FileTools::review_file(const std::string& path) {
    review_window()->open_file(path);
}

void FileTools::stop_all() {
    session_.stop_recording();
    session_.stop_playback();
    // The review window goes with the program's window.
    if (review_)
        review_->close();
}

}  // namespace tarvex
