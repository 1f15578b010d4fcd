#pragma once

#include <QString>
#include <QStringList>

// The desktop calculator: the first one of the known programs found on PATH.
QStringList KnownCalculators();
// Full path of the calculator to start; empty when none is installed.
QString FindCalculator();
// Starts it detached; false when none is installed or it could not start.
bool StartCalculator();
