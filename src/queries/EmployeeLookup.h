#pragma once

#include "org/OrgTypes.h"

#include <QList>
#include <QString>

#include <functional>

class Database;

// The personal queries find their employee from a typed code or a part of a name.
struct EmpLookup
{
    enum class Outcome {
        NoInput,  // neither code nor name typed
        Found,    // empId holds the code
        NotFound, // the name matches nobody (or the search failed)
        Several   // candidates holds everyone whose name matches
    };
    Outcome outcome = Outcome::NoInput;
    QString empId;
    QList<EmpPickRow> candidates;
};

// A typed code (trimmed) is taken as it is, whatever the name field holds; otherwise the
// employees whose name contains the trimmed name, departed ones too.
EmpLookup LookupEmployee(Database &db, const QString &code, const QString &name);

// Asks the user to choose among the employees whose name contains `name`; returns the chosen
// code (empty when none). The windows open the name picker; tests answer directly.
using EmpPicker = std::function<QString(const QString &name)>;

// The code of the employee a personal query is about, after asking `pick` when several
// match; empty when there is none.
QString ResolveEmployee(Database &db, const QString &code, const QString &name,
                        const EmpPicker &pick);
