#pragma once

#include <QString>

// INI files in the application folder (Corvane.ini, title.ini, AutoBack/Backup.ini, ...).
// `file` is relative to GetAppDir(); sections and keys are written as given.
bool WriteIniString(const QString &file, const QString &section, const QString &key,
                    const QString &value);
// The value, empty when the key is absent. False only when the file cannot be read.
bool ReadIniString(const QString &file, const QString &section, const QString &key,
                   QString &value);
// Convenience: the value or empty text.
QString ReadIniValue(const QString &file, const QString &section, const QString &key);

// The program's registry-like key (organisation "Tolbeck", application "Corvane", in the
// platform's native settings store). Writes `text` when it is not blank and `number` when
// it is not 0; failures are swallowed.
void WriteRegValue(const QString &name, const QString &text, int number);
// Empty when absent or unreadable.
QString ReadRegString(const QString &name);
