#pragma once

#include "base/Money.h"
#include "tax/TaxRates.h"

#include <QString>
#include <QStringList>

#include <optional>

// What the income tax calculator works out, shared by its window and the command line: one
// income type and amount, given before or after tax, gives the tax and the amount on the other
// side of tax.

// The income types of the calculator, in the order it lists them ("工资、薪金" first).
const QStringList &CalculatorIncomeTypes();
// The type that has the staff choice and the deduction ("工资、薪金").
QString CalculatorWageType();

struct CalculatorInput
{
    QString incomeType;
    bool afterTax = false;
    bool chinese = true;  // the "中方" box; decides the wage set before tax
    Money amount;
    Money deduction;      // used for wages only
};

struct CalculatorResult
{
    Money tax;
    Money other; // after tax when the amount was before tax, and the other way round
};

// The rate set a calculation reads.
TaxRates::Kind CalculatorRateKind(const CalculatorInput &input);

// Nothing when the income type is not one of the list or its rate set failed to load (the
// caller shows TaxRates::failureMessage(CalculatorRateKind(input)) for the latter).
std::optional<CalculatorResult> CalculateIncomeTax(const TaxRates &rates,
                                                   const CalculatorInput &input);
