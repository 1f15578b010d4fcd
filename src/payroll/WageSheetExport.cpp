#include "payroll/WageSheetExport.h"

#include "base/AppEnv.h"
#include "base/MessageService.h"
#include "base/WorkbookWriter.h"
#include "payroll/WageSheet.h"

#include <QFile>

namespace {

const QString kExportName = QStringLiteral("工资计算");

QVariant textOrNull(QStringView text)
{
    return text.isEmpty() ? QVariant() : QVariant(text.toString());
}

bool writeSheet(const QString &path, const WageSheet &sheet)
{
    WorkbookWriter writer(path, kExportName);
    if (!writer.isOpen()) {
        return false;
    }
    const WageSheetLayout &layout = sheet.layout();
    writer.writeHeader(SheetFixedTitles() + layout.names() + QStringList{QStringLiteral("wageid")});
    QVariantList values;
    for (const WageRow &row : sheet.rows()) {
        values.clear();
        values << textOrNull(row.view(WageRow::DeptName)) << textOrNull(row.view(WageRow::EmpName))
               << row.wageYear << row.wageMonth << textOrNull(row.view(WageRow::WageType))
               << row.wageTimes << textOrNull(row.view(WageRow::EmpId))
               << textOrNull(row.view(WageRow::EmpType))
               << textOrNull(row.view(WageRow::WageState));
        for (int c = 0; c < layout.columnCount(); ++c) {
            values << QVariant::fromValue(row.amount(c));
        }
        values << row.wageId;
        writer.writeRow(values);
    }
    return writer.close();
}

} // namespace

QString ExportWageSheet(const WageSheet &sheet, FileOpener &opener, MessageService &messages)
{
    const QString path = NextExportPath(kExportName);
    if (!writeSheet(path, sheet)) {
        QFile::remove(path);
        messages.showError(QStringLiteral("文件没有找到！"));
        return {};
    }
    if (!opener.open(path)) {
        messages.showError(QStringLiteral("文件没有找到！"));
    }
    return path;
}
