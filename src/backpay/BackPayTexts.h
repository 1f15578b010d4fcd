#pragma once

#include <QString>

// The fixed texts of back pay: captions, the ledger's income type and every message.
namespace BackPayText {

inline QString title()
{
    return QStringLiteral("补发工资");
}
inline QString periodTitle()
{
    return QStringLiteral("补发工资 - 选择年月");
}
inline QString postTitle()
{
    return QStringLiteral("补发工资过账");
}
inline QString exportName()
{
    return QStringLiteral("补发工资表");
}
inline QString helpKeyword()
{
    return QStringLiteral("补发工资");
}
// The ledger's income type of back pay.
inline QString taxType()
{
    return QStringLiteral("补发工资");
}

// The sheet's fixed columns and the view's totals.
inline QString deptColumn()
{
    return QStringLiteral("部门");
}
inline QString nameColumn()
{
    return QStringLiteral("姓名");
}
inline QString typeColumn()
{
    return QStringLiteral("员工类别");
}
inline QString yearColumn()
{
    return QStringLiteral("年");
}
inline QString monthColumn()
{
    return QStringLiteral("月");
}
inline QString empIdColumn()
{
    return QStringLiteral("员工编号");
}
inline QString totalColumn()
{
    return QStringLiteral("合计补发工资");
}
inline QString taxColumn()
{
    return QStringLiteral("扣税");
}
inline QString netColumn()
{
    return QStringLiteral("实际补发");
}

// "补发工资：2005年4月"
inline QString statusLine(int year, int month)
{
    return QStringLiteral("补发工资：%1年%2月").arg(year).arg(month);
}
// The pay period's wages are not posted: "2005年4月"尚未做工资！
inline QString wagesNotPosted(int year, int month)
{
    return QStringLiteral("\"%1年%2月\"尚未做工资！").arg(year).arg(month);
}
// Neither posted back pay nor a pending sheet of the period: 无"2005年4月"补发工资数据
inline QString noBackPayOf(int year, int month)
{
    return QStringLiteral("无\"%1年%2月\"补发工资数据").arg(year).arg(month);
}

inline QString noMonthChosen()
{
    return QStringLiteral("请选择补发工资月！");
}
inline QString tooManyMonths()
{
    return QStringLiteral("请选择少于12的补发工资月！");
}
inline QString noDeptChosen()
{
    return QStringLiteral("请选择部门！");
}
inline QString postedNoAdd()
{
    return QStringLiteral("已入账，不能添加！");
}
inline QString postedNoDelete()
{
    return QStringLiteral("已入账，不能删除！");
}
inline QString postedNoRechoose()
{
    return QStringLiteral("已入账，不能重新生成！");
}
inline QString posted()
{
    return QStringLiteral("已入账！");
}
inline QString noColumnChosen()
{
    return QStringLiteral("请选择需修改列！");
}
inline QString notFound()
{
    return QStringLiteral("未找到相关信息！");
}
inline QString askDelete()
{
    return QStringLiteral("您确认删除此员工的补发工资吗？");
}
inline QString askSave()
{
    return QStringLiteral("您确认保存当前数据吗?");
}

inline QString nothingToPost()
{
    return QStringLiteral("无补发工资过账数据！");
}
inline QString postDone()
{
    return QStringLiteral("补发工资入账完毕！");
}
inline QString postFailed()
{
    return QStringLiteral("补发工资入账失败！");
}
inline QString postCaption()
{
    return QStringLiteral("正在进行补发工资过账,请稍等...");
}
inline QString postHint()
{
    return QStringLiteral("正在进行补发工资过账");
}

// Failures the Parts leave unspoken; the program says what went wrong rather than nothing.
inline QString sheetFailed()
{
    return QStringLiteral("补发工资表操作失败！");
}
inline QString amountTooLarge()
{
    return QStringLiteral("输入金额太大！");
}

} // namespace BackPayText
