#pragma once

#include <QString>

// Employee codes are one code whatever the case of their letters.
inline QString EmpCodeKey(const QString &code)
{
    return code.toCaseFolded();
}
