#pragma once

#include <QIcon>
#include <QString>
#include <QStringList>

// The program's pictures, drawn rather than shipped, so they stay sharp at every size.
// Names: wage, post, otherpay, report, detail, calculator, taxcalc, exit, users, password,
// items, dept, corp, backup, help, about, slip, bank, query, setup, login, app.
QIcon ProgramIcon(const QString &name);
QStringList ProgramIconNames();
