#include "payroll/WageGeneration.h"

#include "base/MessageService.h"
#include "base/Progress.h"
#include "db/Database.h"
#include "org/OrgTypes.h"
#include "payroll/EmpCodeKey.h"
#include "payroll/PayrollTexts.h"
#include "payroll/WageComputation.h"
#include "payroll/WageItemRules.h"
#include "payroll/WageItemStore.h"
#include "payroll/WageRowWriter.h"
#include "payroll/WageSheetLayout.h"
#include "payroll/WageSheetStore.h"
#include "tax/TaxRates.h"

#include <QHash>

#include <algorithm>

namespace {

// Months as one number, so that "before" is a comparison.
int monthKey(int year, int month)
{
    return year * 12 + (month - 1);
}

class Generation
{
public:
    Generation(Database &db, const TaxRates &rates, int year, int month, int run)
        : m_db(db), m_rates(rates), m_year(year), m_month(month), m_run(run)
    {
    }

    // Fills the sheet; on failure error() says why.
    bool run(bool copy, bool replaceDraft, Progress &progress);
    QString error() const { return m_error; }

private:
    bool fail(const QString &message)
    {
        m_error = message;
        return false;
    }
    bool readPrevious();
    bool makeRow(const SheetEmployee &emp, WageRowWriter &writer);

    Database &m_db;
    const TaxRates &m_rates;
    int m_year;
    int m_month;
    int m_run;
    WageSheetLayout m_layout;
    bool m_copy = false;
    std::vector<std::pair<QString, std::vector<Money>>> m_previous;
    QHash<QString, int> m_previousByCode;
    QString m_error;
};

bool Generation::readPrevious()
{
    WageSheetStore store(m_db);
    const auto latest = store.latestRow();
    if (!latest) {
        return fail(m_db.lastError());
    }
    if (!*latest) {
        m_copy = false; // nothing to copy from: a fresh sheet
        return true;
    }
    auto rows = store.amountsByEmployee(m_layout.names(), (*latest)->year, (*latest)->month,
                                        (*latest)->times);
    if (!rows) {
        return fail(m_db.lastError());
    }
    m_previous = std::move(*rows);
    for (int i = 0; i < int(m_previous.size()); ++i) {
        m_previousByCode.insert(EmpCodeKey(m_previous[std::size_t(i)].first), i);
    }
    return true;
}

bool Generation::makeRow(const SheetEmployee &emp, WageRowWriter &writer)
{
    const auto previous =
        m_copy ? m_previousByCode.constFind(EmpCodeKey(emp.empId)) : m_previousByCode.constEnd();
    const bool onPrevious = previous != m_previousByCode.constEnd();
    if (m_copy && emp.deptId == kTempDeptId && !onPrevious) {
        return true; // temporary staff come along only when they were on the last sheet
    }
    WageRow row;
    row.setTexts({QStringView(emp.deptName), QStringView(emp.empName), QStringView(),
                  QStringView(WageText::Draft), QStringView(emp.empId), QStringView(emp.empType)});
    row.wageYear = m_year;
    row.wageMonth = m_month;
    row.wageTimes = m_run;
    if (onPrevious) {
        row.amounts() = m_previous[std::size_t(*previous)].second;
        const bool anyAmount = std::any_of(row.amounts().begin(), row.amounts().end(),
                                           [](Money m) { return !m.isZero(); });
        if (anyAmount) {
            row.setAmount(m_layout.column(WageResult::Bonus), Money());
            if (!ComputeWageRow(m_layout, m_rates, row)) {
                return fail(MissingRatesMessage(emp.empType, m_rates));
            }
        }
    } else {
        const RateSet &set = m_rates.wageFor(emp.empType);
        if (!set.isLoaded()) {
            return fail(MissingRatesMessage(emp.empType, m_rates));
        }
        row.resetAmounts(m_layout.columnCount());
        row.setAmount(m_layout.column(WageResult::Deduction), set.baseMoney());
    }
    return writer.insert(row) || fail(m_db.lastError());
}

bool Generation::run(bool copy, bool replaceDraft, Progress &progress)
{
    Transaction tx(m_db);
    if (!tx.isActive()) {
        return fail(m_db.lastError());
    }
    if (!AddMissingItemColumns(m_db)) {
        return fail(WageText::UpdateWageFailed + u'\n' + m_db.lastError());
    }
    WageSheetStore store(m_db);
    if (replaceDraft && !store.deleteSheet(m_year, m_month, m_run)) {
        return fail(m_db.lastError());
    }
    const auto items = WageItemStore(m_db).itemsInUse();
    if (!items) {
        return fail(m_db.lastError());
    }
    m_layout = WageSheetLayout(*items);
    m_copy = copy;
    if (m_copy && !readPrevious()) {
        return false;
    }
    const auto employees = store.sheetEmployees(m_copy);
    if (!employees) {
        return fail(m_db.lastError());
    }
    WageRowWriter writer(m_db, m_layout);
    progress.begin(WageText::GenerateCaption, WageText::GenerateHint, int(employees->size()));
    bool ok = true;
    for (const SheetEmployee &emp : *employees) {
        if (!makeRow(emp, writer)) {
            ok = false;
            break;
        }
        progress.advance();
    }
    progress.finish();
    return ok && (tx.commit() || fail(m_db.lastError()));
}

} // namespace

SheetPeriodChoice CheckSheetPeriod(WageSheetStore &store, MessageService &messages, int year,
                                   int month, int maxRuns)
{
    const auto latest = store.latestRow();
    if (!latest) {
        return {};
    }
    if (!*latest) {
        return {1, false}; // the first sheet ever may be for any month
    }
    const WageRowPeriod &last = **latest;
    const bool lastPosted = last.state == WageText::Posted;
    const int asked = monthKey(year, month);
    const int lastKey = monthKey(last.year, last.month);
    if (asked < lastKey) {
        messages.showInfo(WageText::MonthTooEarly(last.year, last.month));
        return {};
    }
    if (asked == lastKey) {
        if (lastPosted) {
            messages.showInfo(WageText::MonthBooked);
            return last.times < maxRuns ? SheetPeriodChoice{last.times + 1, false}
                                        : SheetPeriodChoice{};
        }
        if (messages.askYesNo(WageText::ContinueDraft)) {
            return {0, false};
        }
        return {last.times, true};
    }
    if (asked == lastKey + 1 && lastPosted) {
        return {1, false};
    }
    // The month after the last one waits for it to be posted; a gap names the first month that
    // has no posted sheet.
    const int pending = lastPosted ? lastKey + 1 : lastKey;
    messages.showInfo(WageText::MonthNotDone(pending / 12, pending % 12 + 1));
    return {};
}

std::optional<int> GenerateWageSheet(Database &db, const TaxRates &rates, MessageService &messages,
                                     int year, int month, const SheetPeriodChoice &choice,
                                     bool copyLastMonth, Progress &progress)
{
    if (choice.refused()) {
        return std::nullopt;
    }
    if (choice.continues()) {
        const auto latest = WageSheetStore(db).latestRow();
        if (!latest || !*latest) {
            messages.showError(WageText::GenerateFailed + u'\n' + db.lastError());
            return std::nullopt;
        }
        return (*latest)->times;
    }
    Generation generation(db, rates, year, month, choice.run);
    if (!generation.run(copyLastMonth, choice.replaceDraft, progress)) {
        messages.showError(WageText::GenerateFailed + u'\n' + generation.error());
        return std::nullopt;
    }
    return choice.run;
}
