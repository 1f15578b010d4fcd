#pragma once

#include <QStringList>

class Database;

// The department names the wage list and the fund statistics offer: every department but
// the company root, in table order; empty when they cannot be read.
QStringList DepartmentChoices(Database &db);
