#include "shell/Session.h"

#include "maintenance/CorpInfoStore.h"

#include "base/Password.h"
#include "db/Sql.h"

bool Session::openDatabase()
{
    m_db.close();
    // The connection string is built anew each time, as the settings dialog may have
    // changed the path in between.
    return m_db.openConnection(BuildConnectionString(databasePath, DatabasePassword()));
}

void Session::applyCorpInfo(const CorpInfo &info)
{
    corpName = info.corpName;
    obligorNo = info.obligorNo;
    taxNo = info.taxNo;
}
