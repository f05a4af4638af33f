// SPDX-License-Identifier: MIT
#include "ui/user_dialogs.h"

#include <QFileDialog>
#include <QMessageBox>

namespace tarvex {

namespace {

QString settings_filter() {
    return QStringLiteral("Tarvex settings (*.tvs)");
}

QString run_file_dialog(QWidget* owner, const QString& title, QFileDialog::AcceptMode mode,
                        const QString& folder, const QString& initial) {
    QFileDialog dlg(owner, title, folder, settings_filter());
    dlg.setAcceptMode(mode);
    dlg.setDefaultSuffix(QStringLiteral("tvs"));
    dlg.setFileMode(QFileDialog::AnyFile);
    // The program asks about overwriting itself; nothing else is checked here.
    dlg.setOption(QFileDialog::DontConfirmOverwrite, true);
    if (!initial.isEmpty())
        dlg.selectFile(initial);
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return {};
    return dlg.selectedFiles().front();
}

QString kind_filter(UserDialogs::FileKind kind) {
    switch (kind) {
        case UserDialogs::FileKind::Recording:
            return QStringLiteral("CSV (*.csv)");
        case UserDialogs::FileKind::Picture:
            return QStringLiteral("PNG (*.png)");
        case UserDialogs::FileKind::Report:
            break;
    }
    return QStringLiteral("PDF (*.pdf);;HTML (*.html *.htm)");
}

QString kind_suffix(UserDialogs::FileKind kind) {
    switch (kind) {
        case UserDialogs::FileKind::Recording:
            return QStringLiteral("csv");
        case UserDialogs::FileKind::Picture:
            return QStringLiteral("png");
        case UserDialogs::FileKind::Report:
            break;
    }
    return QStringLiteral("pdf");
}

}  // namespace

QString QtUserDialogs::save_file_of(QWidget* owner, const QString& title, FileKind kind,
                                    const QString& initial) {
    QFileDialog dlg(owner, title, folder_, kind_filter(kind));
    dlg.setAcceptMode(QFileDialog::AcceptSave);
    dlg.setDefaultSuffix(kind_suffix(kind));
    if (kind == FileKind::Report)
        // A name typed without an ending takes the chosen filter's.
        QObject::connect(&dlg, &QFileDialog::filterSelected, &dlg, [&dlg](const QString& filter) {
            dlg.setDefaultSuffix(filter.startsWith(QStringLiteral("HTML")) ? QStringLiteral("html")
                                                                           : QStringLiteral("pdf"));
        });
    dlg.selectFile(initial);
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return {};
    return dlg.selectedFiles().front();
}

QString QtUserDialogs::open_file_of(QWidget* owner, const QString& title, FileKind kind) {
    QFileDialog dlg(owner, title, folder_, kind_filter(kind));
    dlg.setAcceptMode(QFileDialog::AcceptOpen);
    dlg.setFileMode(QFileDialog::ExistingFile);
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return {};
    return dlg.selectedFiles().front();
}

QString QtUserDialogs::save_file_name(QWidget* owner, const QString& title,
                                      const QString& initial) {
    return run_file_dialog(owner, title, QFileDialog::AcceptSave, folder_, initial);
}

QString QtUserDialogs::open_file_name(QWidget* owner, const QString& title) {
    return run_file_dialog(owner, title, QFileDialog::AcceptOpen, folder_, QString());
}

bool QtUserDialogs::ask_yes_no(QWidget* owner, const QString& caption, const QString& text) {
    return QMessageBox::information(owner, caption, text, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

void QtUserDialogs::message(QWidget* owner, Icon icon, const QString& caption,
                            const QString& text) {
    if (icon == Icon::Information)
        QMessageBox::information(owner, caption, text);
    else
        QMessageBox::warning(owner, caption, text);
}

}  // namespace tarvex
