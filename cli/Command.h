#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

#include <functional>

// The sub-commands of corvane-cli. Each source file registers its commands with a static
// CliCommand object, so adding a command touches only its own file.
//
// Exit codes: 0 done, 1 the database or the system failed, 2 the input was refused (the
// reason is on standard error).
struct CliContext
{
    QStringList args; // the arguments after the command name
    QTextStream &out;
    QTextStream &err;
};

using CliHandler = std::function<int(CliContext &)>;

class CliCommand
{
public:
    CliCommand(const char *name, const char *usage, CliHandler handler);
};

struct CliEntry
{
    QString name;
    QString usage;
    CliHandler handler;
};
const QList<CliEntry> &cliCommands();
// The command the arguments begin with, its words taken off `args`. A command's name may be
// two words ("wage import"), so that a sub-command can live in a file of its own beside the
// command of its first word ("wage"); the two-word name is tried first. Null when none.
const CliEntry *takeCliCommand(QStringList &args);

// Small argument helpers shared by the commands.
namespace CliArgs {
// The value after `--name`, or the fallback when the option is absent.
QString option(const QStringList &args, const QString &name, const QString &fallback = {});
bool flag(const QStringList &args, const QString &name);
// The arguments that are neither options nor option values (options taking a value are
// listed in `valued`).
QStringList positional(const QStringList &args, const QStringList &valued);
// The database a command works on: --db PATH, else Halvek.mdb in the application folder.
QString databasePath(const QStringList &args);
} // namespace CliArgs
