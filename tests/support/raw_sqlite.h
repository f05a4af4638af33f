// SPDX-License-Identifier: MIT
#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>

#include <string>

namespace tarvex::testing {

// A connection of its own to an SQLite file, as another program holds one.
class RawSqlite {
  public:
    explicit RawSqlite(const std::string& path) {
        QSqlDatabase::addDatabase("QSQLITE", name_).setDatabaseName(QString::fromStdString(path));
        QSqlDatabase::database(name_);  // opens it
    }
    ~RawSqlite() { QSqlDatabase::removeDatabase(name_); }
    bool exec(const std::string& sql) {
        return QSqlQuery(QSqlDatabase::database(name_)).exec(QString::fromStdString(sql));
    }

  private:
    const QString name_ = QString::number(reinterpret_cast<quintptr>(this));
};

}  // namespace tarvex::testing
