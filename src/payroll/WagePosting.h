#pragma once

#include "payroll/WageSheetStore.h"
#include "tax/TaxLedger.h"

#include <QList>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

class Database;
class MessageService;
class Progress;
class TaxRates;

// The ledger rows of one sheet row, computed afresh from its stored taxable pay, gross pay,
// funds and bonus on the wage set of its type (Chinese staff the Chinese set, everyone else
// the foreign one):
//   no bonus                        the wage row ("工资所得税") only, also with no tax;
//   a bonus, taxable pay >= deduction  the wage row, then the bonus row ("一次性奖金");
//   a bonus, taxable pay < deduction   the bonus row only, carrying the wage in Income and
//                                      the deduction in MinusFare.
// Nothing when that rate set failed to load.
std::optional<QList<RdTaxIncome>> LedgerRowsFor(const PostingRow &row, const TaxRates &rates,
                                                int year, int month, const QString &postingDate);

struct PostResult
{
    bool ok = false;
    bool alreadyPosted = false;
    QString error; // the cause, when not ok
};

// PostWageRows: the month's ledger rows, the month's rows marked "已完成" and the month's item
// snapshot, all in one transaction: all of it lands or none. A month already posted is refused
// (it would be posted twice). One progress step per sheet row.
PostResult PostWageRows(Database &db, const TaxRates &rates, const QString &postingDate,
                        const std::vector<PostingRow> &rows, int year, int month,
                        Progress &progress);

// Posts one sheet as stored (run `run` of the month) after the posting date was chosen: the
// window's "过账" and the command line. Refusals and failures are shown ("工资数据已过账！",
// "没有需过账数据！", "过账失败！" with the cause). True when posted.
bool PostWageSheet(Database &db, const TaxRates &rates, MessageService &messages,
                   const QString &postingDate, int year, int month, int run, Progress &progress);

// What posting from the main window needs of the windows around it.
struct PostLatestDraftHooks
{
    // True when the wage window is open; posting is then refused and the window brought
    // forward.
    std::function<bool()> wageWindowOpen;
    std::function<void()> showWageWindow;
    // The posting dialog: the date chosen ("yyyy-mm-dd"), or nothing on cancel.
    std::function<std::optional<QString>(const QString &title, int year, int month)>
        choosePostingDate;
};

// PostLatestDraft: "工资过账" of the main window, on the latest draft sheet.
bool PostLatestDraft(Database &db, const TaxRates &rates, MessageService &messages,
                     const PostLatestDraftHooks &hooks, Progress &progress);
