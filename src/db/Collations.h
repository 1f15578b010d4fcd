#pragma once

struct sqlite3;

// The comparisons every connection knows besides the engine's own:
//
//   collate FOLD    codes compared ignoring case, Unicode-aware (base/CodeFold.h): "e001",
//                   "E001" and the full-width "Ｅ００１" are equal. Use it wherever a typed
//                   code is looked up or codes are compared, and for indexes that serve such
//                   lookups.
//   fold(x)         the folded text itself (the same fold), for grouping and keys.
//   collate PINYIN  names in the order of the Chinese dictionary (pinyin, QCollator for
//                   zh_CN); texts the collator finds equal are ordered by their bytes, so only
//                   identical texts compare equal.
//
// Database registers them when it opens a connection; a file whose indexes use them can only
// be read through Database.
bool RegisterCollations(sqlite3 *db);
