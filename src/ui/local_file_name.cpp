// SPDX-License-Identifier: MIT
#include "ui/local_file_name.h"

#include <dirent.h>
#include <sys/stat.h>

#include <QFile>
#include <QStringList>

namespace tarvex {

namespace {

// The one entry of folder that Qt shows as `shown`; `fallback` when there is
// none or more than one.
std::string entry_shown_as(const std::string& folder, const QString& shown,
                           const std::string& fallback) {
    DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (!dir)
        return fallback;
    std::string found;
    int matches = 0;
    while (const dirent* e = ::readdir(dir))
        if (QFile::decodeName(e->d_name) == shown && ++matches == 1)
            found = e->d_name;
    ::closedir(dir);
    return matches == 1 ? found : fallback;
}

}  // namespace

std::string local_file_name(const QString& name) {
    const std::string encoded = QFile::encodeName(name).toStdString();
    struct stat st {};
    if (!name.contains(QChar::ReplacementCharacter) || ::lstat(encoded.c_str(), &st) == 0)
        return encoded;
    std::string path = name.startsWith(QLatin1Char('/')) ? "/" : "";
    const QStringList parts = name.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (qsizetype i = 0; i < parts.size(); ++i) {
        std::string part = QFile::encodeName(parts[i]).toStdString();
        if (parts[i].contains(QChar::ReplacementCharacter))
            part = entry_shown_as(path, parts[i], part);
        path += part;
        if (i + 1 < parts.size())
            path += '/';
    }
    return path;
}

QString shown_file_name(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

}  // namespace tarvex
