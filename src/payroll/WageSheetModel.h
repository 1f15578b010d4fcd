#pragma once

#include "base/Money.h"
#include "payroll/WageRow.h"

#include <QAbstractTableModel>

#include <vector>

class MessageService;
class Progress;
class WageSheet;
struct RdEmployee;

// The wage sheet as the window shows it: the employee rows in view (all, or one department's),
// then the totals row "合计", which is computed here and never stored. Columns: the nine fixed
// columns under their titles (部门名称 … 工资单状态), the sheet's money columns under their
// names, and wageid.
//
// Typing an amount saves the row at once: the sheet recomputes and writes that one row, and
// every total moves by the row's change. No other row is touched, so an edit costs the same on
// a sheet of 100 rows and of 100,000. A grid may instead hold the typed amounts in their row
// until the row is left (setSaveOnRowChange), as a clerk typing several amounts of one
// employee expects: the row shows them at once and is computed and saved by submitRow().
class WageSheetModel final : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum FixedColumn {
        DeptName,
        EmpName,
        WageYear,
        WageMonth,
        WageType,
        WageTimes,
        EmpId,
        EmpType,
        WageState,
        FixedCount
    };

    explicit WageSheetModel(WageSheet &sheet, QObject *parent = nullptr);

    WageSheet &sheet() { return m_sheet; }
    const WageSheet &sheet() const { return m_sheet; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    // An amount typed into an item or the bonus column (a Money or its text). The row is
    // saved at once, or held until submitRow(); a refusal emits saveFailed with the reason and
    // changes nothing.
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

    // Held edits: typed amounts wait in their row (one row at a time) until submitRow().
    void setSaveOnRowChange(bool on) { m_holdEdits = on; }
    // The row in view whose typed amounts are not saved yet, or -1.
    int pendingRow() const;
    // Saves the held row: computed, written, the totals moved. True when nothing was held or
    // it was saved; a failure emits saveFailed and drops the held amounts, so that the row
    // shows again what is stored. Every operation below that changes the rows in view saves
    // the held row first.
    bool submitRow();
    // Drops the held amounts.
    void revertRow();

    // Columns.
    int moneyIndex(int column) const; // the sheet's money column, or -1
    int columnOfMoney(int moneyIndex) const { return FixedCount + moneyIndex; }
    int wageIdColumn() const;
    // 工资类型, 工资次数 and wageid are never shown; 一次性奖金 only once the month pays a bonus
    // or "一次性奖金" asked for it.
    bool isHiddenColumn(int column) const;
    bool bonusColumnShown() const { return m_showBonus; }
    void showBonusColumn();

    // Rows.
    bool isTotalsRow(int row) const;
    int totalsRow() const;
    // The sheet's index of a row in view; -1 for the totals row.
    int sheetIndex(int row) const;
    int rowOfWageId(qint64 wageId) const;
    // The running total of a money column over the rows in view.
    Money total(int moneyIndex) const { return m_totals.at(std::size_t(moneyIndex)); }
    QString deptFilter() const { return m_filter; }

    // After the sheet was loaded, browsed, generated or closed: every row in view again, the
    // totals summed afresh, the bonus column shown when the month pays one.
    void reload();
    // A department node: the rows carrying exactly that department name (empty: every row),
    // with totals over them only.
    void setDeptFilter(const QString &deptName);

    // The sheet's operations that add or remove rows, with the model kept in step.
    bool addTempEmployee(MessageService &messages, const RdEmployee &emp);
    bool removeTempEmployee(MessageService &messages, int row);
    bool computeAll(MessageService &messages, Progress &progress);
    bool clearDrafts(MessageService &messages);
    bool browse(MessageService &messages, int year, int month);

signals:
    void saveFailed(const QString &message);

private:
    // Computes and writes the edited row of sheet index `i`, moves the totals, tells the views.
    bool saveEdited(int i, WageRow edited);
    int rowOfSheetIndex(int i) const;
    void rowChanged(int row);
    void rebuildVisible();
    void rebuildTotals();
    void addToTotals(const std::vector<Money> &amounts, int sign);
    QString moneyText(int moneyIndex, Money value) const;

    WageSheet &m_sheet;
    QString m_filter;
    std::vector<int> m_visible; // sheet indexes of the rows in view
    std::vector<Money> m_totals;
    bool m_showBonus = false;
    bool m_holdEdits = false;
    int m_pendingIndex = -1; // sheet index of the held row
    WageRow m_pending;
};
