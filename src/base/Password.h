#pragma once

#include <QString>

// The reversible scrambling used for user passwords and for the database password's stored
// form: two upper-case hexadecimal digits per GBK byte of the text.
QString EncodePassword(const QString &text);
// Inverse of EncodePassword; empty when the text holds a pair that is not hexadecimal.
QString DecodePassword(const QString &text);

// The database password, decoded from its stored form each time it is asked for.
QString DatabasePassword();
// The stored (encoded) form of the database password.
extern const char *const kDatabasePasswordStored;
