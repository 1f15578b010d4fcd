#include "CliOptions.h"

#include <QRegularExpression>

namespace {

// "-5" and "-0.5" are values; "-x" is an option we do not have.
bool looksLikeShortOption(const QString &arg)
{
    static const QRegularExpression number(QStringLiteral("^-[0-9.]"));
    return arg.size() > 1 && arg.startsWith(u'-') && !arg.startsWith(QLatin1String("--")) &&
           !number.match(arg).hasMatch();
}

} // namespace

CliOptions::CliOptions(QStringList valued, QStringList flags)
    : m_valued(std::move(valued)), m_flags(std::move(flags))
{
}

QString CliOptions::value(const QString &name, const QString &fallback) const
{
    return m_values.value(name, fallback);
}

bool CliOptions::take(const QString &name, const QString &value)
{
    if (m_values.contains(name)) {
        m_error = QStringLiteral("选项重复: ") + name;
        return false;
    }
    m_values.insert(name, value);
    return true;
}

bool CliOptions::parse(const QStringList &args)
{
    m_values.clear();
    m_positional.clear();
    m_error.clear();
    bool optionsEnded = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        if (optionsEnded) {
            m_positional << arg;
            continue;
        }
        if (arg == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        if (looksLikeShortOption(arg)) {
            m_error = QStringLiteral("未知的选项: ") + arg;
            return false;
        }
        if (!arg.startsWith(QLatin1String("--"))) {
            m_positional << arg;
            continue;
        }
        const qsizetype eq = arg.indexOf(u'=');
        const QString name = eq < 0 ? arg : arg.left(eq);
        if (m_flags.contains(name)) {
            if (eq >= 0) {
                m_error = QStringLiteral("选项不带值: ") + name;
                return false;
            }
            if (!take(name, QString())) {
                return false;
            }
            continue;
        }
        if (!m_valued.contains(name)) {
            m_error = QStringLiteral("未知的选项: ") + name;
            return false;
        }
        QString value;
        if (eq >= 0) {
            value = arg.mid(eq + 1);
        } else if (i + 1 < args.size() && !args.at(i + 1).startsWith(QLatin1String("--"))) {
            value = args.at(++i);
        } else {
            // "--end" last, or followed by another option: the value was forgotten.
            m_error = QStringLiteral("选项缺少值: ") + name;
            return false;
        }
        if (!take(name, value)) {
            return false;
        }
    }
    return true;
}
