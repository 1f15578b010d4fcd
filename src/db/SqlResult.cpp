#include "db/SqlResult.h"

int SqlResult::columnIndex(const QString &name) const
{
    for (int i = 0; i < m_columns.size(); ++i) {
        if (m_columns[i].compare(name, Qt::CaseInsensitive) == 0) {
            return i;
        }
    }
    return -1;
}

QVariant SqlResult::value(int row, int column) const
{
    if (row < 0 || row >= m_rows.size() || column < 0 || column >= m_columns.size()) {
        return {};
    }
    return m_rows[row][column];
}

QVariant SqlResult::value(int row, const QString &column) const
{
    return value(row, columnIndex(column));
}

bool SqlResult::seek(int row)
{
    m_cursor = row;
    return !atEnd();
}

Money SqlResult::toMoney(const QVariant &v)
{
    if (v.metaType() == QMetaType::fromType<Money>()) {
        return v.value<Money>();
    }
    if (!v.isValid() || v.isNull()) {
        return Money();
    }
    return Money::fromRaw(v.toLongLong());
}
