#include "backpay/BackPayGrid.h"

#include "backpay/BackPayTexts.h"
#include "base/TextHelpers.h"
#include "db/Database.h"

BackPayGrid::BackPayGrid(QList<BackPayGridColumn> columns) : m_columns(std::move(columns))
{
    for (BackPayGridColumn &c : m_columns) {
        c.slot = c.kind == BackPayGridColumn::Kind::Text ? m_textCount++ : m_valueCount++;
    }
}

int BackPayGrid::columnIndex(const QString &name) const
{
    for (int c = 0; c < columnCount(); ++c) {
        if (m_columns.at(c).name == name) {
            return c;
        }
    }
    return -1;
}

QVariant BackPayGrid::value(int row, int column) const
{
    const BackPayGridColumn &c = m_columns.at(column);
    const BackPayGridRow &r = m_rows.at(size_t(row));
    switch (c.kind) {
    case BackPayGridColumn::Kind::Text:
        return r.texts.at(c.slot);
    case BackPayGridColumn::Kind::Number:
        return r.values.at(size_t(c.slot));
    case BackPayGridColumn::Kind::Money:
        return QVariant::fromValue(Money::fromRaw(r.values.at(size_t(c.slot))));
    }
    return {};
}

QString BackPayGrid::text(int row, const QString &column) const
{
    const int c = columnIndex(column);
    return c < 0 ? QString() : displayText(row, c);
}

Money BackPayGrid::money(int row, const QString &column) const
{
    const int c = columnIndex(column);
    return c < 0 ? Money()
                 : Money::fromRaw(m_rows.at(size_t(row)).values.at(size_t(m_columns.at(c).slot)));
}

QString BackPayGrid::displayText(int row, int column) const
{
    const QVariant v = value(row, column);
    return m_columns.at(column).kind == BackPayGridColumn::Kind::Money
               ? FormatMoney(v.value<Money>())
               : v.toString();
}

int BackPayGrid::find(const QString &text) const
{
    const QString t = text.trimmed();
    for (const QString &column : {BackPayText::empIdColumn(), BackPayText::nameColumn()}) {
        const int c = columnIndex(column);
        if (c < 0) {
            continue;
        }
        for (int r = 0; r < rowCount(); ++r) {
            if (m_rows.at(size_t(r)).texts.at(m_columns.at(c).slot).startsWith(t)) {
                return r;
            }
        }
    }
    return -1;
}

int BackPayGrid::rowOf(const QString &empId) const
{
    const int c = columnIndex(BackPayText::empIdColumn());
    if (c < 0) {
        return -1;
    }
    for (int r = 0; r < rowCount(); ++r) {
        if (m_rows.at(size_t(r)).texts.at(m_columns.at(c).slot) == empId) {
            return r;
        }
    }
    return -1;
}

std::optional<BackPayGrid> BackPayGrid::read(Database &db, const QString &sql,
                                             const QVariantList &params,
                                             QList<BackPayGridColumn> columns)
{
    BackPayGrid grid(std::move(columns));
    Statement st = db.prepare(sql);
    if (!st.isValid() || !st.bindAll(params)) {
        return std::nullopt;
    }
    if (st.columnCount() != grid.columnCount()) {
        db.setError(QStringLiteral("列数不符: ") + sql);
        return std::nullopt;
    }
    while (st.next()) {
        BackPayGridRow row;
        row.texts.reserve(grid.m_textCount);
        row.values.reserve(size_t(grid.m_valueCount));
        for (int c = 0; c < grid.columnCount(); ++c) {
            if (grid.m_columns.at(c).kind == BackPayGridColumn::Kind::Text) {
                row.texts << st.text(c);
            } else {
                row.values.push_back(st.int64(c));
            }
        }
        grid.m_rows.push_back(std::move(row));
    }
    if (!st.ok()) {
        return std::nullopt;
    }
    return grid;
}
