#include "app/Session.h"

#include "app/Password.h"
#include "db/Sql.h"

bool Session::openDatabase()
{
    m_db.close();
    // The connection string is built anew each time, as the settings dialog may have
    // changed the path in between.
    return m_db.openConnection(BuildConnectionString(databasePath, DatabasePassword()));
}
