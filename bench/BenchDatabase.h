#pragma once

// What every benchmark's company starts from: a fresh database of the delivered schema and
// its departments.

#include "base/Password.h"
#include "db/Database.h"
#include "db/Schema.h"

#include <QString>

namespace bench {

// Creates the database at `path` with the delivered schema; the benchmark stops when it cannot.
inline void createDatabase(Database &db, const QString &path)
{
    if (!db.create(path, DatabasePassword()) || !Schema::createDatabase(db)) {
        qFatal("cannot create the database: %s", qPrintable(db.lastError()));
    }
}

// Departments 0001 … under the company, named 部门1 …; inside the caller's transaction.
inline void addDepartments(Database &db, int count)
{
    Statement dept = db.prepare(QStringLiteral(
        "insert into Department (DeptID, DeptName, Remark, DeptLevel, FatherID, DeptLevelID, "
        "Deleted) values (?, ?, '', 1, '0000', ?, 0)"));
    for (int d = 1; d <= count; ++d) {
        const QString code = QStringLiteral("%1").arg(d, 4, 10, QLatin1Char('0'));
        dept.bindAll({code, QStringLiteral("部门%1").arg(d), QStringLiteral("0000") + code});
        dept.exec();
    }
}

} // namespace bench
