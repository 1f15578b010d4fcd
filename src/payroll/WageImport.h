#pragma once

#include "payroll/ImportConfig.h"
#include "payroll/WageImportStore.h"

#include <QList>
#include <QStringList>

#include <optional>
#include <vector>

class Database;
class MessageService;
class Progress;
class WageSheet;

// The month an import filled.
struct ImportedMonth
{
    int year = 0;
    int month = 0;
    bool operator==(const ImportedMonth &) const = default;
};

// The import's steps once the file's sheet is in importE: which columns may be paired, which
// month may be filled, the rows the pairs make, and the write.

// The names a list of the wizard shows, sorted the way the clerk reads them (pinyin for
// Chinese, letters ignoring case).
QStringList SortedImportNames(QStringList names);

// What a source column can be paired with: "人员编号" (the employee number), the item
// columns of Wage and 一次性奖金; sorted. Nothing when Wage cannot be read.
std::optional<QStringList> ImportTargets(WageImportStore &store);

// The month rule. With wage rows in the table, only the month of the latest sheet (when it is
// still a draft, and the clerk agrees to overwrite it) or the month after it (when it is
// posted) may be imported; an empty table admits any month. Refusals are shown, and so is a
// failed query (Failed).
enum class ImportMonthCheck { Refused, Failed, NewMonth, OverwriteDraft };
ImportMonthCheck CheckImportMonth(WageImportStore &store, MessageService &messages, int year,
                                  int month);

// The rows the pairs make of importE: one per file row whose employee number (trimmed,
// ignoring case) names an employee with a department; the others are left out. Name, type
// and department come from the employee's record.
struct ImportRows
{
    QStringList columns;       // the Wage column of each amount, in the order of the pairs
    QStringList sourceColumns; // the source column of each amount
    std::vector<ImportedWageRow> rows;
    int unknownRows = 0;    // rows left out: no such employee
    QStringList duplicates; // employee numbers with more than one row, sorted
};

// Refuses (with its message) pairs without "人员编号", a name that is not a column of importE
// or not a target, and an amount cell that is not a number, naming its line and column (an
// empty cell is 0). Nothing after a refusal or a failed query.
std::optional<ImportRows> BuildImportRows(Database &db, MessageService &messages,
                                          const QList<ImportPair> &pairs);

// "完成": refuses rows with duplicate employees ("存在重复的人员数据,不能导入数据！"), else
// replaces the month's draft by the rows in one transaction. A failed write shows
// "数据无法提交！" and leaves the draft as it was.
enum class ImportWriteResult { Written, Duplicates, Failed };
ImportWriteResult WriteWageImport(Database &db, MessageService &messages, int year, int month,
                                  const ImportRows &rows, Progress &progress);

// After the write: the imported month's draft (run 1) loaded into `sheet`, with the catalogue's
// columns, and computed in full as "工资计算" computes it. Refusals and failures are shown;
// false then (the rows written stay, uncomputed, as the window would show them).
bool ComputeImportedMonth(WageSheet &sheet, MessageService &messages, Progress &progress,
                          const ImportedMonth &month);
