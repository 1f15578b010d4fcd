#pragma once

#include <QString>

// Compacts the database file: writes an encrypted, compacted copy "newdb.mdb" in the file's
// folder, checks that it opens, and only then renames it over the file in one step. Any
// failure leaves the original file as it was (and removes the half-made copy). The file must
// not be open elsewhere in the program while this runs.
bool CompactDatabase(const QString &path, const QString &password);

// Replaces `target` by `source` in one step (both in the same folder): a reader sees either
// the old file or the new one, never a half-written one.
bool ReplaceFileAtomically(const QString &source, const QString &target);
