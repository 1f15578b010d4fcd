#pragma once

#include <QString>

// Files that replace other files: written under a unique temporary name in the target's own
// folder, synced, and renamed over the target in one step, so a reader (or a power loss) sees
// the old file or the complete new one. Nothing here ever removes a file it did not make.
namespace FileReplacement {

// The file `path` names once symbolic links are followed (also when the last link points to
// a file that does not exist yet). A replacement goes to this file, so the link stays a link.
QString ResolveLinks(const QString &path);

// True when both paths name one existing file (the same device and inode: also through links
// and hard links).
bool SameFile(const QString &a, const QString &b);

// Makes a new, empty file readable by its owner only, under a name no other file has, in the
// folder of `target`. The name carries this process's id, so a later start can tell a
// leftover of a process that died from a file still being written. Empty on failure.
QString CreateTemporaryBeside(const QString &target);

// True for the names CreateTemporaryBeside gives (and the engine's journal beside one).
bool IsTemporaryName(const QString &fileName);

// Puts `temp` in place of `target`: it takes the target's mode and owner when the target
// exists (it stays 0600 otherwise), is flushed to the disk, renamed over the target, and the
// folder is flushed so the rename itself survives a power loss. On failure the target is as
// it was and `temp` is removed; `error`, when given, says why.
bool Replace(const QString &temp, const QString &target, QString *error = nullptr);

// Removes from `folder` the temporaries (and their journals) left by processes that no longer
// run: a compaction, backup or restore that was interrupted. Returns how many were removed.
int RemoveLeftovers(const QString &folder);

} // namespace FileReplacement
