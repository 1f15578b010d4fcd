#include "shell/Calculator.h"

#include <QProcess>
#include <QStandardPaths>

QStringList KnownCalculators()
{
    return {QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"),
            QStringLiteral("mate-calc"),        QStringLiteral("galculator"),
            QStringLiteral("qalculate-gtk"),    QStringLiteral("qalculate-qt"),
            QStringLiteral("xcalc")};
}

QString FindCalculator()
{
    for (const QString &name : KnownCalculators()) {
        const QString path = QStandardPaths::findExecutable(name);
        if (!path.isEmpty()) {
            return path;
        }
    }
    return {};
}

bool StartCalculator()
{
    const QString path = FindCalculator();
    return !path.isEmpty() && QProcess::startDetached(path, {});
}
