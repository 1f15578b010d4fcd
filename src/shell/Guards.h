#pragma once

#include <QString>
#include <QStringList>

// The functions that may not open while a conflicting window is open, and what the user is
// told. Window classes are given by their object names ("WageSheetWindow", "BackPayWindow").

enum class Guarded { None, WageCalc, Reissue, BackupRestore };

// The refusal message, or empty when the function may open. `openWindows` are the object
// names of the main window's child windows, the quick-launch window included.
QString GuardMessage(Guarded action, const QStringList &openWindows);
