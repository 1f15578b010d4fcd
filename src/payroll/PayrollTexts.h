#pragma once

#include <QString>

// Fixed values and messages of the payroll: sheet states, item types, the names of the fixed
// Wage columns, and every message the catalogue, the sheet, generation and posting show.
namespace WageText {

// WageState.
inline const QString Draft = QStringLiteral("草稿中");
inline const QString Posted = QStringLiteral("已完成");

// The temporary-staff department as the sheet sees it (by name).
inline const QString TempDeptName = QStringLiteral("临时员工");
inline const QString TotalRow = QStringLiteral("合计");

// Item types the computation knows, and the type of the snapshot's bonus row.
inline const QString TaxableItem = QStringLiteral("工资薪金所得纳税项");
inline const QString TaxFreeItem = QStringLiteral("工资薪金所得免税项");
inline const QString PreTaxDeduction = QStringLiteral("税前列支项");
inline const QString AfterTaxDeduction = QStringLiteral("税后列支项");
inline const QString ExemptDeduction = QStringLiteral("免税扣除项");
inline const QString BasicItemType = QStringLiteral("基本项");

// Ledger income types written by posting.
inline const QString WageTaxType = QStringLiteral("工资所得税");
inline const QString BonusTaxType = QStringLiteral("一次性奖金");

// The fund items posting reads by name.
inline const QString Pension = QStringLiteral("养老保险金");
inline const QString Medical = QStringLiteral("医疗保险金");
inline const QString Housing = QStringLiteral("住房公积金");

// Catalogue.
inline const QString DraftExists = QStringLiteral("已有草稿中数据，请先清除草稿数据！");
inline const QString QueryFailed = QStringLiteral("查询失败");
inline const QString OpenItemsFailed = QStringLiteral("打开工资项目表错误！");
inline const QString NothingToEdit = QStringLiteral("没有要编辑的工资项目！");
inline const QString BasicNoEdit = QStringLiteral("基本项不允许更改！");
inline const QString NothingToDelete = QStringLiteral("没有要删除的工资项目！");
inline const QString BasicNoDelete = QStringLiteral("基本项不允许删除！");
inline const QString ItemHasData = QStringLiteral("此工资项目不能删除！");
inline const QString ConfirmDeleteItem = QStringLiteral("您确信删除此工资项目？");
inline const QString EnterItemName = QStringLiteral("请输入项目名称！");
inline const QString ItemNameLabel = QStringLiteral("项目名称");
inline const QString ChooseItemType = QStringLiteral("请选择项目类型！");
inline const QString ItemExists = QStringLiteral("已有此项目，请重新输入！");
inline const QString ItemNameTooLong = QStringLiteral("项目名称不能超过30个字符！");
inline const QString RemarkTooLong = QStringLiteral("项目描述不能超过100个字符！");
inline const QString SaveItemFailed = QStringLiteral("保存工资项目失败！");
inline const QString DeleteItemFailed = QStringLiteral("删除工资项目失败！");
inline const QString UpdateWageFailed = QStringLiteral("更新工资表错误！");

// The sheet.
inline const QString NoEmployees = QStringLiteral("请先维护部门员工信息！");
inline const QString DbQueryFailed = QStringLiteral("查询数据库失败！");
inline const QString NoAddToPosted = QStringLiteral("不能对已过账工资数据进行添加操作！");
inline const QString TempAlreadyAdded = QStringLiteral("已添加此临时员工！");
inline const QString NoDeleteFromPosted = QStringLiteral("不能对已过账工资数据进行删除操作！");
inline const QString RegularNoDelete = QStringLiteral("正式员工不能删除！");
inline const QString ConfirmDeleteRow = QStringLiteral("您确认删除此员工工资？");
inline const QString NoChangeToPosted = QStringLiteral("不能更改已过账工资数据！");
inline const QString ConfirmClearDrafts = QStringLiteral("您确认清除草稿中数据吗？");
inline const QString NoData = QStringLiteral("没有数据！");
inline const QString SaveRowFailed = QStringLiteral("保存工资数据失败！");
inline QString NoSheetData(int year, int month)
{
    return QStringLiteral("%1年%2月无工资数据！").arg(year).arg(month);
}

// Computation.
inline const QString EnterWageData = QStringLiteral("请录入工资数据！");
inline const QString AlreadyPosted = QStringLiteral("工资数据已过账！");
inline const QString ComputeCaption = QStringLiteral("正在进行工资计算,请稍等...");
inline const QString ComputeHint = QStringLiteral("正在进行工资计算");
inline const QString ComputeFailed = QStringLiteral("工资计算失败！");

// Generation.
inline const QString GenerateCaption = QStringLiteral("正在生成工资数据,请稍等...");
inline const QString GenerateHint = QStringLiteral("正在生成工资数据");
inline const QString GenerateFailed = QStringLiteral("工资生成失败！");
inline const QString MonthBooked = QStringLiteral("本月工资已入账！");
inline const QString ContinueDraft = QStringLiteral("有上次生成的数据，延用上次数据吗？");
inline QString MonthTooEarly(int year, int month)
{
    return QStringLiteral("不能处理小于%1年%2月的工资数据！").arg(year).arg(month);
}
inline QString MonthNotDone(int year, int month)
{
    return QStringLiteral("%1年%2月工资数据尚未处理！").arg(year).arg(month);
}

// Posting.
inline const QString NothingToPost = QStringLiteral("没有需过账数据！");
inline const QString PostInWageWindow = QStringLiteral("工资计算已打开，请在工资计算中过账！");
inline const QString PostCaption = QStringLiteral("正在过账,请稍等...");
inline const QString PostHint = QStringLiteral("正在过账");
inline const QString PostFailed = QStringLiteral("过账失败！");
inline const QString PostTitle = QStringLiteral("工资过账");

} // namespace WageText
