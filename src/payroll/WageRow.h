#pragma once

#include "base/Money.h"

#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <array>
#include <vector>

// One employee row of a wage sheet: who and which period (texts and numbers), and the amounts
// by the column indexes of the sheet's WageSheetLayout. A NULL amount in the table reads as 0.
//
// A sheet may hold 100,000 of these: the six texts share one string and the amounts one
// array, two allocations per row.
class WageRow
{
public:
    enum Text { DeptName, EmpName, WageType, WageState, EmpId, EmpType, TextCount };

    WageRow() { m_end.fill(0); }

    QStringView view(Text t) const
    {
        const int begin = t == 0 ? 0 : m_end[t - 1];
        return QStringView(m_text).mid(begin, m_end[t] - begin);
    }
    QString text(Text t) const { return view(t).toString(); }
    // The texts in Text order, as strings or as UTF-8 straight from the engine.
    void setTexts(const std::array<QStringView, TextCount> &texts);
    void setTexts(const std::array<QByteArrayView, TextCount> &utf8);
    void setText(Text t, const QString &value);

    QString deptName() const { return text(DeptName); }
    QString empName() const { return text(EmpName); }
    QString empId() const { return text(EmpId); }
    QString empType() const { return text(EmpType); }
    QString wageState() const { return text(WageState); }
    bool isPosted() const;

    Money amount(int column) const { return m_amounts[std::size_t(column)]; }
    void setAmount(int column, Money value) { m_amounts[std::size_t(column)] = value; }
    std::vector<Money> &amounts() { return m_amounts; }
    const std::vector<Money> &amounts() const { return m_amounts; }
    // Every amount 0, for a layout of `columns` money columns.
    void resetAmounts(int columns) { m_amounts.assign(std::size_t(columns), Money()); }

    qint64 wageId = 0;
    int wageYear = 0;
    int wageMonth = 0;
    int wageTimes = 0;

private:
    QString m_text;
    std::array<int, TextCount> m_end;
    std::vector<Money> m_amounts;
};
