#include "returns/FormTable.h"

namespace {
const QString kBlank = QStringLiteral(" ");
}

FormTable::FormTable(QStringList columns) : m_columns(std::move(columns))
{
}

QString FormTable::joined(const QStringList &cells, int *ends) const
{
    QString text;
    for (int c = 0; c < columnCount(); ++c) {
        if (c < cells.size()) {
            text += cells.at(c);
        }
        ends[c] = int(text.size());
    }
    return text;
}

void FormTable::appendRow(const QStringList &cells)
{
    const size_t at = m_ends.size();
    m_ends.resize(at + size_t(columnCount()));
    m_rows.push_back(joined(cells, m_ends.data() + at));
}

void FormTable::setRow(int row, const QStringList &cells)
{
    m_rows[size_t(row)] = joined(cells, m_ends.data() + size_t(row) * size_t(columnCount()));
}

void FormTable::reserve(int rows)
{
    m_rows.reserve(size_t(rows));
    m_ends.reserve(size_t(rows) * size_t(columnCount()));
}

QStringView FormTable::cell(int row, int column) const
{
    if (isFiller(row)) {
        return kBlank;
    }
    const int *ends = m_ends.data() + size_t(row) * size_t(columnCount());
    const int begin = column == 0 ? 0 : ends[column - 1];
    return QStringView(m_rows[size_t(row)]).mid(begin, ends[column] - begin);
}

QString FormTable::text(int row, const QString &column) const
{
    const int c = columnIndex(column);
    return c < 0 ? QString() : text(row, c);
}

QStringList FormTable::rowTexts(int row) const
{
    QStringList texts;
    texts.reserve(columnCount());
    for (int c = 0; c < columnCount(); ++c) {
        texts << text(row, c);
    }
    return texts;
}
