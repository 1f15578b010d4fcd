#pragma once

#include "shell/Startup.h"

#include <memory>

class FileDialogs;
class Session;
class MainWindow;
class SplashWindow;

// The start-up as the user sees it: the splash, then the connection, rate sets, company
// record and login with their real dialogs. main() may replace hooks() entries before run().
class DesktopStartup
{
public:
    DesktopStartup(Session &session, FileDialogs &files);
    ~DesktopStartup();

    StartupHooks &hooks() { return m_hooks; }
    // Shows the splash for 500 ms and runs the start-up with the hourglass up to the login.
    // True when a user logged in.
    bool run();
    // The main window is up: the splash goes.
    void finish();

private:
    Session &m_session;
    StartupHooks m_hooks;
    std::unique_ptr<SplashWindow> m_splash;
};
