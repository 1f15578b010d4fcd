#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

class QProcess;

// What one run of corvane-cli printed and how it ended.
struct CliRun
{
    int code = -1; // the exit code; -1 when the program did not start, crashed or hung
    QString out;
    QString err;

    // The non-empty lines of standard output: a listing's header, then its rows.
    QStringList lines() const;
    // The fields of line `line` of a listing, by the header's names.
    QHash<QString, QString> fields(int line) const;
};

// Runs corvane-cli as a script would: CliRunner().db(path).run({"dept", "list"}).
class CliRunner
{
public:
    // Given as --home before the command.
    CliRunner &home(const QString &dir);
    // Given as --db after the command's arguments.
    CliRunner &db(const QString &path);
    // Standard error without the whitespace around the message.
    CliRunner &trimErr();

    // Runs to the end. A run that does not start, crashes or outlasts a minute fails the
    // current test.
    CliRun run(const QStringList &args) const;
    // Only starts it in `p`, for tests that stop it midway. Standard input is empty.
    void start(QProcess &p, const QStringList &args) const;

private:
    QString m_home;
    QString m_db;
    bool m_trimErr = false;
};
