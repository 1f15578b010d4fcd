// corvane: the desktop program.

#include "app/AppEnv.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvane"));
    QApplication::setOrganizationName(QStringLiteral("Tolbeck"));
    SetAppDir(ResolveAppDir(app.arguments(), QCoreApplication::applicationDirPath()));

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Corvane"));
    window.resize(1024, 700);
    window.show();
    return app.exec();
}
