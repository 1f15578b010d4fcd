#pragma once

#include "base/Money.h"

#include <QString>

class Database;

// Ledger rows for the returns, written straight into TaxIncome with every column a return
// reads, as posting, back pay and other payments leave them.
struct LedgerRow
{
    int year = 2005;
    int month = 9;
    QString taxType = QStringLiteral("工资所得税");
    QString empId;
    QString empName;
    QString cardNo;
    QString empType = QStringLiteral("中方");
    QString address;
    const char *income = "0";
    const char *minusFare = "0";
    const char *taxIncome = "0";
    const char *rate = "0";
    const char *takeOut = "0";
    const char *taxMoney = "0";
    QString taxNumber;
    QString taxDate;
};

Money M(const char *text);
void AddLedgerRow(Database &db, const LedgerRow &row);
// Rows enough to give a report `n` rows with its total row: n - 1 taxed rows of September
// 2005, card numbers in the order they are added.
void AddTaxedRows(Database &db, int n, const QString &empType = QStringLiteral("中方"));

// The text of a PDF file as pdftotext gives it (with -layout), with the characters that the
// CJK fonts share with radicals read back as the ideographs they were drawn for.
QString PdfText(const QString &path);
int PdfPageCount(const QString &path);

// Rendering needs a GUI application (fonts); made once for the whole test program.
void EnsureGuiApplication();
