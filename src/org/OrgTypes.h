#pragma once

#include <QDate>
#include <QString>

// Codes with a fixed meaning: the company as a whole (root of the tree, never a row that the
// program writes) and the temporary-staff department.
inline const QString kRootDeptId = QStringLiteral("0000");
inline const QString kTempDeptId = QStringLiteral("9999");
inline const QString kTotalRowName = QStringLiteral("合计");
inline const QString kDomestic = QStringLiteral("中方");
inline const QString kForeign = QStringLiteral("外方");
inline const QString kChina = QStringLiteral("中国");

// One row of Department.
struct DeptRecord
{
    QString deptId;
    QString deptName;
    QString remark;
    int deptLevel = 0;
    QString fatherId;
    QString deptLevelId;
    bool deleted = false;
};

// One row of Employee. Dates are invalid when the column is empty.
struct EmployeeRecord
{
    QString empId;
    QString empName;
    QString deptId;
    QString idCardNo;
    QString sex;
    QString empType;
    QString nationality;
    QString tel;
    QString address;
    QString remark;
    QString bankName;
    QString cardNo;
    int empState = 1;
    QDate startDate;
    QDate endDate;
    bool deleted = false;
};

// What the employee pickers hand back.
struct RdEmployee
{
    QString empId;
    QString empName;
    QString deptId;
    QString deptName;
    QString empType;
};

// One line of the name picker.
struct EmpPickRow
{
    QString empId;
    QString empName;
    QString idCardNo;
    QString sex;
    QString empType;
    int empState = 1;
};
