#include "backpay/BackPayPosting.h"

#include "backpay/BackPaySheetStore.h"
#include "backpay/BackPayTax.h"
#include "backpay/BackPayTexts.h"
#include "base/MessageService.h"
#include "base/Progress.h"
#include "db/Database.h"
#include "db/Sql.h"

namespace {

// The sheet's pay period when it has rows.
std::optional<BackPayMonth> pendingPeriod(BackPaySheetStore &store)
{
    const auto rows = store.exists() ? store.rowCount() : std::optional<int>(0);
    if (!rows || *rows <= 0) {
        return std::nullopt;
    }
    const auto period = store.payPeriod();
    return period ? *period : std::nullopt;
}

bool writeMonths(Database &db, const BackPayMonth &period, const BackPayMonths &months,
                 Progress &progress)
{
    for (const BackPayMonth &m : months) {
        const QString sql =
            QStringLiteral("insert into ReissueMonth (CurrYear, CurrMonth, ReissueYear, "
                           "ReissueMonth, EmpId, ReissueMoney) select ?, ?, ?, ?, %1, %2 "
                           "from ReissueTemp where %2 > 0")
                .arg(QuoteIdent(BackPayText::empIdColumn()), QuoteIdent(m.backPayColumn()));
        if (!db.exec(sql, {period.year, period.month, m.year, m.month})) {
            return false;
        }
        progress.advance();
    }
    return true;
}

bool writeLedger(Database &db, const BackPayMonth &period, const BackPayMonths &months,
                 const QDate &postingDate)
{
    QStringList backPay;
    QStringList taxes;
    for (const BackPayMonth &m : months) {
        backPay << QStringLiteral("r.") + QuoteIdent(m.backPayColumn());
        taxes << BackPayTaxSql(m);
    }
    const QString total = u'(' + backPay.join(QStringLiteral(" + ")) + u')';
    const QString tax = u'(' + taxes.join(QStringLiteral(" + ")) + u')';
    const QString sql =
        QStringLiteral("insert into TaxIncome (TaxYear, TaxMonth, TaxType, EmpId, EmpName, "
                       "EmpCardNo, EmpType, DeptID, Address, FactIncome, Income, TaxMoney, "
                       "TaxRate, TaxDate) select ?, ?, ?, r.%1, e.EmpName, e.IDCardNo, "
                       "e.EmpType, e.DeptID, e.Address, %2, %2, %3, 0, ? from ReissueTemp r "
                       "join Employee e on e.EmpID = r.%1 where %2 > 0")
            .arg(QuoteIdent(BackPayText::empIdColumn()), total, tax);
    return db.exec(sql, {period.year, period.month, BackPayText::taxType(), postingDate});
}

} // namespace

BackPayPostResult PostBackPay(Database &db, const TaxRates &rates, const QDate &postingDate,
                              Progress &progress)
{
    BackPaySheetStore store(db);
    BackPayPostResult result;
    const auto period = pendingPeriod(store);
    if (!period) {
        result.outcome = BackPayPostResult::Outcome::NothingToPost;
        return result;
    }
    result.payPeriod = *period;
    const auto months = store.months();
    if (!months || months->isEmpty() || !RegisterBackPayTax(db, rates)) {
        result.error = db.lastError();
        return result;
    }

    progress.begin(BackPayText::postCaption(), BackPayText::postHint(), int(months->size()) + 1);
    progress.advance();
    bool ok = false;
    {
        Transaction tx(db);
        ok = tx.isActive() && writeMonths(db, *period, *months, progress) &&
             writeLedger(db, *period, *months, postingDate) && store.clear() && tx.commit();
    }
    progress.finish();
    if (ok) {
        result.outcome = BackPayPostResult::Outcome::Posted;
    } else {
        result.error = db.lastError();
    }
    return result;
}

std::optional<BackPayMonth> PostPendingBackPay(Database &db, const TaxRates &rates,
                                               MessageService &messages,
                                               const ChoosePostingDateHook &chooseDate,
                                               Progress &progress)
{
    BackPaySheetStore store(db);
    const auto period = pendingPeriod(store);
    if (!period) {
        messages.showInfo(BackPayText::nothingToPost());
        return std::nullopt;
    }
    const auto date = chooseDate(BackPayText::postTitle(), period->year, period->month);
    if (!date) {
        return std::nullopt;
    }
    const BackPayPostResult result = PostBackPay(db, rates, *date, progress);
    switch (result.outcome) {
    case BackPayPostResult::Outcome::Posted:
        messages.showInfo(BackPayText::postDone());
        return result.payPeriod;
    case BackPayPostResult::Outcome::NothingToPost:
        messages.showInfo(BackPayText::nothingToPost());
        return std::nullopt;
    case BackPayPostResult::Outcome::Failed:
        break;
    }
    // The fixed words, and what went wrong, so that the clerk can do something about it.
    messages.showInfo(result.error.isEmpty() ? BackPayText::postFailed()
                                             : BackPayText::postFailed() + u'\n' + result.error);
    return std::nullopt;
}
