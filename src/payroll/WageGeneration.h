#pragma once

#include <optional>

class Database;
class MessageService;
class Progress;
class TaxRates;
class WageSheetStore;

// The month rule's answer for a month: refused, continue the draft that exists, or make a new
// sheet with a run number (replacing the draft of that run when the clerk declined to
// continue it).
struct SheetPeriodChoice
{
    int run = -1; // -1 refused, 0 continue the draft, above 0 a new sheet with this run
    bool replaceDraft = false;
    bool refused() const { return run < 0; }
    bool continues() const { return run == 0; }
};

// CheckSheetPeriod: whether a sheet may be made for the month. Sheets follow each other month
// after month, each only once the one before is posted; the very first may be any month. The
// refusals are information boxes; for the month of the current draft the clerk is asked
// whether to continue it. Nothing is written here: a draft to replace goes when the new sheet
// is made, in the same transaction.
SheetPeriodChoice CheckSheetPeriod(WageSheetStore &store, MessageService &messages, int year,
                                   int month, int maxRuns);

// Makes the sheet the month rule admitted, in one transaction: the replaced draft's rows go,
// then one row per employee in service, fresh (every amount 0, the deduction of the employee's
// type; temporary staff left out) or copied from the latest sheet (amounts of the same columns,
// the one-off bonus dropped and the row recomputed; temporary staff only when they were on it).
// Continuing a draft writes nothing. Returns the run number of the sheet to show, or nothing
// after telling the user why it failed (nothing is then written).
std::optional<int> GenerateWageSheet(Database &db, const TaxRates &rates, MessageService &messages,
                                     int year, int month, const SheetPeriodChoice &choice,
                                     bool copyLastMonth, Progress &progress);
