// SPDX-License-Identifier: MIT
#include "config/file_commands.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>

#include "config/settings_file.h"
#include "files/file_access.h"
#include "gfx/text_codec.h"
#include "link/write_journal.h"
#include "ui/local_file_name.h"
#include "ui/ui_text_qt.h"

namespace tarvex {

namespace {

const QString kIoError = QStringLiteral("I/O Error");

// Save As writes the image only while it holds what the controller sent
// since the link came up; otherwise it says so and writes nothing.
bool settings_read(const FileContext& p, QWidget* owner) {
    if (p.link.read_since_up.all())
        return true;
    p.dialogs.message(owner, UserDialogs::Icon::Warning,
                      QCoreApplication::translate("Files", "Nothing to save"),
                      QCoreApplication::translate(
                          "Files",
                          "The controller's settings have not been read since it last answered: "
                          "there is nothing of the car to save. Nothing was written."));
    return false;
}

QString keys(const std::vector<std::size_t>& settings) {
    QStringList names;
    for (std::size_t i : settings)
        names << QString::fromLatin1(kSettings[i].key.data(),
                                     static_cast<qsizetype>(kSettings[i].key.size()));
    return names.join(QStringLiteral(", "));
}

}  // namespace

bool report_send(const FileContext& p, QWidget* owner, const SendOutcome& out) {
    if (out.confirmed())
        return true;
    QStringList why;
    if (out.stopped_at && out.sent > 0)
        why << QCoreApplication::translate("Files", "Not acknowledged: %1.")
                   .arg(keys({*out.stopped_at}));
    if (!out.not_held.empty())
        why << QCoreApplication::translate("Files", "The controller does not hold: %1.")
                   .arg(keys(out.not_held));
    if (out.sent > 0 && !out.read_back)
        why << QCoreApplication::translate(
            "Files",
            "The settings could not be read back from the controller: nothing confirms "
            "that it holds them.");
    QString text = ui_text(p.texts, text_slot::NotConfirmed);
    if (!why.isEmpty())
        text += QStringLiteral("\n\n") + why.join(QLatin1Char('\n'));
    p.dialogs.message(owner, UserDialogs::Icon::Warning, ui_text(p.texts, text_slot::WriteError),
                      text);
    return false;
}

bool send_settings_file(const FileContext& p, QWidget* owner,
                        const std::array<std::uint8_t, kSettings.size()>& values,
                        ChangeSource source) {
    SendOutcome out;
    {
        JournalChange change(p.link, source);
        out = send_and_confirm(p.link, p.image, values);
    }
    return report_send(p, owner, out);
}

void save_controller_settings(const FileContext& p, QWidget* owner) {
    UserDialogs& dialogs = p.dialogs;
    if (!settings_read(p, owner))
        return;
    QString name;
    for (;;) {
        name = dialogs.save_file_name(owner, ui_text(p.texts, text_slot::SaveTitle), name);
        if (name.isEmpty())
            return;
        if (!QFileInfo(name).isFile())
            break;
        if (dialogs.ask_yes_no(owner, ui_text(p.texts, text_slot::ConfirmSaveAs),
                               ui_text(p.texts, text_slot::ReplaceFile)))
            break;
    }
    // The link may have been lost while the dialogs were open.
    if (!settings_read(p, owner))
        return;
    std::string error;
    if (!write_file_atomically(local_file_name(name), settings_file_text(p.image), error))
        dialogs.message(owner, UserDialogs::Icon::Warning, kIoError,
                        ui_text(p.texts, text_slot::CannotOpen) +
                            QStringLiteral("\n\n%1: %2").arg(name, QString::fromStdString(error)));
}

void load_controller_settings(const FileContext& p, QWidget* owner) {
    UserDialogs& dialogs = p.dialogs;
    const QString name = dialogs.open_file_name(owner, ui_text(p.texts, text_slot::OpenTitle));
    if (name.isEmpty())
        return;
    ParsedSettings parsed;
    std::string error;
    if (!read_settings_file(local_file_name(name), parsed, &error)) {
        dialogs.message(owner, UserDialogs::Icon::Warning, kIoError,
                        ui_text(p.texts, text_slot::CannotOpen) +
                            QStringLiteral("\n\n%1: %2").arg(name, QString::fromStdString(error)));
        return;
    }
    if (!parsed.ok) {
        dialogs.message(owner, UserDialogs::Icon::Warning, ui_text(p.texts, text_slot::WrongFormat),
                        ui_text(p.texts, text_slot::NotASettingsFile));
        return;
    }
    send_settings_file(p, owner, parsed.values, ChangeSource::File);
}

}  // namespace tarvex
