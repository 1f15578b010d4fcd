// corvane-cli: the program's core from the command line, for scripts, tests and the build.

#include "Command.h"

#include "base/AppEnv.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>

#include <cstring>
#include <memory>

#include <unistd.h>

namespace {

// Whether the command named on the command line (the first argument that is not --home or
// its folder) draws text.
bool commandDrawsText(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--home") == 0) {
            ++i;
            continue;
        }
        if (std::strncmp(argv[i], "--", 2) == 0) {
            continue; // --home=DIR
        }
        const QString name = QString::fromLocal8Bit(argv[i]);
        for (const CliEntry &c : cliCommands()) {
            if (c.name == name) {
                return c.drawsText;
            }
        }
        return false;
    }
    return false;
}

std::unique_ptr<QCoreApplication> makeApplication(int &argc, char *argv[])
{
    if (commandDrawsText(argc, argv)) {
        // No window is ever shown: the fonts are all that is wanted. Qt would also make up a
        // runtime folder when the session names none, but say so on standard error, which
        // belongs to the command's own messages.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
            qputenv("XDG_RUNTIME_DIR",
                    QFile::encodeName(QDir::tempPath() + QStringLiteral("/corvane-runtime-") +
                                      QString::number(getuid())));
        }
        return std::make_unique<QGuiApplication>(argc, argv);
    }
    return std::make_unique<QCoreApplication>(argc, argv);
}

} // namespace

int main(int argc, char *argv[])
{
    const std::unique_ptr<QCoreApplication> app = makeApplication(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);

    const auto printUsage = [&](QTextStream &to) {
        to << "用法: corvane-cli [--home 目录] 命令 [参数]\n";
        for (const CliEntry &c : cliCommands()) {
            to << "  " << c.usage << '\n';
        }
    };

    // The program's own options stand before the command; the command's follow it.
    QStringList args = app->arguments().mid(1);
    qsizetype first = 0;
    while (first < args.size()) {
        const QString &a = args.at(first);
        if (a == QLatin1String("--home")) {
            first += 2; // its value follows
        } else if (a.startsWith(QLatin1String("--")) && a != QLatin1String("--help")) {
            ++first;
        } else {
            break;
        }
    }
    first = qMin(first, args.size());
    CliOptions global({QStringLiteral("--home")});
    if (!global.parse(args.mid(0, first)) || !global.positional().isEmpty()) {
        err << (global.error().isEmpty() ? QStringLiteral("多余的参数") : global.error()) << '\n';
        printUsage(err);
        return 2;
    }
    const QStringList home =
        global.has(QStringLiteral("--home"))
            ? QStringList{QStringLiteral("--home"), global.value(QStringLiteral("--home"))}
            : QStringList{};
    SetAppDir(ResolveAppDir(home, QCoreApplication::applicationDirPath()));
    args = args.mid(first);

    if (args.isEmpty() || args.first() == QLatin1String("--help")
        || args.first() == QLatin1String("help")) {
        printUsage(args.isEmpty() ? err : out);
        return args.isEmpty() ? 2 : 0;
    }
    const QString name = args.first();
    if (const CliEntry *command = takeCliCommand(args)) {
        CliContext ctx{args, out, err, command->usage};
        const int code = command->handler(ctx);
        out.flush();
        err.flush();
        return code;
    }
    err << "未知的命令: " << name << '\n';
    return 2;
}
