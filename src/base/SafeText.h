#pragma once

#include <QString>
#include <QStringView>

// Texts that reach a terminal, a tab-separated listing or a printed form must not be able to
// break lines, move the cursor or reorder what is shown around them.

// Control characters (C0, DEL, C1), the line and paragraph separators and the bidirectional
// embeddings, overrides, isolates and marks.
bool IsForbiddenChar(char32_t c);
// Index of the first such character in the text, or -1.
qsizetype FindForbiddenChar(QStringView text);

// The text as a listing prints it: tab, line feed, carriage return and backslash as \t, \n,
// \r and \\, every other forbidden character as \uXXXX. Ordinary text comes back unchanged.
QString EscapeForListing(QStringView text);
