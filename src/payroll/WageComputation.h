#pragma once

#include "base/Money.h"

#include <QString>

#include <array>
#include <optional>

class TaxRates;
class WageRow;
class WageSheetLayout;

// What one row's computation starts from: the group sums of its items, the one-off bonus and
// the employee type.
struct WageInputs
{
    Money taxable;   // S1: taxable pay items
    Money taxFree;   // S2: tax-free pay items
    Money preTax;    // S3: pre-tax deductions
    Money afterTax;  // S4: after-tax deductions
    Money exempt;    // S5: tax-exempt deductions (the three funds)
    Money bonus;     // B
    QString empType; // "中方", "外方" or anything else
};

// The eight figures the computation writes into a row. Deduction, taxable income, rate and
// quick deduction always describe the wage tax, also when a bonus is taxed.
struct WageFigures
{
    Money gross;         // 应发工资 = B + S1 + S2 - S3
    Money taxablePay;    // 应税工资 = S1 - S3 - S5, never below 0
    Money deduction;     // 减除费用
    Money taxableIncome; // 应纳税所得额
    Money rate;          // 适用税率
    Money quickDeduct;   // 速算扣除数
    Money tax;           // 纳税额 = wage tax + bonus tax
    Money net;           // 实发工资 = B + S1 + S2 - S3 - S5 - S4 - 纳税额
    bool operator==(const WageFigures &) const = default;
};

// The computation of one row. Chinese staff ("中方") are taxed on the Chinese wage set, foreign
// staff ("外方") on the foreign one; any other type pays no wage tax but still the bonus tax, on
// the foreign set. Nothing when a rate set the row needs failed to load (the start-up has told
// the user; no figure is made up without brackets).
std::optional<WageFigures> ComputeWageFigures(const WageInputs &in, const TaxRates &rates);

// Sums the row's item columns by group, computes, and writes the eight figures into the row.
// False (the row unchanged) when a rate set it needs is not loaded.
bool ComputeWageRow(const WageSheetLayout &layout, const TaxRates &rates, WageRow &row);

// The rate set a row needs is missing: the message the start-up showed for it, to repeat.
QString MissingRatesMessage(const QString &empType, const TaxRates &rates);
