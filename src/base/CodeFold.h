#pragma once

#include <QString>
#include <QStringView>

// Codes (employee and department codes, user names) are compared ignoring case, and not only
// the case of A-Z: "É1" and "é1" name the same employee, and so do the full-width "Ｅ００１"
// a Chinese input method types and "E001". The fold is Unicode's caseless identifier
// matching: compatibility composition (NFKC), then case folding.
//
// The database compares the same way: `collate FOLD` in SQL, or the function fold(x) (both
// registered on every connection). Anything that compares codes in C++ uses these.

// The text every code that "is the same" folds to.
QString FoldCode(QStringView text);
// True when the two texts are the same code.
bool SameCode(QStringView a, QStringView b);
// Orders two texts by their folds (negative, zero, positive), the order of `collate FOLD`.
int CompareFolded(QStringView a, QStringView b);
