#include "payroll/WageSheet.h"

#include "base/MessageService.h"
#include "base/Progress.h"
#include "db/Database.h"
#include "org/OrgTypes.h"
#include "payroll/EmpCodeKey.h"
#include "payroll/PayrollTexts.h"
#include "payroll/WageComputation.h"
#include "payroll/WageItemStore.h"
#include "payroll/WageRowWriter.h"
#include "payroll/WageSheetStore.h"
#include "tax/TaxRates.h"

WageSheet::WageSheet(Database &db, const TaxRates &rates) : m_db(db), m_rates(rates)
{
}

WageSheet::~WageSheet() = default;

bool WageSheet::fail(const QString &message)
{
    m_lastError = message;
    return false;
}

bool WageSheet::read(const WageSheetLayout &layout, const SheetPeriod &period)
{
    close();
    auto rows = WageSheetStore(m_db).readRows(layout, period.year, period.month, period.run);
    if (!rows) {
        return fail(WageText::DbQueryFailed + u'\n' + m_db.lastError());
    }
    m_layout = layout;
    m_period = period;
    m_rows = std::move(*rows);
    m_writer = std::make_unique<WageRowWriter>(m_db, m_layout);
    return true;
}

bool WageSheet::load(int year, int month, int run)
{
    const auto items = WageItemStore(m_db).itemsInUse();
    if (!items) {
        close();
        return fail(WageText::DbQueryFailed + u'\n' + m_db.lastError());
    }
    const auto posted = WageSheetStore(m_db).isMonthPosted(year, month);
    return read(WageSheetLayout(*items), {year, month, run, posted.value_or(false)});
}

bool WageSheet::loadPosted(int year, int month)
{
    const auto items = WageItemStore(m_db).snapshot(year, month);
    if (!items) {
        close();
        return fail(WageText::DbQueryFailed + u'\n' + m_db.lastError());
    }
    return read(WageSheetLayout(*items), {year, month, 0, true});
}

bool WageSheet::browse(MessageService &messages, int year, int month)
{
    const auto row = WageSheetStore(m_db).anyRowOf(year, month);
    if (!row) {
        messages.showError(WageText::DbQueryFailed);
        return false;
    }
    if (!*row) {
        messages.showInfo(WageText::NoSheetData(year, month));
        return false;
    }
    const bool ok = (*row)->state == WageText::Draft ? load(year, month, (*row)->times)
                                                     : loadPosted(year, month);
    if (!ok) {
        messages.showError(m_lastError);
    }
    return ok;
}

void WageSheet::close()
{
    m_period = {};
    m_layout = WageSheetLayout();
    m_rows.clear();
    m_writer.reset();
}

bool WageSheet::isEditable(int index, int column) const
{
    return isOpen() && !m_period.posted && index >= 0 && index < rowCount() && column >= 0 &&
           column < m_layout.columnCount() && m_layout.isEditable(column) && !row(index).isPosted();
}

bool WageSheet::saveRow(int index, WageRow edited, WageRow *before)
{
    if (!isOpen() || index < 0 || index >= rowCount()) {
        return fail(WageText::SaveRowFailed);
    }
    if (!ComputeWageRow(m_layout, m_rates, edited)) {
        return fail(MissingRatesMessage(edited.empType(), m_rates));
    }
    if (!m_writer->update(edited)) {
        return fail(WageText::SaveRowFailed + u'\n' + m_db.lastError());
    }
    WageRow &stored = m_rows[std::size_t(index)];
    if (before) {
        *before = std::move(stored);
    }
    stored = std::move(edited);
    return true;
}

bool WageSheet::setAmount(int index, int column, Money value, WageRow *before)
{
    if (!isEditable(index, column)) {
        return fail(WageText::NoChangeToPosted);
    }
    WageRow edited = row(index);
    edited.setAmount(column, value);
    return saveRow(index, std::move(edited), before);
}

int WageSheet::findEmployee(const QString &empId) const
{
    const QString key = EmpCodeKey(empId);
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        if (EmpCodeKey(m_rows[i].empId()) == key) {
            return int(i);
        }
    }
    return -1;
}

bool WageSheet::addTempEmployee(MessageService &messages, const RdEmployee &emp)
{
    if (!isOpen()) {
        return false;
    }
    const auto posted = WageSheetStore(m_db).isMonthPosted(m_period.year, m_period.month);
    if (!posted) {
        messages.showError(WageText::DbQueryFailed);
        return false;
    }
    if (*posted || m_period.posted) {
        messages.showInfo(WageText::NoAddToPosted);
        return false;
    }
    // One row per employee: a second row would post his wages twice.
    if (findEmployee(emp.empId) >= 0) {
        messages.showInfo(WageText::TempAlreadyAdded);
        return false;
    }
    const RateSet &set = m_rates.wageFor(emp.empType);
    if (!set.isLoaded()) {
        messages.showError(MissingRatesMessage(emp.empType, m_rates));
        return false;
    }
    WageRow row;
    row.setTexts({QStringView(emp.deptName), QStringView(emp.empName), QStringView(),
                  QStringView(WageText::Draft), QStringView(emp.empId), QStringView(emp.empType)});
    row.wageYear = m_period.year;
    row.wageMonth = m_period.month;
    row.wageTimes = m_period.run;
    row.resetAmounts(m_layout.columnCount());
    row.setAmount(m_layout.column(WageResult::Deduction), set.baseMoney());
    if (!m_writer->insert(row)) {
        messages.showError(WageText::SaveRowFailed + u'\n' + m_db.lastError());
        return false;
    }
    m_rows.push_back(std::move(row));
    return true;
}

bool WageSheet::removeTempEmployee(MessageService &messages, int index, WageRow *removed)
{
    if (!isOpen() || index < 0 || index >= rowCount()) {
        return false;
    }
    const auto posted = WageSheetStore(m_db).isMonthPosted(m_period.year, m_period.month);
    if (!posted) {
        messages.showError(WageText::DbQueryFailed);
        return false;
    }
    if (*posted || m_period.posted) {
        messages.showInfo(WageText::NoDeleteFromPosted);
        return false;
    }
    const WageRow &r = row(index);
    if (r.view(WageRow::EmpId).isEmpty()) {
        return false;
    }
    if (r.view(WageRow::DeptName) != WageText::TempDeptName) {
        messages.showInfo(WageText::RegularNoDelete);
        return false;
    }
    if (!messages.askYesNo(WageText::ConfirmDeleteRow)) {
        return false;
    }
    if (!WageSheetStore(m_db).deleteRow(r.wageId)) {
        messages.showError(WageText::SaveRowFailed + u'\n' + m_db.lastError());
        return false;
    }
    if (removed) {
        *removed = std::move(m_rows[std::size_t(index)]);
    }
    m_rows.erase(m_rows.begin() + index);
    return true;
}

bool WageSheet::computeAll(MessageService &messages, Progress &progress)
{
    if (!isOpen() || m_rows.empty()) {
        messages.showInfo(WageText::EnterWageData);
        return false;
    }
    const auto posted = WageSheetStore(m_db).isMonthPosted(m_period.year, m_period.month);
    if (m_period.posted || posted.value_or(false) || m_rows.front().isPosted()) {
        messages.showInfo(WageText::AlreadyPosted);
        return false;
    }
    std::vector<WageRow> computed = m_rows;
    progress.begin(WageText::ComputeCaption, WageText::ComputeHint, int(computed.size()));
    Transaction tx(m_db);
    QString error = tx.isActive() ? QString() : m_db.lastError();
    for (std::size_t i = 0; error.isEmpty() && i < computed.size(); ++i) {
        WageRow &row = computed[i];
        if (!ComputeWageRow(m_layout, m_rates, row)) {
            error = MissingRatesMessage(row.empType(), m_rates);
        } else if (!m_writer->update(row)) {
            error = m_db.lastError();
        }
        progress.advance();
    }
    if (error.isEmpty() && !tx.commit()) {
        error = m_db.lastError();
    }
    progress.finish();
    if (!error.isEmpty()) {
        tx.rollback();
        messages.showError(WageText::ComputeFailed + u'\n' + error);
        return false;
    }
    m_rows = std::move(computed);
    return true;
}

bool WageSheet::clearDrafts(MessageService &messages)
{
    if (isOpen()) {
        const auto posted = WageSheetStore(m_db).isMonthPosted(m_period.year, m_period.month);
        if (m_period.posted || posted.value_or(false)) {
            return false;
        }
    }
    if (!messages.askYesNo(WageText::ConfirmClearDrafts)) {
        return false;
    }
    if (!WageSheetStore(m_db).clearDrafts()) {
        messages.showError(WageText::DbQueryFailed + u'\n' + m_db.lastError());
        return false;
    }
    close();
    return true;
}
