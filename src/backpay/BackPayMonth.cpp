#include "backpay/BackPayMonth.h"

#include <QRegularExpression>

QString BackPayMonth::key() const
{
    return QStringLiteral("%1年%2月").arg(year, 4, 10, QChar(u'0')).arg(month);
}

std::optional<BackPayMonth> BackPayMonth::fromKey(const QString &key)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d{4})年([1-9]|1[0-2])月$"));
    const auto match = pattern.match(key);
    if (!match.hasMatch()) {
        return std::nullopt;
    }
    return BackPayMonth{match.captured(1).toInt(), match.captured(2).toInt()};
}

std::optional<BackPayMonth> BackPayMonth::fromColumn(const QString &column)
{
    const qsizetype cut = column.indexOf(u'补');
    return cut < 0 ? std::nullopt : fromKey(column.left(cut));
}

QStringList MonthKeys(const BackPayMonths &months)
{
    QStringList keys;
    for (const BackPayMonth &m : months) {
        keys << m.key();
    }
    return keys;
}

std::optional<BackPayMonths> MonthsFromKeys(const QStringList &keys)
{
    BackPayMonths months;
    for (const QString &k : keys) {
        const auto m = BackPayMonth::fromKey(k.trimmed());
        if (!m) {
            return std::nullopt;
        }
        months << *m;
    }
    return months;
}
