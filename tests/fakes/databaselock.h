#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>

// Holds the write lock of an SQLite database as another program would (a script in the sqlite3
// shell that began a transaction), until it is released or goes out of scope. Tests that use it
// link Qt6::Sql.
class DatabaseLock
{
public:
    explicit DatabaseLock(const QString &path)
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), kName);
        db.setDatabaseName(path);
        m_held = db.open() && QSqlQuery(db).exec(QStringLiteral("BEGIN IMMEDIATE"));
    }
    ~DatabaseLock()
    {
        release();
        QSqlDatabase::removeDatabase(kName);
    }

    bool held() const { return m_held; }

    void release()
    {
        if (!QSqlDatabase::contains(kName))
            return;
        QSqlDatabase db = QSqlDatabase::database(kName, false);
        if (m_held)
            QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
        m_held = false;
        db.close();
    }

private:
    static inline const QString kName = QStringLiteral("another-program");
    bool m_held = false;
};
