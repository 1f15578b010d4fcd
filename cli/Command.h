#pragma once

#include "CliOptions.h"

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
    QString usage; // the command's usage line, as registered

    // Reads the arguments into `options`. A refusal (an option the command does not take,
    // one given twice, one without its value) prints the reason and the usage line on err;
    // the command then returns 2:
    //
    //     CliOptions options({"--db", "--remark"}, {"--all"});
    //     if (!ctx.parse(options)) {
    //         return 2;
    //     }
    bool parse(CliOptions &options);
    // Prints the usage line (the given one, else the command's) on err and returns 2.
    int usageError(const QString &text = {});
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
// The command the arguments begin with, its words taken off `args`. A command's name may be
// two words ("wage import"), so that a sub-command can live in a file of its own beside the
// command of its first word ("wage"); the two-word name is tried first. Null when none.
const CliEntry *takeCliCommand(QStringList &args);

namespace CliArgs {
// The database a command works on: --db PATH, else Halvek.mdb in the application folder.
QString databasePath(const CliOptions &options);

// The first helpers, which take any option and do not refuse typos; kept until every
// command reads its arguments through CliOptions. New commands use CliOptions.
QString option(const QStringList &args, const QString &name, const QString &fallback = {});
bool flag(const QStringList &args, const QString &name);
QStringList positional(const QStringList &args, const QStringList &valued);
QString databasePath(const QStringList &args);
} // namespace CliArgs
