#include "base/WorkbookWriter.h"

#include "base/AppEnv.h"
#include "base/Money.h"

#include <QDir>
#include <QFile>

#include <xlsxwriter.h>

struct WorkbookWriter::Impl
{
    lxw_workbook *workbook = nullptr;
    lxw_worksheet *sheet = nullptr;
    lxw_format *moneyFormat = nullptr;
    QList<bool> isMoney;
    lxw_row_t nextRow = 0;
};

WorkbookWriter::WorkbookWriter(const QString &path, const QString &sheetName) : m(new Impl)
{
    const QByteArray file = QFile::encodeName(path);
    m->workbook = workbook_new(file.constData());
    if (!m->workbook) {
        return;
    }
    const QByteArray sheetUtf8 = sheetNameFor(sheetName).toUtf8();
    m->sheet = workbook_add_worksheet(m->workbook, sheetUtf8.constData());
    m->moneyFormat = workbook_add_format(m->workbook);
    format_set_num_format(m->moneyFormat, "0.00");
}

WorkbookWriter::~WorkbookWriter()
{
    if (m->workbook) {
        workbook_close(m->workbook);
    }
}

bool WorkbookWriter::isOpen() const
{
    return m->workbook && m->sheet;
}

QString WorkbookWriter::sheetNameFor(const QString &name)
{
    QString s = name;
    for (QChar c : QStringLiteral("[]:*?/\\")) {
        s.replace(c, u'_');
    }
    s = s.left(31);
    return s.isEmpty() ? QStringLiteral("Sheet1") : s;
}

void WorkbookWriter::writeHeader(const QStringList &titles, const QStringList &moneyColumns)
{
    if (!isOpen()) {
        return;
    }
    m->isMoney.clear();
    for (int c = 0; c < titles.size(); ++c) {
        worksheet_write_string(m->sheet, m->nextRow, lxw_col_t(c), titles.at(c).toUtf8().constData(),
                               nullptr);
        m->isMoney << moneyColumns.contains(titles.at(c), Qt::CaseInsensitive);
    }
    ++m->nextRow;
}

void WorkbookWriter::writeRow(const QVariantList &values)
{
    if (!isOpen()) {
        return;
    }
    const lxw_row_t row = m->nextRow++;
    for (int c = 0; c < values.size(); ++c) {
        const QVariant &v = values.at(c);
        const lxw_col_t col = lxw_col_t(c);
        if (v.isNull() || !v.isValid()) {
            continue;
        }
        const bool moneyColumn = c < m->isMoney.size() && m->isMoney.at(c);
        if (v.metaType() == QMetaType::fromType<Money>() || moneyColumn) {
            const Money amount = v.metaType() == QMetaType::fromType<Money>()
                                     ? v.value<Money>()
                                     : Money::fromRaw(v.toLongLong());
            // A spreadsheet cell is a binary double; this is the one place an amount leaves the
            // exact type, on its way out of the program.
            worksheet_write_number(m->sheet, row, col, amount.toDoubleForDisplay(), m->moneyFormat);
        } else if (v.metaType().id() == QMetaType::LongLong || v.metaType().id() == QMetaType::Int) {
            worksheet_write_number(m->sheet, row, col, double(v.toLongLong()), nullptr);
        } else if (v.metaType().id() == QMetaType::Double) {
            worksheet_write_number(m->sheet, row, col, v.toDouble(), nullptr);
        } else {
            worksheet_write_string(m->sheet, row, col, v.toString().toUtf8().constData(), nullptr);
        }
    }
}

bool WorkbookWriter::close()
{
    if (!m->workbook) {
        return false;
    }
    const bool ok = m->sheet && workbook_close(m->workbook) == LXW_NO_ERROR;
    m->workbook = nullptr;
    m->sheet = nullptr;
    return ok;
}

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
