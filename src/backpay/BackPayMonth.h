#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// A back-paid month and its key, the text that names it on the sheet and in lists: the year
// in four digits, "年", the month without a leading zero, "月" ("2005年3月", "2005年12月").
// The sheet's three columns of a month are the key followed by 补发工资, 应税工资 and 减除费用.
struct BackPayMonth
{
    int year = 0;
    int month = 0;

    QString key() const;
    // "2005年3月补发工资": the amount back-paid for the month (typed by the clerk).
    QString backPayColumn() const { return key() + QStringLiteral("补发工资"); }
    // The month's taxable wage already taxed (its sheet's 应税工资 plus earlier back pay).
    QString taxableColumn() const { return key() + QStringLiteral("应税工资"); }
    QString deductionColumn() const { return key() + QStringLiteral("减除费用"); }
    // The month's back-pay tax in the sheet's view.
    QString taxColumn() const { return taxableColumn() + QStringLiteral("补税"); }

    // The month of a key; nothing for text that is not one (the year must have four digits,
    // the month 1 to 12 without a leading zero).
    static std::optional<BackPayMonth> fromKey(const QString &key);
    // The month of a column name: the key is the name up to its first "补".
    static std::optional<BackPayMonth> fromColumn(const QString &column);

    bool operator==(const BackPayMonth &) const = default;
    auto operator<=>(const BackPayMonth &) const = default;
};

using BackPayMonths = QList<BackPayMonth>;

QStringList MonthKeys(const BackPayMonths &months);
// Months from keys; nothing when one of them is not a key.
std::optional<BackPayMonths> MonthsFromKeys(const QStringList &keys);
