#include "shell/Guards.h"

QString GuardMessage(Guarded action, const QStringList &openWindows)
{
    switch (action) {
    case Guarded::WageCalc:
        if (openWindows.contains(QStringLiteral("BackPayWindow"))) {
            return QStringLiteral("请先关闭\"补发工资\"再进行此操作！");
        }
        break;
    case Guarded::Reissue:
        if (openWindows.contains(QStringLiteral("WageSheetWindow"))) {
            return QStringLiteral("请先关闭\"工资计算\"再进行此操作！");
        }
        break;
    case Guarded::BackupRestore:
        if (openWindows.size() >= 2) {
            return QStringLiteral("请先退出已打开的功能窗体(例如工资计算等)！");
        }
        break;
    case Guarded::None:
        break;
    }
    return {};
}
