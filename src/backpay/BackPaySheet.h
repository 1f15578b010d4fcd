#pragma once

#include "backpay/BackPayGrid.h"
#include "backpay/BackPayMonth.h"
#include "backpay/BackPaySheetStore.h"

#include <QString>

#include <optional>

class Database;
class MessageService;
class TaxRates;

// The month chooser's check: no month, or 13 and more, is refused (12 pass); the message, or
// empty text.
QString CheckMonthChoice(int chosen);

// The work on the pending back-pay sheet that the window and the command line share. Each
// change runs in one transaction; refusals and failures are told through the message service
// in the window's words. The "已入账" refusals of a window showing posted back pay are the
// window's own: here there is only the pending sheet.
class BackPaySheet
{
public:
    BackPaySheet(Database &db, const TaxRates &rates, MessageService &messages);

    BackPaySheetStore &store() { return m_store; }

    // The pay period of the pending back pay: the sheet has rows. None when no back pay is
    // pending (or the sheet cannot be read).
    std::optional<BackPayMonth> pending();
    // The pay period of the sheet, even one without rows yet (the command line goes on with a
    // sheet it started). None when there is no sheet.
    std::optional<BackPayMonth> sheetPeriod();
    std::optional<BackPayMonths> months();

    // The pay period's wages must be posted: '"2005年4月"尚未做工资！' otherwise. When the count
    // itself fails the start goes on.
    bool checkWagesPosted(const BackPayMonth &payPeriod);
    // The months the chooser offers: posted wage months up to and including the pay period, of
    // one year or of all, in time order.
    std::optional<BackPayMonths> postedMonths(const BackPayMonth &payPeriod,
                                              std::optional<int> year);
    // The months given must be such months, and between 1 and 12 of them.
    bool checkMonths(const BackPayMonth &payPeriod, const BackPayMonths &months);

    // A new, empty sheet replacing whatever was there.
    bool start(const BackPayMonth &payPeriod, const BackPayMonths &months);
    // "重新生成补发月": the sheet gets exactly the wanted months; new months have their bases
    // filled for the employees on the sheet, months no longer wanted go with their amounts.
    // The months in column order.
    std::optional<BackPayMonths> syncMonths(const BackPayMonths &wanted);

    struct Added
    {
        int rows = 0;
        bool alreadyOnSheet = false; // one employee, who was on the sheet already
        QString empId;               // one employee: his code as the sheet holds it
    };
    // Puts a department's staff in service ("0000": the company, without the temporary staff),
    // or one employee, on the sheet with the bases of every month filled. Nothing on failure.
    std::optional<Added> add(const BackPayStaff &staff);

    // A typed amount: digits with at most one point, fewer than 10 digits before it. Nothing
    // (and the refusal shown) otherwise; empty text is 0.
    std::optional<Money> readAmount(const QString &text);
    bool setBackPay(const QString &empId, const BackPayMonth &month, Money amount);
    // "修改整列工资" ("替换") on every row; a column never falls below 0.
    bool changeColumn(const BackPayMonth &month, ColumnChange change, Money amount);
    bool remove(const QString &empId);
    // Empties the sheet: the pending back pay is given up.
    bool discard();

    // The sheet's view; nothing (and the failure shown) when it cannot be read.
    std::optional<BackPayGrid> view();
    std::optional<BackPayGrid> viewRow(const QString &empId);

private:
    bool failed();

    Database &m_db;
    const TaxRates &m_rates;
    MessageService &m_messages;
    BackPaySheetStore m_store;
};
