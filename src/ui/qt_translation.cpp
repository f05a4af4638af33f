// SPDX-License-Identifier: MIT
#include "ui/qt_translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <array>
#include <memory>

static void register_translation_resources() {
    Q_INIT_RESOURCE(tarvex_i18n);
}

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

int install_qt_translation(const std::string& language_code) {
    static const bool registered = [] {
        register_translation_resources();
        return true;
    }();
    (void)registered;
    // Qt's own texts first, then the program's.
    static std::array<std::unique_ptr<QTranslator>, 2> installed;
    for (auto& t : installed)
        if (t) {
            QCoreApplication::removeTranslator(t.get());
            t.reset();
        }
    const QString locale = QString::fromStdString(qt_locale_for(language_code));
    if (locale == QLatin1String("en"))
        return 0;
    const std::array<std::pair<QString, QString>, 2> files = {{
        {QStringLiteral("qtbase_") + locale, QLibraryInfo::path(QLibraryInfo::TranslationsPath)},
        {QStringLiteral("tarvex_") + locale, QStringLiteral(":/i18n")},
    }};
    int count = 0;
    for (std::size_t i = 0; i < files.size(); ++i) {
        auto next = std::make_unique<QTranslator>();
        if (!next->load(files[i].first, files[i].second))
            continue;
        QCoreApplication::installTranslator(next.get());
        installed[i] = std::move(next);
        ++count;
    }
    return count;
}

}  // namespace tarvex
