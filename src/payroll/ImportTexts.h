#pragma once

#include <QString>

// The messages and fixed texts of the wage data import.
namespace ImportText {

inline const QString WizardTitle = QStringLiteral("数据导入向导");
inline const QString EmpIdTarget = QStringLiteral("人员编号");

// The file and month.
inline const QString ChooseMonth = QStringLiteral("请选择起始导入数据年月！");
inline const QString ChooseFile = QStringLiteral("请选择需导入的数据文件！");
inline const QString ConfigReadFailed = QStringLiteral("打开配置文件出错！");
inline const QString ConfigMissing = QStringLiteral("配置文件不存在");
inline const QString Overwrite = QStringLiteral("该月工资数据已存在，是否覆盖？");
inline QString OnlyMonth(int year, int month)
{
    return QStringLiteral("只能导入%1年%2月的数据").arg(year).arg(month);
}
inline const QString QueryFailed = QStringLiteral("查询数据库失败！");
inline const QString TextOpenFailed = QStringLiteral("打开文本数据出错，不能继续！");
inline const QString ExcelOpenFailed = QStringLiteral("打开Excel表格数据出错，不能继续！");

// The worksheet.
inline const QString ChooseSheet = QStringLiteral("请选择工作表！");
inline const QString SheetOpenFailed = QStringLiteral("不能打开Excel工作表,请重新进行！");
inline const QString NoRows = QStringLiteral("没有任何数据存在！");

// The text file.
inline const QString EnterSeparator = QStringLiteral("请输入文本数据的分隔符！");
inline const QString PastEndOfFile = QStringLiteral("需导入的数据已经超过文件尾！");
inline const QString CsvOpenFailed = QStringLiteral("不能打开文本数据文件,请重新进行！");
inline QString TooManyFields(int line)
{
    return QStringLiteral("第%1行超过100个字段，不能导入！").arg(line);
}
inline QString WiderThanHeader(int line)
{
    return QStringLiteral("第%1行的字段比第一行多，不能导入！").arg(line);
}
inline const QString CopyFailed = QStringLiteral("不能复制导入数据,请重新进行！");
inline const QString CopyCaption = QStringLiteral("正在读取导入数据,请稍等...");
inline const QString CopyHint = QStringLiteral("正在读取导入数据");

// Pairing and the result.
inline const QString PairEmpId = QStringLiteral("必须指定和人员编号相对应的字段！");
inline QString NotAnAmount(int line, const QString &column, const QString &text)
{
    return QStringLiteral("第%1行“%2”列的“%3”不是有效的金额，不能导入！")
        .arg(line)
        .arg(column, text);
}
inline QString NoSuchColumn(const QString &name)
{
    return QStringLiteral("没有字段“%1”！").arg(name);
}
inline const QString ConfigExists = QStringLiteral("配置文件已存在，是否覆盖？");
inline const QString ConfigSaved = QStringLiteral("保存完毕！");
inline const QString ChooseConfig = QStringLiteral("请选择配置文件！");
inline const QString ConfigSaveFailed = QStringLiteral("保存配置文件出错！");

// "完成".
inline const QString AskSaveConfig = QStringLiteral("是否保存配置？");
inline const QString Duplicates = QStringLiteral("存在重复的人员数据,不能导入数据！");
inline const QString WriteFailed = QStringLiteral("数据无法提交！");
inline const QString WriteCaption = QStringLiteral("正在导入工资数据,请稍等...");
inline const QString WriteHint = QStringLiteral("正在导入工资数据");

} // namespace ImportText
