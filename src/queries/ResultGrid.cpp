#include "queries/ResultGrid.h"

#include "base/TextHelpers.h"
#include "db/Database.h"

#include <QStringDecoder>

ResultGrid::ResultGrid(const QList<Column> &columns) : m_columns(columns)
{
    for (const Column &c : m_columns) {
        m_slot << (c.kind == Kind::Text ? m_textColumns++ : m_moneyColumns++);
    }
}

QStringList ResultGrid::columnNames() const
{
    QStringList names;
    for (const Column &c : m_columns) {
        names << c.name;
    }
    return names;
}

int ResultGrid::columnIndex(const QString &name) const
{
    for (int c = 0; c < columnCount(); ++c) {
        if (m_columns.at(c).name == name) {
            return c;
        }
    }
    return -1;
}

QStringView ResultGrid::textView(int row, int column) const
{
    if (row < 0 || row >= m_rows || column < 0 || column >= columnCount() || isMoney(column)) {
        return {};
    }
    const qsizetype i = qsizetype(row) * m_textColumns + m_slot.at(column);
    const qsizetype begin = i == 0 ? 0 : m_textEnd[i - 1];
    return QStringView(m_text).mid(begin, m_textEnd[i] - begin);
}

std::optional<Money> ResultGrid::amount(int row, int column) const
{
    if (row < 0 || row >= m_rows || column < 0 || column >= columnCount() || !isMoney(column)) {
        return std::nullopt;
    }
    const qint64 raw = m_amounts[qsizetype(row) * m_moneyColumns + m_slot.at(column)];
    if (raw == kEmpty) {
        return std::nullopt;
    }
    return Money::fromRaw(raw);
}

QString ResultGrid::displayText(int row, int column) const
{
    if (column >= 0 && column < columnCount() && isMoney(column)) {
        const auto value = amount(row, column);
        return value ? FormatMoney(*value) : QString();
    }
    return textView(row, column).toString();
}

std::optional<Money> ResultGrid::sum(int column) const
{
    std::optional<Money> total;
    for (int r = 0; r < m_rows; ++r) {
        if (const auto value = amount(r, column)) {
            total = total.value_or(Money()) + *value;
        }
    }
    return total;
}

void ResultGrid::appendText(QStringView text)
{
    m_text.append(text);
    m_textEnd.push_back(m_text.size());
}

void ResultGrid::appendRow(const QVariantList &cells)
{
    for (int c = 0; c < columnCount(); ++c) {
        const QVariant v = cells.value(c);
        if (isMoney(c)) {
            m_amounts.push_back(v.isValid() && !v.isNull() ? SqlResult::toMoney(v).raw() : kEmpty);
        } else {
            appendText(v.toString());
        }
    }
    ++m_rows;
}

bool ResultGrid::appendFrom(Statement &statement)
{
    QList<int> source;
    for (int c = 0; c < columnCount(); ++c) {
        source << c;
    }
    while (statement.next()) {
        appendCurrent(statement, source);
    }
    return statement.ok();
}

void ResultGrid::appendCurrent(const Statement &statement, const QList<int> &source)
{
    for (int c = 0; c < columnCount(); ++c) {
        const int from = source.at(c);
        if (isMoney(c)) {
            const QVariant v = statement.value(from);
            m_amounts.push_back(v.isValid() ? SqlResult::toMoney(v).raw() : kEmpty);
            continue;
        }
        const QByteArrayView utf8 = statement.rawText(from);
        // UTF-8 never needs fewer bytes than UTF-16 needs code units: room enough.
        const qsizetype start = m_text.size();
        m_text.resize(start + utf8.size());
        QChar *const begin = m_text.data();
        QChar *const end = QStringDecoder(QStringDecoder::Utf8).appendToBuffer(begin + start, utf8);
        m_text.truncate(end - begin);
        m_textEnd.push_back(m_text.size());
    }
    ++m_rows;
}
