// corvane-cli: the program's core from the command line, for scripts, tests and the build.

#include "Command.h"

#include "base/AppEnv.h"

#include <QCoreApplication>
#include <QFileInfo>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);

    QStringList args = app.arguments().mid(1);
    SetAppDir(ResolveAppDir(args, QCoreApplication::applicationDirPath()));
    const int home = args.indexOf(QStringLiteral("--home"));
    if (home >= 0) {
        args.remove(home, qMin<qsizetype>(2, args.size() - home));
    }

    if (args.isEmpty() || args.first() == QLatin1String("--help")
        || args.first() == QLatin1String("help")) {
        out << "用法: corvane-cli [--home 目录] 命令 [参数]\n";
        for (const CliEntry &c : cliCommands()) {
            out << "  " << c.usage << '\n';
        }
        return args.isEmpty() ? 2 : 0;
    }
    const QString name = args.first();
    if (const CliEntry *command = takeCliCommand(args)) {
        CliContext ctx{args, out, err};
        const int code = command->handler(ctx);
        out.flush();
        err.flush();
        return code;
    }
    err << "未知的命令: " << name << '\n';
    return 2;
}
