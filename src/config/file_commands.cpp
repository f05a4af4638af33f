// SPDX-License-Identifier: MIT
#include "config/file_commands.h"

#include <QFileInfo>

#include "config/settings_file.h"
#include "gfx/text_codec.h"
#include "link/file_access.h"
#include "ui/local_file_name.h"
#include "ui/ui_text_qt.h"

namespace tarvex {

namespace {

const QString kIoError = QStringLiteral("I/O Error");

}  // namespace

void save_controller_settings(const FileContext& p, QWidget* owner) {
    UserDialogs& dialogs = p.dialogs;
    QString name;
    for (;;) {
        name = dialogs.save_file_name(owner, ui_text(p.texts, 166), name);
        if (name.isEmpty())
            return;
        if (!QFileInfo(name).isFile())
            break;
        if (dialogs.ask_yes_no(owner, ui_text(p.texts, 172), ui_text(p.texts, 173)))
            break;
    }
    std::string error;
    if (!write_file_atomically(local_file_name(name), settings_file_text(p.image), error))
        dialogs.message(owner, UserDialogs::Icon::Warning, kIoError,
                        ui_text(p.texts, 167) +
                            QStringLiteral("\n\n%1: %2").arg(name, QString::fromStdString(error)));
}

void load_controller_settings(const FileContext& p, QWidget* owner) {
    UserDialogs& dialogs = p.dialogs;
    const QString name = dialogs.open_file_name(owner, ui_text(p.texts, 165));
    if (name.isEmpty())
        return;
    ParsedSettings parsed;
    std::string error;
    if (!read_settings_file(local_file_name(name), parsed, &error)) {
        dialogs.message(owner, UserDialogs::Icon::Warning, kIoError,
                        ui_text(p.texts, 167) +
                            QStringLiteral("\n\n%1: %2").arg(name, QString::fromStdString(error)));
        return;
    }
    if (!parsed.ok) {
        dialogs.message(owner, UserDialogs::Icon::Warning, ui_text(p.texts, 169),
                        ui_text(p.texts, 168));
        return;
    }
    if (send_settings(p.link, p.image, parsed) != static_cast<int>(parsed.values.size()))
        dialogs.message(owner, UserDialogs::Icon::Warning, ui_text(p.texts, 170),
                        ui_text(p.texts, 171));
}

}  // namespace tarvex
