#include "queries/EmployeeLookup.h"

#include "org/EmployeeStore.h"

EmpLookup LookupEmployee(Database &db, const QString &code, const QString &name)
{
    EmpLookup result;
    const QString typedCode = code.trimmed();
    const QString typedName = name.trimmed();
    if (!typedCode.isEmpty()) {
        result.outcome = EmpLookup::Outcome::Found;
        result.empId = typedCode;
        return result;
    }
    if (typedName.isEmpty()) {
        return result;
    }
    const auto rows = EmployeeStore(db).byNamePart(typedName);
    if (!rows || rows->isEmpty()) {
        result.outcome = EmpLookup::Outcome::NotFound;
    } else if (rows->size() == 1) {
        result.outcome = EmpLookup::Outcome::Found;
        result.empId = rows->first().empId;
    } else {
        result.outcome = EmpLookup::Outcome::Several;
        result.candidates = *rows;
    }
    return result;
}

QString ResolveEmployee(Database &db, const QString &code, const QString &name,
                        const EmpPicker &pick)
{
    const EmpLookup found = LookupEmployee(db, code, name);
    switch (found.outcome) {
    case EmpLookup::Outcome::Found:
        return found.empId;
    case EmpLookup::Outcome::Several:
        return pick ? pick(name.trimmed()) : QString();
    default:
        return {};
    }
}
