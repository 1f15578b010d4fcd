#include "widgets/QtFileOpener.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

bool QtFileOpener::open(const QString &path)
{
    return QFileInfo::exists(path) && QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}
