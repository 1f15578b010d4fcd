// corvane: the desktop program.

#include "base/AppEnv.h"
#include "shell/Session.h"
#include "shell/SingleInstance.h"
#include "widgets/BaseWindows.h"
#include "shell/ui/DesktopStartup.h"
#include "widgets/Icons.h"
#include "widgets/QtFileDialogs.h"
#include "widgets/QtMessageService.h"
#include "shell/ui/SubsystemFunctions.h"
#include "shell/ui/MainWindow.h"
#include "tax/TaxRates.h"

#include <QApplication>

#include <cstdio>

namespace {

// Answered before any window exists, so that it works without a display.
bool printHelp(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == "--help" || arg == "-h") {
            std::fputs("用法: corvane [--home 目录]\n"
                       "\n"
                       "  --home 目录   以该目录为程序目录（数据库 Halvek.mdb、Corvane.ini、导出和备份所在）；\n"
                       "                也可用环境变量 CORVANE_HOME 指定。默认为程序所在目录。\n"
                       "  --help        显示本说明。\n",
                       stdout);
            return true;
        }
    }
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    if (printHelp(argc, argv)) {
        return 0;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvane"));
    QApplication::setApplicationDisplayName(QStringLiteral("Corvane"));
    QApplication::setOrganizationName(QStringLiteral("Tolbeck"));
    SetAppDir(ResolveAppDir(app.arguments(), QCoreApplication::applicationDirPath()));

    // A second copy only brings the first one forward.
    SingleInstance instance;
    if (instance.anotherIsRunning()) {
        return 0;
    }
    QApplication::setFont(ProgramFont());
    QApplication::setWindowIcon(ProgramIcon(QStringLiteral("app")));

    QtMessageService messages;
    QtFileDialogs files;
    Session session(messages);

    // Until the main window is up, a second start brings the splash or the dialog forward.
    auto earlyRaise = QObject::connect(&instance, &SingleInstance::activationRequested, [] {
        if (QWidget *front = QApplication::activeModalWidget()) {
            front->showMinimized();
            front->showNormal();
            front->raise();
            front->activateWindow();
        }
    });

    DesktopStartup startup(session, files);
    // The tax rate sets load between the connection and the company record.
    startup.hooks().loadRateSets = [&session] {
        return LoadAllTaxRates(session.db(), session.taxRates(), session.messages());
    };
    if (!startup.run()) {
        return 0;
    }

    MainWindow window(session, files);
    WireSubsystemFunctions(window, session);
    QObject::disconnect(earlyRaise);
    QObject::connect(&instance, &SingleInstance::activationRequested, &window,
                     &MainWindow::bringForward);
    window.showMaximized();
    startup.finish();
    return app.exec();
}
