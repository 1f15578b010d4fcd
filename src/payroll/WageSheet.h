#pragma once

#include "payroll/WageRow.h"
#include "payroll/WageSheetLayout.h"

#include <QString>

#include <memory>
#include <vector>

class Database;
class MessageService;
class Progress;
class TaxRates;
class WageRowWriter;
struct RdEmployee;

// Which sheet is shown: a month and its run number (0 for a posted month shown with every run).
struct SheetPeriod
{
    int year = 0;
    int month = 0;
    int run = 0;
    bool posted = false;
    bool isOpen() const { return year > 0; }
};

// One month's wage sheet in memory: its columns, its employee rows in the order shown, and the
// operations on them. Every change is written at once, so the rows in memory are always the
// rows in the table. There is no totals row here: the sheet's model computes it.
//
// Editing one amount recomputes and writes that row only; its cost does not depend on the
// number of rows.
class WageSheet
{
public:
    WageSheet(Database &db, const TaxRates &rates);
    ~WageSheet();
    WageSheet(const WageSheet &) = delete;
    WageSheet &operator=(const WageSheet &) = delete;

    Database &database() { return m_db; }
    const TaxRates &rates() const { return m_rates; }
    bool isOpen() const { return m_period.isOpen(); }
    const SheetPeriod &period() const { return m_period; }
    const WageSheetLayout &layout() const { return m_layout; }
    int rowCount() const { return int(m_rows.size()); }
    const WageRow &row(int index) const { return m_rows.at(std::size_t(index)); }
    const std::vector<WageRow> &rows() const { return m_rows; }
    // What the last failed operation had to say (a message fit for the user).
    QString lastError() const { return m_lastError; }

    // LoadSheet: a sheet with the columns of the catalogue in force. False when it cannot be
    // read (the sheet is then closed).
    bool load(int year, int month, int run);
    // LoadPostedSheet: every run of a posted month, with the columns of the month's snapshot.
    bool loadPosted(int year, int month);
    // "工资浏览": shows the month as it is, posted or draft; says so when it has no rows.
    bool browse(MessageService &messages, int year, int month);
    void close();

    // Whether the row may be typed into: a sheet that is open and not posted, a row that is not
    // posted, an item or the bonus column.
    bool isEditable(int index, int column) const;
    // Computes the edited row, writes it and takes it in. `before` receives the row as it was.
    // False (nothing changed; lastError() says why) when the row cannot be computed or written.
    bool saveRow(int index, WageRow edited, WageRow *before = nullptr);
    // One typed amount: the row with that amount, saved.
    bool setAmount(int index, int column, Money value, WageRow *before = nullptr);

    // The row of an employee code, compared ignoring case; -1 when none.
    int findEmployee(const QString &empId) const;

    // "添加临时人员" after the picker: refusals as the window shows them; the new row goes last.
    bool addTempEmployee(MessageService &messages, const RdEmployee &emp);
    // "删除临时人员" on a row: refusals and the question; `removed` receives the row.
    bool removeTempEmployee(MessageService &messages, int index, WageRow *removed = nullptr);
    // ComputeWageSheet: every row computed and written in one transaction, one progress step
    // per row. Refuses an empty or posted sheet.
    bool computeAll(MessageService &messages, Progress &progress);
    // "清除草稿数据": the draft rows of every month go (unless the sheet shown is posted, when
    // nothing happens), after the question; the sheet closes.
    bool clearDrafts(MessageService &messages);

private:
    bool read(const WageSheetLayout &layout, const SheetPeriod &period);
    bool fail(const QString &message);

    Database &m_db;
    const TaxRates &m_rates;
    SheetPeriod m_period;
    WageSheetLayout m_layout;
    std::vector<WageRow> m_rows;
    std::unique_ptr<WageRowWriter> m_writer;
    QString m_lastError;
};
