#include "db/Sql.h"

QString QuoteIdent(const QString &name)
{
    QString inner = name;
    inner.replace(u'"', QStringLiteral("\"\""));
    return u'"' + inner + u'"';
}

QString QuoteIdents(const QStringList &names, const QString &separator)
{
    QStringList quoted;
    quoted.reserve(names.size());
    for (const QString &n : names) {
        quoted << QuoteIdent(n);
    }
    return quoted.join(separator);
}

namespace {
const QString kSource = QStringLiteral("Data Source=");
const QString kAfterSource = QStringLiteral(";Persist Security Info=");
const QString kPassword = QStringLiteral("Jet OLEDB:Database Password=");
const QString kAfterPassword = QStringLiteral(";Jet OLEDB:Encrypt Database=");
} // namespace

QString BuildConnectionString(const QString &dataSource, const QString &password)
{
    return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") + dataSource
           + QStringLiteral(";Persist Security Info=False;Jet OLEDB:Database Password=")
           + password + QStringLiteral(";Jet OLEDB:Encrypt Database=True");
}

ConnectionParams ParseConnectionString(const QString &connection)
{
    // The path and the password may themselves hold ";" or "=", so each value runs up to
    // the key that the program always writes after it.
    auto valueBetween = [&](const QString &key, const QString &next) {
        const qsizetype start = connection.indexOf(key);
        if (start < 0) {
            return QString();
        }
        const qsizetype from = start + key.size();
        qsizetype end = connection.indexOf(next, from);
        if (end < 0) {
            end = connection.indexOf(u';', from);
        }
        return end < 0 ? connection.mid(from) : connection.mid(from, end - from);
    };
    return {valueBetween(kSource, kAfterSource), valueBetween(kPassword, kAfterPassword)};
}
