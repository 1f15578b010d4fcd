#include "CliSupport.h"

#include "base/Password.h"
#include "db/Database.h"

namespace CliSupport {

bool openDatabase(CliContext &ctx, Database &db)
{
    if (!db.open(CliArgs::databasePath(ctx.args), DatabasePassword())) {
        ctx.err << "打开数据库失败: " << db.lastError() << '\n';
        return false;
    }
    return true;
}

namespace {

QString csvField(const QString &value)
{
    if (!value.contains(u',') && !value.contains(u'"') && !value.contains(u'\n') &&
        !value.contains(u'\r')) {
        return value;
    }
    QString quoted = value;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

QString tsvField(const QString &value)
{
    QString v = value;
    for (QChar &c : v) {
        if (c == u'\t' || c == u'\n' || c == u'\r') {
            c = u' ';
        }
    }
    return v;
}

void printLine(QTextStream &out, const QStringList &values, bool csv)
{
    QStringList fields;
    fields.reserve(values.size());
    for (const QString &v : values) {
        fields << (csv ? csvField(v) : tsvField(v));
    }
    out << fields.join(csv ? u',' : u'\t') << (csv ? "\r\n" : "\n");
}

} // namespace

void printListing(QTextStream &out, const QStringList &header, const QList<QStringList> &rows,
                  bool csv)
{
    printLine(out, header, csv);
    for (const QStringList &row : rows) {
        printLine(out, row, csv);
    }
}

int usage(CliContext &ctx, const QString &text)
{
    ctx.err << "用法: corvane-cli " << text << '\n';
    return 2;
}

int refuse(CliContext &ctx, const QString &text)
{
    ctx.err << text << '\n';
    return 2;
}

std::optional<CliOptions>
parseSubCommand(CliContext &ctx, CliOptions all,
                const std::function<CliOptions(const QString &sub)> &optionsOf)
{
    if (!ctx.parse(all)) {
        return std::nullopt;
    }
    CliOptions options = optionsOf(all.positional().value(0));
    if (!ctx.parse(options)) {
        return std::nullopt;
    }
    return options;
}

bool parsePeriod(CliContext &ctx, const QString &year, const QString &month, int &y, int &m)
{
    bool yearOk = false;
    bool monthOk = false;
    y = year.toInt(&yearOk);
    m = month.toInt(&monthOk);
    if (!yearOk || y < 1900 || y > 2500) {
        ctx.err << "年份应为1900到2500之间的数字！\n";
        return false;
    }
    if (!monthOk || m < 1 || m > 12) {
        ctx.err << "月份应为1到12之间的数字！\n";
        return false;
    }
    return true;
}

bool onlyKnownOptions(CliContext &ctx, const QStringList &known)
{
    for (const QString &a : ctx.args) {
        if (a.startsWith(QLatin1String("--")) && !known.contains(a)) {
            ctx.err << "未知的选项: " << a << '\n';
            return false;
        }
    }
    return true;
}

} // namespace CliSupport

void CliMessages::showError(const QString &text)
{
    m_err << text << '\n';
    m_failed = true;
}

void CliMessages::showWarning(const QString &text)
{
    m_err << text << '\n';
    m_refused = true;
}

void CliMessages::showInfo(const QString &text)
{
    m_err << text << '\n';
    m_refused = true;
}

bool CliMessages::askYesNo(const QString &text)
{
    if (answer) {
        if (const auto a = answer(text)) {
            return *a;
        }
        // No way to answer here: the question is the refusal.
        m_err << text << '\n';
        m_refused = true;
        return false;
    }
    return true;
}
