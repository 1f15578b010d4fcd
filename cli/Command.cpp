#include "Command.h"

#include "base/AppEnv.h"

namespace {
QList<CliEntry> &registry()
{
    static QList<CliEntry> all;
    return all;
}
} // namespace

CliCommand::CliCommand(const char *name, const char *usage, CliHandler handler, bool drawsText)
{
    registry().append(
        {QString::fromUtf8(name), QString::fromUtf8(usage), std::move(handler), drawsText});
}

const QList<CliEntry> &cliCommands()
{
    return registry();
}

const CliEntry *takeCliCommand(QStringList &args)
{
    for (int words = 2; words >= 1; --words) {
        if (args.size() < words) {
            continue;
        }
        const QString name = args.mid(0, words).join(u' ');
        for (const CliEntry &c : registry()) {
            if (c.name == name) {
                args.remove(0, words);
                return &c;
            }
        }
    }
    return nullptr;
}

bool CliContext::parse(CliOptions &options)
{
    if (options.parse(args)) {
        return true;
    }
    err << options.error() << '\n';
    usageError();
    return false;
}

int CliContext::usageError(const QString &text)
{
    err << "用法: corvane-cli " << (text.isEmpty() ? usage : text) << '\n';
    return 2;
}

namespace CliArgs {

QString databasePath(const CliOptions &options)
{
    return options.value(QStringLiteral("--db"), GetAppDir() + QStringLiteral("Halvek.mdb"));
}

QString option(const QStringList &args, const QString &name, const QString &fallback)
{
    const qsizetype i = args.indexOf(name);
    return (i >= 0 && i + 1 < args.size()) ? args.at(i + 1) : fallback;
}

bool flag(const QStringList &args, const QString &name)
{
    return args.contains(name);
}

QStringList positional(const QStringList &args, const QStringList &valued)
{
    QStringList result;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &a = args.at(i);
        if (valued.contains(a)) {
            ++i;
        } else if (!a.startsWith(QLatin1String("--"))) {
            result << a;
        }
    }
    return result;
}

QString databasePath(const QStringList &args)
{
    return option(args, QStringLiteral("--db"), GetAppDir() + QStringLiteral("Halvek.mdb"));
}

} // namespace CliArgs
