#pragma once

#include "returns/FormTable.h"
#include "returns/ReturnForm.h"
#include "returns/ReturnHeading.h"
#include "returns/ReturnPeriod.h"

#include <memory>
#include <optional>

class Database;

// The two monthly returns, made the same way: the month's rows are read, then the form is
// laid out with them (or without any, as the blank form).
enum class ReturnKind { Withholding, PaymentDetail };

QString ReturnFormTitle(ReturnKind kind);

// The rows of the month and staff type with their filler rows; nothing when the ledger cannot
// be read.
std::optional<FormTable> LoadReturnRows(Database &db, ReturnKind kind, ReturnPeriod period,
                                        bool foreignStaff);
// The laid-out form; without rows the blank form.
std::unique_ptr<ReturnForm> MakeReturnForm(ReturnKind kind, ReturnHeading heading,
                                           std::optional<FormTable> rows = std::nullopt);
