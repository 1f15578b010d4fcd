#include "backpay/BackPaySheet.h"

#include "backpay/BackPayTexts.h"
#include "backpay/BackPayView.h"
#include "base/MessageService.h"
#include "base/TextHelpers.h"
#include "db/Database.h"
#include "org/DepartmentStore.h"
#include "org/DeptRules.h"
#include "org/EmpRules.h"
#include "org/EmployeeStore.h"
#include "org/OrgTypes.h"
#include "payroll/WageSheetStore.h"
#include "tax/TaxTexts.h"

namespace {
constexpr int kMostMonths = 12;
} // namespace

QString CheckMonthChoice(int chosen)
{
    if (chosen <= 0) {
        return BackPayText::noMonthChosen();
    }
    if (chosen > kMostMonths) {
        return BackPayText::tooManyMonths();
    }
    return {};
}

BackPaySheet::BackPaySheet(Database &db, const TaxRates &rates, MessageService &messages)
    : m_db(db), m_rates(rates), m_messages(messages), m_store(db)
{
}

bool BackPaySheet::failed()
{
    m_messages.showError(BackPayText::sheetFailed() + u'\n' + m_db.lastError());
    return false;
}

std::optional<BackPayMonth> BackPaySheet::pending()
{
    if (!m_store.exists()) {
        return std::nullopt;
    }
    const auto rows = m_store.rowCount();
    if (!rows || *rows <= 0) {
        return std::nullopt;
    }
    return sheetPeriod();
}

std::optional<BackPayMonth> BackPaySheet::sheetPeriod()
{
    const auto period = m_store.payPeriod();
    return period ? *period : std::nullopt;
}

std::optional<BackPayMonths> BackPaySheet::months()
{
    const auto months = m_store.months();
    if (!months) {
        failed();
    }
    return months;
}

bool BackPaySheet::checkWagesPosted(const BackPayMonth &payPeriod)
{
    const auto posted = WageSheetStore(m_db).isMonthPosted(payPeriod.year, payPeriod.month);
    if (posted && !*posted) {
        m_messages.showInfo(BackPayText::wagesNotPosted(payPeriod.year, payPeriod.month));
        return false;
    }
    return true;
}

std::optional<BackPayMonths> BackPaySheet::postedMonths(const BackPayMonth &payPeriod,
                                                        std::optional<int> year)
{
    const auto posted = WageSheetStore(m_db).postedMonths(payPeriod.year, payPeriod.month, year);
    if (!posted) {
        return std::nullopt;
    }
    BackPayMonths months;
    for (const auto &[y, m] : *posted) {
        months << BackPayMonth{y, m};
    }
    return months;
}

bool BackPaySheet::checkMonths(const BackPayMonth &payPeriod, const BackPayMonths &months)
{
    const QString refusal = CheckMonthChoice(int(months.size()));
    if (!refusal.isEmpty()) {
        m_messages.showInfo(refusal);
        return false;
    }
    const auto offered = postedMonths(payPeriod, std::nullopt);
    if (!offered) {
        return failed();
    }
    for (int i = 0; i < months.size(); ++i) {
        // A month twice would make its three columns twice.
        if (!offered->contains(months.at(i)) || months.indexOf(months.at(i)) != i) {
            m_messages.showInfo(QStringLiteral("不能补发%1的工资！").arg(months.at(i).key()));
            return false;
        }
    }
    return true;
}

bool BackPaySheet::start(const BackPayMonth &payPeriod, const BackPayMonths &months)
{
    return m_store.create(payPeriod, months) || failed();
}

std::optional<BackPayMonths> BackPaySheet::syncMonths(const BackPayMonths &wanted)
{
    const auto before = m_store.months();
    if (!before) {
        failed();
        return std::nullopt;
    }
    BackPayMonths added;
    for (const BackPayMonth &m : wanted) {
        if (!before->contains(m)) {
            added << m;
        }
    }
    Transaction tx(m_db);
    const auto after = tx.isActive() ? m_store.reshape(wanted) : std::nullopt;
    if (!after || !m_store.fillBases(added, BackPayStaff::sheet()) || !tx.commit()) {
        failed();
        return std::nullopt;
    }
    return after;
}

std::optional<BackPaySheet::Added> BackPaySheet::add(const BackPayStaff &requested)
{
    BackPayStaff staff = requested;
    if (staff.kind == BackPayStaff::Kind::Department && staff.code == kRootDeptId) {
        staff = BackPayStaff::company();
    }
    Added added;
    if (staff.kind == BackPayStaff::Kind::Department) {
        const auto dept = DepartmentStore(m_db).byCode(staff.code);
        if (!dept) {
            failed();
            return std::nullopt;
        }
        if (dept->isEmpty()) {
            m_messages.showInfo(DeptText::NotFound);
            return std::nullopt;
        }
    } else if (staff.kind == BackPayStaff::Kind::Employee) {
        const auto onSheet = m_store.storedCode(staff.code);
        const auto exists = EmployeeStore(m_db).idExists(staff.code);
        if (!onSheet || !exists) {
            failed();
            return std::nullopt;
        }
        if (!onSheet->isEmpty()) {
            added.alreadyOnSheet = true;
            added.empId = *onSheet;
            return added;
        }
        if (!*exists) {
            m_messages.showInfo(EmpText::NotFound);
            return std::nullopt;
        }
    }

    const auto period = sheetPeriod();
    const auto months = m_store.months();
    if (!period || !months) {
        failed();
        return std::nullopt;
    }
    Transaction tx(m_db);
    const auto rows = tx.isActive() ? m_store.insertStaff(staff, *period) : std::nullopt;
    if (!rows || !m_store.fillBases(*months, staff) || !tx.commit()) {
        failed();
        return std::nullopt;
    }
    added.rows = *rows;
    if (staff.kind == BackPayStaff::Kind::Employee) {
        added.empId = m_store.storedCode(staff.code).value_or(QString());
    }
    return added;
}

std::optional<Money> BackPaySheet::readAmount(const QString &text)
{
    const QString t = text.trimmed();
    for (QChar c : t) {
        if (!c.isDigit() && c != u'.') {
            m_messages.showInfo(TaxText::notAnAmount(t));
            return std::nullopt;
        }
    }
    if (!MoneyTextFits(t)) {
        m_messages.showInfo(BackPayText::amountTooLarge());
        return std::nullopt;
    }
    const auto amount = TextToMoney(t);
    if (!amount) {
        m_messages.showInfo(TaxText::notAnAmount(t));
    }
    return amount;
}

bool BackPaySheet::setBackPay(const QString &empId, const BackPayMonth &month, Money amount)
{
    return m_store.setBackPay(empId, month, amount) || failed();
}

bool BackPaySheet::changeColumn(const BackPayMonth &month, ColumnChange change, Money amount)
{
    return m_store.changeColumn(month, change, amount) || failed();
}

bool BackPaySheet::remove(const QString &empId)
{
    return m_store.remove(empId) || failed();
}

bool BackPaySheet::discard()
{
    return !m_store.exists() || m_store.clear() || failed();
}

std::optional<BackPayGrid> BackPaySheet::view()
{
    const auto months = this->months();
    if (!months) {
        return std::nullopt;
    }
    auto grid = ReadBackPayView(m_db, m_rates, *months);
    if (!grid) {
        failed();
    }
    return grid;
}

std::optional<BackPayGrid> BackPaySheet::viewRow(const QString &empId)
{
    const auto months = this->months();
    if (!months) {
        return std::nullopt;
    }
    auto grid = ReadBackPayViewRow(m_db, m_rates, *months, empId);
    if (!grid) {
        failed();
    }
    return grid;
}
