#pragma once

#include <QString>

class MessageService;

// Copies of the database file. Everything here runs while the program's own connection is
// closed (the main window closes it around the backup dialog).

// The backup file name as it will be written: ".mdb" appended unless the trimmed name
// already ends in it (any case).
QString BackupTargetName(const QString &target);

// Copies `source` to `target` (named as BackupTargetName gives), asking before it replaces
// an existing file unless `overwrite` is set, then compacts the copy (whose outcome does not
// matter). The copy is read through the engine (one consistent moment of the file, also
// while others write), made beside the target and renamed over it: the target is the old
// file or the complete copy. Refused when the target is the source itself. True when the
// copy was made.
bool CopyDatabase(const QString &source, const QString &target, bool overwrite,
                  MessageService &messages);

// The automatic copies before a restore: Backup00.mdb ... Backup04.mdb in the application
// folder, in turn; AutoBack/Backup.ini remembers the last one written.
int LastAutoBackupNumber();
QString AutoBackupPath(int number);

enum class RestoreResult {
    NotADatabase,     // the chosen file does not open with the password: nothing changed
    AutoBackupFailed, // the current file could not be copied first: nothing changed
    RestoreFailed,    // the copy over the database failed: the database is as it was
    Restored
};

// Replaces the database file at `databasePath` by the file `chosen`: tests that it opens as
// one of our databases and copies it beside the database through the engine, then, holding
// the engine's write lock on the database (no other process can commit meanwhile), keeps an
// automatic copy of the current file and renames the chosen copy over it. The database is
// never half-written, no write lands between the automatic copy and the rename, and no
// journal of the old file stays beside the new one. Shows the messages of each outcome.
RestoreResult RestoreDatabase(const QString &databasePath, const QString &chosen,
                              MessageService &messages);

// The backup button: the name's check, the copy and its message. False when refused or
// failed.
bool BackupDatabase(const QString &databasePath, const QString &name, MessageService &messages);
