#pragma once

#include <QString>

class Database;

// Compacts the database file: writes an encrypted, compacted copy under a unique temporary
// name in the file's folder, checks it, and renames it over the file in one step. From before
// the copy until after the rename the engine's write lock on the file is held, so no other
// connection (in this process or another) can commit a write the copy would not hold; a
// writer that opened the old file before the rename is refused by the engine, never lost.
// Symbolic links are followed (the link stays, its target is replaced); the file keeps its
// mode and owner. Any failure leaves the file as it was and removes only the temporary copy
// this made. The program's own connection to the file must be closed. `error`, when given,
// gets the reason of a failure.
bool CompactDatabase(const QString &path, const QString &password, QString *error = nullptr);

// Opens `path` on `keeper` and takes the engine's write lock on it (waiting for other writers
// up to the busy timeout): other connections may still read, none can write until `keeper`
// closes. Opening it also rolls back a journal that a crashed writer left.
bool TakeWriteLock(Database &keeper, const QString &path, const QString &password);

// What the user is told when another program keeps the file busy past the wait.
QString DatabaseBusyMessage();

// Writes a copy of the database `source` (a consistent moment of it, read through the
// engine) to `target`, compacted unless `compact` is false, through a temporary file beside
// `target` (links followed, mode and owner of an existing target kept, 0600 otherwise).
// The copy's compaction may fail without failing the copy. It reads on a connection of its
// own, so it also runs while another connection holds the write lock (TakeWriteLock). False,
// with `error`, when no complete copy was put in place; `target` is then as it was.
bool WriteDatabaseCopy(const QString &source, const QString &target, const QString &password,
                       bool compact, QString *error = nullptr);
