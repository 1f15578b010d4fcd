#include "app/ExportToExcel.h"

#include "app/AppEnv.h"
#include "app/MessageService.h"
#include "app/Money.h"
#include "db/Database.h"

#include <QDir>
#include <QFile>

#include <xlsxwriter.h>

namespace {

// Worksheet names are at most 31 characters and may not hold []:*?/\ .
QString sheetName(const QString &name)
{
    QString s = name;
    for (QChar c : QStringLiteral("[]:*?/\\")) {
        s.replace(c, u'_');
    }
    s = s.left(31);
    return s.isEmpty() ? QStringLiteral("Sheet1") : s;
}

bool writeWorkbook(const QString &path, const QString &name, const SqlResult &rows,
                   const QStringList &moneyColumns)
{
    const QByteArray file = QFile::encodeName(path);
    lxw_workbook *workbook = workbook_new(file.constData());
    if (!workbook) {
        return false;
    }
    const QByteArray sheetUtf8 = sheetName(name).toUtf8();
    lxw_worksheet *sheet = workbook_add_worksheet(workbook, sheetUtf8.constData());
    lxw_format *moneyFormat = workbook_add_format(workbook);
    format_set_num_format(moneyFormat, "0.00");
    for (int c = 0; c < rows.columnCount(); ++c) {
        worksheet_write_string(sheet, 0, lxw_col_t(c), rows.columnName(c).toUtf8().constData(),
                               nullptr);
    }
    QList<bool> isMoney;
    for (int c = 0; c < rows.columnCount(); ++c) {
        isMoney << moneyColumns.contains(rows.columnName(c), Qt::CaseInsensitive);
    }
    for (int r = 0; r < rows.rowCount(); ++r) {
        const lxw_row_t row = lxw_row_t(r + 1);
        for (int c = 0; c < rows.columnCount(); ++c) {
            const QVariant v = rows.value(r, c);
            const lxw_col_t col = lxw_col_t(c);
            if (v.isNull() || !v.isValid()) {
                continue;
            }
            if (v.metaType() == QMetaType::fromType<Money>() || isMoney.at(c)) {
                // A spreadsheet cell is a binary double; this is the one place an amount
                // leaves the exact type, on its way out of the program.
                worksheet_write_number(sheet, row, col,
                                       SqlResult::toMoney(v).toDoubleForDisplay(), moneyFormat);
            } else if (v.metaType().id() == QMetaType::LongLong || v.metaType().id() == QMetaType::Int) {
                worksheet_write_number(sheet, row, col, double(v.toLongLong()), nullptr);
            } else if (v.metaType().id() == QMetaType::Double) {
                worksheet_write_number(sheet, row, col, v.toDouble(), nullptr);
            } else {
                worksheet_write_string(sheet, row, col, v.toString().toUtf8().constData(), nullptr);
            }
        }
    }
    return workbook_close(workbook) == LXW_NO_ERROR;
}

} // namespace

QString NextExportPath(const QString &name)
{
    const QString folder = GetAppDir() + QStringLiteral("model/");
    QDir().mkpath(folder);
    for (int n = 0;; ++n) {
        const QString path = folder + name + QString::number(n) + QStringLiteral(".xlsx");
        if (!QFile::exists(path) || QFile::remove(path)) {
            return path;
        }
    }
}

QString ExportToExcel(Database &db, const QString &sql, const QString &name, FileOpener &opener,
                      MessageService &messages, const QStringList &moneyColumns)
{
    const auto rows = db.query(sql);
    const QString path = rows ? NextExportPath(name) : QString();
    if (!rows || !writeWorkbook(path, name, *rows, moneyColumns)) {
        if (!path.isEmpty()) {
            QFile::remove(path);
        }
        messages.showError(QStringLiteral("文件没有找到！"));
        return {};
    }
    if (!opener.open(path)) {
        messages.showError(QStringLiteral("文件没有找到！"));
    }
    return path;
}
