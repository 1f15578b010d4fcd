// corvane: the desktop program.

#include "app/AppEnv.h"
#include "app/Session.h"
#include "app/SingleInstance.h"
#include "app/ui/BaseWindows.h"
#include "app/ui/DesktopStartup.h"
#include "app/ui/Icons.h"
#include "app/ui/QtFileDialogs.h"
#include "app/ui/QtMessageService.h"
#include "app/ui/TFrmMain.h"

#include <QApplication>

int main(int argc, char *argv[])
{
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
    // The tax rate sets load here, between the connection and the company record:
    // startup.hooks().loadRateSets = [&] { return LoadRateSets(session, messages); };
    if (!startup.run()) {
        return 0;
    }

    TFrmMain window(session, files);
    // Functions of the other subsystems are wired here, for example:
    // window.wire("actTaxCalculator", [&] { window.openChild(new TfrmTaxCalculator(...)); });
    QObject::disconnect(earlyRaise);
    QObject::connect(&instance, &SingleInstance::activationRequested, &window,
                     &TFrmMain::bringForward);
    window.showMaximized();
    startup.finish();
    return app.exec();
}
