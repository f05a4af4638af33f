// SPDX-License-Identifier: MIT
#include "history/history_texts.h"

#include <QCoreApplication>
#include <QDateTime>

#include "ui/local_file_name.h"

namespace tarvex::history {

QString kind_text(SnapshotKind kind) {
    switch (kind) {
        case SnapshotKind::AsFound:
            return QCoreApplication::translate("History", "As found");
        case SnapshotKind::BeforeFile:
            return QCoreApplication::translate("History", "Before a settings file");
        case SnapshotKind::BeforeReset:
            return QCoreApplication::translate("History", "Before a factory reset");
        case SnapshotKind::BeforeUndo:
            return QCoreApplication::translate("History", "Before an undo");
        case SnapshotKind::BeforeRestore:
            return QCoreApplication::translate("History", "Before a restore");
        case SnapshotKind::ByHand:
            return QCoreApplication::translate("History", "By hand");
    }
    return {};
}

QString source_text(ChangeSource source) {
    switch (source) {
        case ChangeSource::Unnamed:
            return QCoreApplication::translate("History", "Other write");
        case ChangeSource::Pick:
            return QCoreApplication::translate("History", "Pick");
        case ChangeSource::Emulation:
            return QCoreApplication::translate("History", "Emulation corrections");
        case ChangeSource::File:
            return QCoreApplication::translate("History", "Settings file sent");
        case ChangeSource::Comparison:
            return QCoreApplication::translate("History", "Comparison sent");
        case ChangeSource::Reset:
            return QCoreApplication::translate("History", "Factory reset");
        case ChangeSource::Learning:
            return QCoreApplication::translate("History", "Learning run");
        case ChangeSource::Undo:
            return QCoreApplication::translate("History", "Undo");
        case ChangeSource::Restore:
            return QCoreApplication::translate("History", "Snapshot restored");
        case ChangeSource::Cli:
            return QCoreApplication::translate("History", "tarvex-cli write");
    }
    return {};
}

QString state_text(const JournalEntry& e) {
    switch (e.state) {
        case EntryState::Pending:
            return QCoreApplication::translate("History", "Sent, no answer kept");
        case EntryState::Acknowledged:
            return QCoreApplication::translate("History", "Acknowledged");
        case EntryState::NotAcknowledged:
            return QCoreApplication::translate("History", "Not acknowledged");
        case EntryState::Confirmed:
            return QCoreApplication::translate("History", "Confirmed");
        case EntryState::NotHeld:
            return QCoreApplication::translate("History", "Not held: shows %1")
                .arg(e.value_shown.value_or(0));
    }
    return {};
}

QString time_text(std::int64_t time_ms) {
    return QDateTime::fromMSecsSinceEpoch(time_ms).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QString key_text(std::uint8_t code) {
    return QString::fromStdString(key_for_code(code));
}

QString unread_text(SettingsAnswer answer) {
    switch (answer) {
        case SettingsAnswer::NoAnswer:
            return QCoreApplication::translate("History", "The controller does not answer.");
        case SettingsAnswer::OtherGeneration:
            return QCoreApplication::translate("History", "The controller is not of generation 2.");
        case SettingsAnswer::Read:
        case SettingsAnswer::NotRead:
            break;
    }
    return QCoreApplication::translate("History", "The controller's settings could not be read.");
}

QString history_caption() {
    return QCoreApplication::translate("History", "Settings history");
}

QString history_failure_text(const std::string& path, const StoreError& error) {
    QString why;
    switch (error.failure) {
        case StoreFailure::NoDriver:
            why = QCoreApplication::translate(
                "History", "Qt's SQLite driver is not installed (package libqt6sql6-sqlite).");
            break;
        case StoreFailure::NotWritable:
            why = QCoreApplication::translate("History",
                                              "The file or its folder may not be written.");
            break;
        case StoreFailure::NotAFile:
            why = QCoreApplication::translate("History", "It is not a regular file.");
            break;
        case StoreFailure::Corrupt:
            why = QCoreApplication::translate(
                "History",
                "The file is damaged or is no settings history. Move it elsewhere (Tarvex "
                "leaves it as it is) and start Tarvex again to begin a new history.");
            break;
        case StoreFailure::Locked:
            why = QCoreApplication::translate("History", "Another program holds it.");
            break;
        case StoreFailure::NewerVersion:
            why = QCoreApplication::translate("History", "A newer Tarvex wrote it.");
            break;
        case StoreFailure::None:
        case StoreFailure::Failed:
            why = QCoreApplication::translate("History", "It could not be read or written.");
            break;
    }
    return QCoreApplication::translate(
               "History",
               "The settings history cannot be kept: what is sent to the controller from now on "
               "is not kept in it and cannot be undone. Everything else works as usual.") +
           QStringLiteral("\n\n") + why +
           QStringLiteral("\n\n%1: %2")
               .arg(shown_file_name(path), QString::fromStdString(error.sqlite_text));
}

}  // namespace tarvex::history
