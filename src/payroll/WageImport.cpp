#include "payroll/WageImport.h"

#include "base/CodeFold.h"
#include "base/MessageService.h"
#include "base/Progress.h"
#include "base/TextHelpers.h"
#include "payroll/ImportTableStore.h"
#include "payroll/ImportTexts.h"
#include "payroll/PayrollTexts.h"
#include "payroll/WageItemRules.h"
#include "payroll/WageSheet.h"

#include <algorithm>
#include <QCollator>
#include <QLocale>
#include <QSet>

namespace {

// The columns of Wage the import never pairs: the key, the period, the employee and the
// results of the computation. EmpId is paired as "人员编号".
const QStringList &unpairedColumns()
{
    static const QStringList columns = {
        QStringLiteral("WageID"),    QStringLiteral("WageYear"),   QStringLiteral("WageMonth"),
        QStringLiteral("WageType"),  QStringLiteral("WageTimes"),  QStringLiteral("WageState"),
        QStringLiteral("EmpName"),   QStringLiteral("EmpType"),    QStringLiteral("DeptName"),
        QStringLiteral("应发工资"),  QStringLiteral("应税工资"),   QStringLiteral("实发工资"),
        QStringLiteral("减除费用"),  QStringLiteral("应纳税所得额"), QStringLiteral("适用税率"),
        QStringLiteral("速算扣除数"), QStringLiteral("纳税额"),     QStringLiteral("补发工资")};
    return columns;
}

int indexIgnoringCase(const QStringList &names, const QString &name)
{
    for (int i = 0; i < names.size(); ++i) {
        if (names.at(i).compare(name, Qt::CaseInsensitive) == 0) {
            return i;
        }
    }
    return -1;
}

} // namespace

QStringList SortedImportNames(QStringList names)
{
    QCollator collator(QLocale(QLocale::Chinese, QLocale::China));
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(names.begin(), names.end(), [&](const QString &a, const QString &b) {
        return collator.compare(a, b) < 0;
    });
    return names;
}

std::optional<QStringList> ImportTargets(WageImportStore &store)
{
    const QStringList columns = store.wageColumns();
    if (columns.isEmpty()) {
        return std::nullopt;
    }
    QStringList targets;
    for (const QString &c : columns) {
        if (c.compare(QLatin1String("EmpId"), Qt::CaseInsensitive) == 0) {
            targets << ImportText::EmpIdTarget;
        } else if (!unpairedColumns().contains(c, Qt::CaseInsensitive)) {
            targets << c;
        }
    }
    return SortedImportNames(targets);
}

ImportMonthCheck CheckImportMonth(WageImportStore &store, MessageService &messages, int year,
                                  int month)
{
    const auto last = store.lastMonth();
    if (!last) {
        messages.showError(ImportText::QueryFailed);
        return ImportMonthCheck::Failed;
    }
    if (!*last) {
        return ImportMonthCheck::NewMonth;
    }
    const auto [lastYear, lastMonth] = **last;
    const auto posted = store.isMonthPosted(lastYear, lastMonth);
    if (!posted) {
        messages.showError(ImportText::QueryFailed);
        return ImportMonthCheck::Failed;
    }
    int allowedYear = lastYear;
    int allowedMonth = lastMonth;
    if (*posted) {
        allowedMonth = lastMonth == 12 ? 1 : lastMonth + 1;
        allowedYear = lastMonth == 12 ? lastYear + 1 : lastYear;
    }
    if (year != allowedYear || month != allowedMonth) {
        messages.showInfo(ImportText::OnlyMonth(allowedYear, allowedMonth));
        return ImportMonthCheck::Refused;
    }
    if (*posted) {
        return ImportMonthCheck::NewMonth;
    }
    return messages.askYesNo(ImportText::Overwrite) ? ImportMonthCheck::OverwriteDraft
                                                    : ImportMonthCheck::Refused;
}

std::optional<ImportRows> BuildImportRows(Database &db, MessageService &messages,
                                          const QList<ImportPair> &pairs)
{
    ImportTableStore importTable(db);
    WageImportStore wage(db);
    const auto sources = importTable.columns();
    const auto targets = ImportTargets(wage);
    if (!sources || !targets) {
        messages.showError(ImportText::QueryFailed);
        return std::nullopt;
    }

    ImportRows result;
    QString keySource;
    for (const ImportPair &p : pairs) {
        const QString target = p.target.trimmed();
        const int source = indexIgnoringCase(*sources, p.source);
        if (source < 0) {
            messages.showInfo(ImportText::NoSuchColumn(p.source));
            return std::nullopt;
        }
        if (target == ImportText::EmpIdTarget) {
            keySource = sources->at(source);
            continue;
        }
        const int column = indexIgnoringCase(*targets, target);
        if (column < 0) {
            messages.showInfo(ImportText::NoSuchColumn(target));
            return std::nullopt;
        }
        result.columns << targets->at(column);
        result.sourceColumns << sources->at(source);
    }
    if (keySource.isEmpty()) {
        messages.showInfo(ImportText::PairEmpId);
        return std::nullopt;
    }

    const auto employees = wage.employees();
    const auto table = importTable.read(QStringList{keySource} + result.sourceColumns);
    if (!employees || !table) {
        messages.showError(ImportText::QueryFailed);
        return std::nullopt;
    }
    const std::size_t width = std::size_t(result.columns.size());
    QSet<QString> seen;
    QSet<QString> repeated;
    result.rows.reserve(table->rows.size());
    for (const ImportSourceRow &source : table->rows) {
        const QString key = FoldCode(source.cells.at(0).trimmed());
        const auto employee = employees->constFind(key);
        if (key.isEmpty() || employee == employees->cend()) {
            ++result.unknownRows;
            continue;
        }
        ImportedWageRow row;
        row.line = source.line;
        row.employee = *employee;
        row.amounts.reserve(width);
        for (std::size_t i = 0; i < width; ++i) {
            const QString &text = source.cells.at(qsizetype(i) + 1);
            const auto amount = TextToMoney(text.trimmed());
            if (!amount) {
                messages.showInfo(ImportText::NotAnAmount(source.line,
                                                          result.sourceColumns.at(qsizetype(i)),
                                                          text));
                return std::nullopt;
            }
            row.amounts.push_back(*amount);
        }
        if (seen.contains(key)) {
            repeated.insert(employee->empId);
        }
        seen.insert(key);
        result.rows.push_back(std::move(row));
    }
    result.duplicates = QStringList(repeated.cbegin(), repeated.cend());
    result.duplicates.sort();
    return result;
}

ImportWriteResult WriteWageImport(Database &db, MessageService &messages, int year, int month,
                                  const ImportRows &rows, Progress &progress)
{
    if (!rows.duplicates.isEmpty()) {
        messages.showError(ImportText::Duplicates);
        return ImportWriteResult::Duplicates;
    }
    WageImportStore store(db);
    progress.begin(ImportText::WriteCaption, ImportText::WriteHint, int(rows.rows.size()));
    const bool written = store.replaceDraft(year, month, rows.columns, rows.rows, &progress);
    progress.finish();
    if (!written) {
        messages.showError(ImportText::WriteFailed);
        return ImportWriteResult::Failed;
    }
    return ImportWriteResult::Written;
}

bool ComputeImportedMonth(WageSheet &sheet, MessageService &messages, Progress &progress,
                          const ImportedMonth &month)
{
    if (!AddMissingItemColumns(sheet.database())) {
        messages.showError(WageText::UpdateWageFailed);
        return false;
    }
    if (!sheet.load(month.year, month.month, 1)) {
        messages.showError(sheet.lastError());
        return false;
    }
    return sheet.computeAll(messages, progress);
}
