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
    // A command that draws text (a printed form into a PDF) needs the fonts, which only a GUI
    // application offers: the program then runs as one, offscreen.
    CliCommand(const char *name, const char *usage, CliHandler handler, bool drawsText = false);
};

struct CliEntry
{
    QString name;
    QString usage;
    CliHandler handler;
    bool drawsText = false;
};
const QList<CliEntry> &cliCommands();

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
