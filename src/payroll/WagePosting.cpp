#include "payroll/WagePosting.h"

#include "base/MessageService.h"
#include "base/Progress.h"
#include "db/Database.h"
#include "payroll/PayrollTexts.h"
#include "payroll/WageComputation.h"
#include "payroll/WageItemStore.h"
#include "tax/TaxLedgerWriter.h"
#include "tax/TaxRates.h"
#include "tax/TaxRoutines.h"

std::optional<QList<RdTaxIncome>> LedgerRowsFor(const PostingRow &row, const TaxRates &rates,
                                                int year, int month, const QString &postingDate)
{
    const RateSet &set = rates.wageFor(row.empType);
    const Money w = row.taxablePay;
    const Money b = row.bonus;
    const auto wageTax = CalcWageTaxDetail(set, w);
    if (!wageTax) {
        return std::nullopt;
    }
    RdTaxIncome wage;
    wage.TaxYear = year;
    wage.TaxMonth = month;
    wage.TaxType = WageText::WageTaxType;
    wage.EmpId = row.empId;
    wage.TaxDate = postingDate;
    wage.Income = w;
    wage.FactIncome = row.grossPay - row.pension - row.medical - row.housing - b;
    wage.MinusFare = wageTax->BaseMoney;
    wage.TaxIncome = wageTax->TaxableIncome;
    wage.TaxRate = wageTax->TaxRate;
    wage.TakeOutMoney = wageTax->QuickDeduct;
    wage.TaxMoney = wageTax->TaxMoney;

    QList<RdTaxIncome> rows;
    if (b.isZero() || w >= wage.MinusFare) {
        rows << wage;
    }
    if (b.isZero()) {
        return rows;
    }
    const auto bonusTax = CalcBonusTaxDetail(set, b, w);
    if (!bonusTax) {
        return std::nullopt;
    }
    const Money d = set.baseMoney();
    RdTaxIncome bonus = wage;
    bonus.TaxType = WageText::BonusTaxType;
    if (w < d) {
        bonus.MinusFare = d;
        bonus.Income = w + b;
    } else {
        bonus.MinusFare = Money();
        bonus.Income = b;
    }
    bonus.FactIncome = bonus.Income;
    bonus.TaxIncome = bonusTax->TaxableIncome;
    bonus.TaxRate = bonusTax->TaxRate;
    bonus.TakeOutMoney = bonusTax->QuickDeduct;
    bonus.TaxMoney = bonusTax->TaxMoney;
    rows << bonus;
    return rows;
}

namespace {

PostResult failed(const QString &cause)
{
    return {false, false, cause};
}

} // namespace

PostResult PostWageRows(Database &db, const TaxRates &rates, const QString &postingDate,
                        const std::vector<PostingRow> &rows, int year, int month,
                        Progress &progress)
{
    Transaction tx(db);
    if (!tx.isActive()) {
        return failed(db.lastError());
    }
    WageSheetStore store(db);
    const auto posted = store.isMonthPosted(year, month);
    if (!posted) {
        return failed(db.lastError());
    }
    if (*posted) {
        return {false, true, WageText::AlreadyPosted};
    }
    TaxLedgerWriter ledger(db);
    bool bonusPaid = false;
    progress.begin(WageText::PostCaption, WageText::PostHint, int(rows.size()));
    QString error;
    for (const PostingRow &row : rows) {
        progress.advance();
        bonusPaid |= !row.bonus.isZero();
        const auto ledgerRows = LedgerRowsFor(row, rates, year, month, postingDate);
        if (!ledgerRows) {
            error = MissingRatesMessage(row.empType, rates);
            break;
        }
        for (const RdTaxIncome &r : *ledgerRows) {
            if (!ledger.insert(r, row.employee ? &*row.employee : nullptr)) {
                error = db.lastError();
                break;
            }
        }
        if (!error.isEmpty()) {
            break;
        }
    }
    progress.finish();
    if (error.isEmpty() &&
        (!store.markPosted(year, month) ||
         !WageItemStore(db).writeSnapshot(year, month, bonusPaid) || !tx.commit())) {
        error = db.lastError();
    }
    if (!error.isEmpty()) {
        return failed(error);
    }
    return {true, false, {}};
}

bool PostWageSheet(Database &db, const TaxRates &rates, MessageService &messages,
                   const QString &postingDate, int year, int month, int run, Progress &progress)
{
    WageSheetStore store(db);
    const auto rows = store.postingRows(year, month, run);
    if (!rows) {
        messages.showError(WageText::PostFailed + u'\n' + db.lastError());
        return false;
    }
    if (rows->empty()) {
        messages.showInfo(WageText::NothingToPost);
        return false;
    }
    const PostResult result = PostWageRows(db, rates, postingDate, *rows, year, month, progress);
    if (result.alreadyPosted) {
        messages.showInfo(WageText::AlreadyPosted);
    } else if (!result.ok) {
        messages.showError(WageText::PostFailed + u'\n' + result.error);
    }
    return result.ok;
}

bool PostLatestDraft(Database &db, const TaxRates &rates, MessageService &messages,
                     const PostLatestDraftHooks &hooks, Progress &progress)
{
    const auto draft = WageSheetStore(db).latestDraft();
    if (!draft) {
        messages.showError(WageText::DbQueryFailed);
        return false;
    }
    if (!*draft) {
        messages.showInfo(WageText::NothingToPost);
        return false;
    }
    if (hooks.wageWindowOpen && hooks.wageWindowOpen()) {
        messages.showInfo(WageText::PostInWageWindow);
        if (hooks.showWageWindow) {
            hooks.showWageWindow();
        }
        return false;
    }
    const WageRowPeriod &p = **draft;
    const auto date = hooks.choosePostingDate(WageText::PostTitle, p.year, p.month);
    if (!date) {
        return false;
    }
    return PostWageSheet(db, rates, messages, *date, p.year, p.month, p.times, progress);
}
