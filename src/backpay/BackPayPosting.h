#pragma once

#include "backpay/BackPayMonth.h"

#include <QDate>
#include <QString>

#include <functional>
#include <optional>

class Database;
class MessageService;
class Progress;
class TaxRates;

struct BackPayPostResult
{
    enum class Outcome { Posted, NothingToPost, Failed };
    Outcome outcome = Outcome::Failed;
    BackPayMonth payPeriod;
    QString error; // the engine's words, when failed
};

// Posts the pending sheet: one ReissueMonth row per employee and month with back pay above 0,
// one ledger row ("补发工资") per employee still in Employee whose back pay adds up to more
// than 0 (Income and FactIncome its total, TaxMoney the sum of its months' back-pay tax,
// TaxRate 0, TaxDate the posting date), and the sheet emptied. All in one transaction: it all
// lands or, on any failure, nothing does and the sheet stays as it was, so posting again can
// never count a back pay twice. One progress step to begin with and one per month.
BackPayPostResult PostBackPay(Database &db, const TaxRates &rates, const QDate &postingDate,
                              Progress &progress);

// The posting dialog: the date chosen, or nothing when cancelled.
using ChoosePostingDateHook =
    std::function<std::optional<QDate>(const QString &title, int year, int month)>;

// "补发工资过账": refuses an empty sheet ("无补发工资过账数据！"), asks the posting date for
// the sheet's pay period, posts, and says how it went ("补发工资入账完毕！" or
// "补发工资入账失败！"). The pay period posted, or nothing when nothing was posted.
std::optional<BackPayMonth> PostPendingBackPay(Database &db, const TaxRates &rates,
                                               MessageService &messages,
                                               const ChoosePostingDateHook &chooseDate,
                                               Progress &progress);
