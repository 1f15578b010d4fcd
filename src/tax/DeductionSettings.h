#pragma once

#include "base/Money.h"

#include <QString>

#include <optional>

class Database;

// The monthly wage deductions of Chinese and foreign staff (TaxBase, and the BaseMoney of every
// row of the two wage rate sets, which always agree), and the print setting of the tax return
// headings (title.ini).

struct DeductionBases
{
    // What the settings show when TaxBase holds no row for a staff type.
    static constexpr Money kDefaultChinese = Money::fromYuan(800);
    static constexpr Money kDefaultForeign = Money::fromYuan(4000);
    Money chinese = kDefaultChinese;
    Money foreign = kDefaultForeign;
};

// The deductions as TaxBase holds them; the defaults where a row is missing. Nothing when the
// table cannot be read.
std::optional<DeductionBases> LoadDeductionBases(Database &db);

// Replaces both TaxBase rows and the BaseMoney of the wage rate rows, all in one transaction.
// False (and the database unchanged) when any statement fails.
bool SaveDeductionBases(Database &db, const DeductionBases &bases);

// The typed amounts of the settings, checked in order (Chinese box, then foreign box). A box
// that passes is given its two-decimal form; the first box that fails stops the check.
struct DeductionInput
{
    enum class Failed { None, Chinese, Foreign };
    Failed failed = Failed::None;
    QString message;         // the error to show when a box failed
    QString chineseText;     // the boxes' texts after the check (reformatted when they passed)
    QString foreignText;
    DeductionBases bases;    // valid when nothing failed
};
DeductionInput CheckDeductionInput(const QString &chineseText, const QString &foreignText);

// title.ini, section [title]: `top` the region name, `bltop` "1" to print it before the
// return's own title.
struct PrintTitleSettings
{
    QString region;
    bool printRegion = false;
};
PrintTitleSettings ReadPrintTitleSettings();
bool WritePrintTitleSettings(const PrintTitleSettings &settings);
// The heading a tax return prints: the region name immediately followed by the form's title
// when that is asked for, else the form's title alone.
QString ReturnTitle(const QString &formTitle);
