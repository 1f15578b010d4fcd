#include "db/ExportToExcel.h"

#include "base/AppEnv.h"
#include "base/MessageService.h"
#include "base/WorkbookWriter.h"
#include "db/Database.h"

#include <QFile>

namespace {

bool writeRows(const QString &path, const QString &name, const SqlResult &rows,
               const QStringList &moneyColumns)
{
    WorkbookWriter writer(path, name);
    if (!writer.isOpen()) {
        return false;
    }
    QStringList titles;
    for (int c = 0; c < rows.columnCount(); ++c) {
        titles << rows.columnName(c);
    }
    writer.writeHeader(titles, moneyColumns);
    QVariantList values;
    for (int r = 0; r < rows.rowCount(); ++r) {
        values.clear();
        for (int c = 0; c < rows.columnCount(); ++c) {
            values << rows.value(r, c);
        }
        writer.writeRow(values);
    }
    return writer.close();
}

} // namespace

QString ExportToExcel(Database &db, const QString &sql, const QString &name, FileOpener &opener,
                      MessageService &messages, const QStringList &moneyColumns)
{
    return ExportToExcel(db, sql, {}, name, opener, messages, moneyColumns);
}

QString ExportToExcel(Database &db, const QString &sql, const QVariantList &params,
                      const QString &name, FileOpener &opener, MessageService &messages,
                      const QStringList &moneyColumns)
{
    const auto rows = db.query(sql, params);
    const QString path = rows ? NextExportPath(name) : QString();
    if (!rows || !writeRows(path, name, *rows, moneyColumns)) {
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
