#include "payroll/WageSheetModel.h"

#include "base/TextHelpers.h"
#include "payroll/PayrollTexts.h"
#include "payroll/WageSheet.h"
#include "payroll/WageSheetStore.h"
#include "tax/TaxTexts.h"

#include <QFont>

#include <algorithm>
#include <utility>

WageSheetModel::WageSheetModel(WageSheet &sheet, QObject *parent)
    : QAbstractTableModel(parent), m_sheet(sheet)
{
    rebuildVisible();
    rebuildTotals();
}

int WageSheetModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid() || !m_sheet.isOpen()) {
        return 0;
    }
    return int(m_visible.size()) + 1;
}

int WageSheetModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : FixedCount + m_sheet.layout().columnCount() + 1;
}

int WageSheetModel::moneyIndex(int column) const
{
    const int i = column - FixedCount;
    return (i >= 0 && i < m_sheet.layout().columnCount()) ? i : -1;
}

int WageSheetModel::wageIdColumn() const
{
    return FixedCount + m_sheet.layout().columnCount();
}

bool WageSheetModel::isHiddenColumn(int column) const
{
    if (column == WageType || column == WageTimes || column == wageIdColumn()) {
        return true;
    }
    return !m_showBonus && moneyIndex(column) == m_sheet.layout().column(WageResult::Bonus);
}

void WageSheetModel::showBonusColumn()
{
    if (!m_showBonus) {
        m_showBonus = true;
        const int c = columnOfMoney(m_sheet.layout().column(WageResult::Bonus));
        emit headerDataChanged(Qt::Horizontal, c, c);
    }
}

bool WageSheetModel::isTotalsRow(int row) const
{
    return m_sheet.isOpen() && row == int(m_visible.size());
}

int WageSheetModel::totalsRow() const
{
    return m_sheet.isOpen() ? int(m_visible.size()) : -1;
}

int WageSheetModel::sheetIndex(int row) const
{
    return (row >= 0 && row < int(m_visible.size())) ? m_visible[std::size_t(row)] : -1;
}

int WageSheetModel::rowOfWageId(qint64 wageId) const
{
    for (std::size_t r = 0; r < m_visible.size(); ++r) {
        if (m_sheet.row(m_visible[r]).wageId == wageId) {
            return int(r);
        }
    }
    return -1;
}

QString WageSheetModel::moneyText(int moneyIndex, Money value) const
{
    Q_UNUSED(moneyIndex);
    return FormatMoney(value);
}

QVariant WageSheetModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) {
        return {};
    }
    const int column = index.column();
    const int money = moneyIndex(column);
    if (role == Qt::TextAlignmentRole) {
        // Columns from the tenth on are figures.
        return column >= FixedCount ? QVariant(int(Qt::AlignRight | Qt::AlignVCenter)) : QVariant();
    }
    if (role == Qt::FontRole && isTotalsRow(index.row())) {
        QFont bold;
        bold.setBold(true);
        return bold;
    }
    if (role != Qt::DisplayRole && role != Qt::EditRole) {
        return {};
    }
    if (isTotalsRow(index.row())) {
        if (column == DeptName) {
            return WageText::TotalRow;
        }
        if (money < 0 || m_sheet.layout().isBlankInTotals(money)) {
            return {};
        }
        return moneyText(money, total(money));
    }
    const int i = sheetIndex(index.row());
    const WageRow &row = i == m_pendingIndex ? m_pending : m_sheet.row(i);
    if (money >= 0) {
        return moneyText(money, row.amount(money));
    }
    switch (column) {
    case DeptName:
        return row.text(WageRow::DeptName);
    case EmpName:
        return row.text(WageRow::EmpName);
    case WageYear:
        return row.wageYear;
    case WageMonth:
        return row.wageMonth;
    case WageType:
        return row.text(WageRow::WageType);
    case WageTimes:
        return row.wageTimes;
    case EmpId:
        return row.text(WageRow::EmpId);
    case EmpType:
        return row.text(WageRow::EmpType);
    case WageState:
        return row.text(WageRow::WageState);
    default:
        return row.wageId; // wageid
    }
}

QVariant WageSheetModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole) {
        return {};
    }
    if (orientation == Qt::Vertical) {
        return section + 1;
    }
    if (section >= 0 && section < FixedCount) {
        return SheetFixedTitles().at(section);
    }
    const int money = moneyIndex(section);
    if (money >= 0) {
        return m_sheet.layout().name(money);
    }
    return section == wageIdColumn() ? QVariant(QStringLiteral("wageid")) : QVariant();
}

Qt::ItemFlags WageSheetModel::flags(const QModelIndex &index) const
{
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    const int i = sheetIndex(index.row());
    if (i >= 0 && m_sheet.isEditable(i, moneyIndex(index.column()))) {
        f |= Qt::ItemIsEditable;
    }
    return f;
}

bool WageSheetModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !index.isValid()) {
        return false;
    }
    const int i = sheetIndex(index.row());
    const int money = moneyIndex(index.column());
    if (i < 0 || !m_sheet.isEditable(i, money)) {
        return false; // typing is ignored on the totals row and on posted rows
    }
    Money amount;
    if (value.metaType() == QMetaType::fromType<Money>()) {
        amount = value.value<Money>();
    } else {
        const QString text = value.toString();
        if (!MoneyTextFits(text)) {
            emit saveFailed(TaxText::amountTooLarge());
            return false;
        }
        const auto parsed = TextToMoney(text);
        if (!parsed) {
            emit saveFailed(TaxText::notAnAmount(text));
            return false;
        }
        amount = *parsed;
    }
    if (!m_holdEdits) {
        WageRow edited = m_sheet.row(i);
        edited.setAmount(money, amount);
        return saveEdited(i, std::move(edited));
    }
    if (m_pendingIndex != i) {
        // One row is held at a time: a row left without the grid saying so is saved now.
        if (!submitRow()) {
            return false;
        }
        m_pending = m_sheet.row(i);
        m_pendingIndex = i;
    }
    m_pending.setAmount(money, amount);
    emit dataChanged(index, index);
    return true;
}

bool WageSheetModel::saveEdited(int i, WageRow edited)
{
    WageRow before;
    if (!m_sheet.saveRow(i, std::move(edited), &before)) {
        emit saveFailed(m_sheet.lastError());
        return false;
    }
    addToTotals(before.amounts(), -1);
    addToTotals(m_sheet.row(i).amounts(), +1);
    rowChanged(rowOfSheetIndex(i));
    rowChanged(totalsRow());
    return true;
}

int WageSheetModel::pendingRow() const
{
    return m_pendingIndex >= 0 ? rowOfSheetIndex(m_pendingIndex) : -1;
}

bool WageSheetModel::submitRow()
{
    if (m_pendingIndex < 0) {
        return true;
    }
    const int i = std::exchange(m_pendingIndex, -1);
    if (!saveEdited(i, std::move(m_pending))) {
        rowChanged(rowOfSheetIndex(i)); // the stored amounts again
        return false;
    }
    return true;
}

void WageSheetModel::revertRow()
{
    if (m_pendingIndex >= 0) {
        rowChanged(rowOfSheetIndex(std::exchange(m_pendingIndex, -1)));
    }
}

int WageSheetModel::rowOfSheetIndex(int i) const
{
    // The rows in view keep the sheet's order.
    const auto it = std::lower_bound(m_visible.begin(), m_visible.end(), i);
    return (it != m_visible.end() && *it == i) ? int(it - m_visible.begin()) : -1;
}

void WageSheetModel::rowChanged(int row)
{
    if (row >= 0 && row < rowCount()) {
        emit dataChanged(index(row, 0), index(row, columnCount() - 1));
    }
}

void WageSheetModel::rebuildVisible()
{
    m_visible.clear();
    m_visible.reserve(std::size_t(m_sheet.rowCount()));
    for (int i = 0; i < m_sheet.rowCount(); ++i) {
        if (m_filter.isEmpty() || m_sheet.row(i).view(WageRow::DeptName) == m_filter) {
            m_visible.push_back(i);
        }
    }
}

void WageSheetModel::rebuildTotals()
{
    m_totals.assign(std::size_t(m_sheet.layout().columnCount()), Money());
    for (int i : m_visible) {
        addToTotals(m_sheet.row(i).amounts(), +1);
    }
}

void WageSheetModel::addToTotals(const std::vector<Money> &amounts, int sign)
{
    for (std::size_t c = 0; c < m_totals.size() && c < amounts.size(); ++c) {
        m_totals[c] += sign > 0 ? amounts[c] : -amounts[c];
    }
}

void WageSheetModel::reload()
{
    beginResetModel();
    m_pendingIndex = -1; // the rows were read again: the held row is gone
    m_filter.clear();
    rebuildVisible();
    rebuildTotals();
    const SheetPeriod &p = m_sheet.period();
    m_showBonus = m_sheet.isOpen() &&
                  WageSheetStore(m_sheet.database()).bonusPaid(p.year, p.month).value_or(false);
    endResetModel();
}

void WageSheetModel::setDeptFilter(const QString &deptName)
{
    submitRow();
    beginResetModel();
    m_filter = deptName;
    rebuildVisible();
    rebuildTotals();
    endResetModel();
}

bool WageSheetModel::addTempEmployee(MessageService &messages, const RdEmployee &emp)
{
    submitRow();
    if (!m_filter.isEmpty()) {
        setDeptFilter(QString());
    }
    // The new row goes in before the totals row.
    const int row = int(m_visible.size());
    const int before = m_sheet.rowCount();
    if (!m_sheet.addTempEmployee(messages, emp)) {
        return false;
    }
    beginInsertRows({}, row, row);
    m_visible.push_back(before);
    addToTotals(m_sheet.row(before).amounts(), +1);
    endInsertRows();
    const int t = totalsRow();
    emit dataChanged(index(t, 0), index(t, columnCount() - 1));
    return true;
}

bool WageSheetModel::removeTempEmployee(MessageService &messages, int row)
{
    submitRow();
    const int i = sheetIndex(row);
    if (i < 0) {
        return false; // the totals row has no employee
    }
    WageRow removed;
    if (!m_sheet.removeTempEmployee(messages, i, &removed)) {
        return false;
    }
    // The question is behind us: nothing reads the model between the removal and the reset.
    beginResetModel();
    rebuildVisible();
    addToTotals(removed.amounts(), -1);
    endResetModel();
    return true;
}

bool WageSheetModel::computeAll(MessageService &messages, Progress &progress)
{
    submitRow();
    const bool ok = m_sheet.computeAll(messages, progress);
    if (ok) {
        reload();
    }
    return ok;
}

bool WageSheetModel::clearDrafts(MessageService &messages)
{
    submitRow();
    const bool ok = m_sheet.clearDrafts(messages);
    if (ok) {
        reload();
    }
    return ok;
}

bool WageSheetModel::browse(MessageService &messages, int year, int month)
{
    submitRow();
    const bool ok = m_sheet.browse(messages, year, month);
    reload();
    return ok;
}
