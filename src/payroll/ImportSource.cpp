#include "payroll/ImportSource.h"

#include <QSet>

#include <cmath>

QStringList ImportColumnNames(const QStringList &headerCells, int width)
{
    QStringList names;
    QSet<QString> seen;
    for (int i = 0; i < width; ++i) {
        QString name = headerCells.value(i);
        for (QChar &c : name) {
            if (c == u'\r' || c == u'\n' || c == u'\t') {
                c = u' ';
            }
        }
        name = name.trimmed();
        if (name.isEmpty()) {
            name = QStringLiteral("F%1").arg(i + 1);
        }
        if (seen.contains(name.toCaseFolded())) {
            int n = 1;
            while (seen.contains((name + QString::number(n)).toCaseFolded())) {
                ++n;
            }
            name += QString::number(n);
        }
        seen.insert(name.toCaseFolded());
        names << name;
    }
    return names;
}

QString SheetNumberText(double value)
{
    if (!std::isfinite(value)) {
        return QString::number(value);
    }
    // 15 significant digits is what a spreadsheet shows of a double; more would bring back the
    // binary noise (0.30000000000000004).
    const int exponent = value == 0 ? 0 : int(std::floor(std::log10(std::fabs(value))));
    const int decimals = std::max(0, 14 - exponent);
    QString text = QString::number(value, 'f', std::min(decimals, 20));
    if (text.contains(u'.')) {
        while (text.endsWith(u'0')) {
            text.chop(1);
        }
        if (text.endsWith(u'.')) {
            text.chop(1);
        }
    }
    if (text == QLatin1String("-0")) {
        text = QStringLiteral("0");
    }
    return text;
}
