#pragma once

#include <QStringList>

// The month list of the generation and posting dialogs, "一月份" to "十二月" (the last three
// keep to three characters).
inline QStringList PayrollMonthNames()
{
    return {QStringLiteral("一月份"), QStringLiteral("二月份"), QStringLiteral("三月份"),
            QStringLiteral("四月份"), QStringLiteral("五月份"), QStringLiteral("六月份"),
            QStringLiteral("七月份"), QStringLiteral("八月份"), QStringLiteral("九月份"),
            QStringLiteral("十月份"), QStringLiteral("十一月"), QStringLiteral("十二月")};
}
