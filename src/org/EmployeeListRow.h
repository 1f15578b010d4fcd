#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>

// One line of the browser's employee list: the employee with its department's name. Dates
// stay as stored text; the list only shows them.
//
// A list may hold 100,000 of these, so the texts of a row share one string: filling and
// freeing a row costs one allocation instead of thirteen.
class EmployeeListRow
{
public:
    enum Field {
        EmpId,
        EmpName,
        DeptId,
        DeptName,
        IdCardNo,
        Sex,
        EmpType,
        Nationality,
        Tel,
        StartDate,
        EndDate,
        Address,
        Remark,
        FieldCount
    };

    EmployeeListRow() { m_end.fill(0); }
    // The texts in Field order, as UTF-8 (straight from the engine) or as strings.
    void setFields(const std::array<QByteArrayView, FieldCount> &utf8);
    void setFields(const QStringList &texts);

    QStringView view(Field f) const
    {
        const int begin = f == 0 ? 0 : m_end[f - 1];
        return QStringView(m_text).mid(begin, m_end[f] - begin);
    }
    QString field(Field f) const { return view(f).toString(); }

    QString empId() const { return field(EmpId); }
    QString empName() const { return field(EmpName); }
    QString deptId() const { return field(DeptId); }
    QString deptName() const { return field(DeptName); }
    QString idCardNo() const { return field(IdCardNo); }
    QString sex() const { return field(Sex); }
    QString empType() const { return field(EmpType); }
    QString nationality() const { return field(Nationality); }
    QString tel() const { return field(Tel); }
    QString startDate() const { return field(StartDate); }
    QString endDate() const { return field(EndDate); }
    QString address() const { return field(Address); }
    QString remark() const { return field(Remark); }

    int empState = 1;
    bool deleted = false;

private:
    QString m_text;
    std::array<int, FieldCount> m_end;
};
