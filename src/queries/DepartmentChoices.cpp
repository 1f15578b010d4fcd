#include "queries/DepartmentChoices.h"

#include "org/DepartmentStore.h"

QStringList DepartmentChoices(Database &db)
{
    QStringList names;
    const auto rows = DepartmentStore(db).allRows();
    if (!rows) {
        return names;
    }
    for (const DeptRecord &d : *rows) {
        if (d.deptLevelId != kRootDeptId && !d.deptName.isEmpty()) {
            names << d.deptName;
        }
    }
    return names;
}
