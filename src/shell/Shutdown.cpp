#include "shell/Shutdown.h"

#include "base/AppEnv.h"
#include "db/CompactDatabase.h"
#include "base/Password.h"
#include "shell/Session.h"
#include "base/Settings.h"

namespace {
const QString kKey = QStringLiteral("LastCompactDate");
const QString kFormat = QStringLiteral("yyyy-MM-dd");
} // namespace

QDate LastCompactDate(const QDate &today)
{
    const QDate stored = QDate::fromString(ReadRegString(kKey), kFormat);
    return stored.isValid() ? stored : today;
}

bool CompactionDue(const QDate &last, const QDate &today)
{
    return last.daysTo(today) >= 7;
}

bool CompactAtShutdown(Session &session)
{
    const QDate today = Today();
    const QDate last = LastCompactDate(today);
    if (last == today) {
        WriteRegValue(kKey, today.toString(kFormat), 0);
    }
    if (!CompactionDue(last, today)) {
        return false;
    }
    WriteRegValue(kKey, today.toString(kFormat), 0);
    session.closeDatabase();
    CompactDatabase(session.databasePath, DatabasePassword());
    return true;
}
