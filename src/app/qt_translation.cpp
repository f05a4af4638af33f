// SPDX-License-Identifier: MIT
#include "app/qt_translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace tarvex {

std::string qt_locale_for(const std::string& language_code) {
    if (language_code == "ang")
        return "en";
    if (language_code == "rus")
        return "ru";
    if (language_code == "lit")
        return "lt";
    if (language_code == "ita")
        return "it";
    return "pl";
}

bool install_qt_translation(const std::string& language_code) {
    static std::unique_ptr<QTranslator> installed;
    if (installed) {
        QCoreApplication::removeTranslator(installed.get());
        installed.reset();
    }
    const std::string locale = qt_locale_for(language_code);
    if (locale == "en")
        return false;
    auto next = std::make_unique<QTranslator>();
    if (!next->load(QStringLiteral("qtbase_") + QString::fromStdString(locale),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    QCoreApplication::installTranslator(next.get());
    installed = std::move(next);
    return true;
}

}  // namespace tarvex
