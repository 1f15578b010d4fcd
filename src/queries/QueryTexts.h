#pragma once

#include <QString>
#include <QStringList>

// The messages and fixed texts of the wage and tax queries, shared by the windows and the
// command line so that both say the same thing.
namespace QueryText {
inline const QString NoData = QStringLiteral("没有任何数据存在！");
inline const QString ChooseMonth = QStringLiteral("请选择月份！");
inline const QString ChooseYear = QStringLiteral("请选择起始年份！");
inline const QString EnterEmployee = QStringLiteral("请输入人员姓名或人员编码！");
inline const QString NoSuchEmployee = QStringLiteral("没有该人员的数据，请重新输入！");
inline const QString EnterIncomeLimit = QStringLiteral("请输入高收入限额！");
inline const QString ChooseEmpType = QStringLiteral("请选择人员类型！");

// The label of the total row in the wage reports, the fund tables and the tax lists (blanks
// around and between the characters), and in the annual tax summary (without blanks).
inline const QString TotalLabel = QStringLiteral(" 合 计 ");
inline const QString AnnualTotalLabel = QStringLiteral("合计");

// The names the workbooks are written under (file model/<name><n>.xlsx, sheet <name>).
inline const QString ExportWageList = QStringLiteral("工资单");
inline const QString ExportDeptSums = QStringLiteral("部门工资汇总表");
inline const QString ExportBankList = QStringLiteral("银行发放");
inline const QString ExportPersonalWage = QStringLiteral("工资明细");
inline const QString ExportHighIncome = QStringLiteral("高收入人员表");
inline const QString ExportPayout = QStringLiteral("支出明细");
inline const QString ExportAnnualTax = QStringLiteral("个人所得税一览表");
// Per fund, in the order of ThreeFund::fundColumns().
inline const QStringList ExportFunds{QStringLiteral("养老金统计"), QStringLiteral("医疗保险金统计"),
                                     QStringLiteral("住房公积金统计")};
} // namespace QueryText
