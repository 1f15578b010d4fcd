#include "shell/ui/DesktopStartup.h"

#include "shell/Session.h"
#include "shell/ui/DatabaseSettingsDialog.h"
#include "shell/ui/SplashWindow.h"
#include "shell/ui/LoginDialog.h"
#include "maintenance/ui/CompanyInfoDialog.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QThread>

DesktopStartup::DesktopStartup(Session &session, FileDialogs &files) : m_session(session)
{
    // Dialogs over the hourglass get the normal pointer back while they are up.
    auto withArrow = [](auto dialog) {
        return [dialog] {
            const bool busy = QApplication::overrideCursor() != nullptr;
            if (busy) {
                QApplication::restoreOverrideCursor();
            }
            const bool result = dialog();
            if (busy) {
                QApplication::setOverrideCursor(Qt::WaitCursor);
            }
            return result;
        };
    };
    m_hooks.showDatabaseSetup = withArrow([this, &files] {
        DatabaseSettingsDialog dialog(m_session.databasePath, files, m_session.messages());
        return dialog.exec() == QDialog::Accepted;
    });
    m_hooks.showCorpInfo = withArrow([this] { return ShowCorpInfo(m_session.db(), m_session.messages(), [this](const CorpInfo &c) { m_session.applyCorpInfo(c); }, nullptr); });
    m_hooks.showLogon = [this] {
        LoginDialog dialog(m_session);
        return dialog.exec() == QDialog::Accepted;
    };
}

DesktopStartup::~DesktopStartup() = default;

bool DesktopStartup::run()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_splash = std::make_unique<SplashWindow>();
    m_splash->show();
    m_splash->repaint();
    QElapsedTimer shown;
    shown.start();
    while (shown.elapsed() < 500) {
        QApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(10);
    }

    StartupHooks steps = m_hooks;
    // The login comes with the normal pointer.
    steps.showLogon = [this] {
        QApplication::restoreOverrideCursor();
        return m_hooks.showLogon();
    };
    const StartupResult result = RunStartup(m_session, steps);
    if (result != StartupResult::NoLogin && result != StartupResult::Ready) {
        QApplication::restoreOverrideCursor();
    }
    if (result != StartupResult::Ready) {
        m_splash.reset();
    }
    return result == StartupResult::Ready;
}

void DesktopStartup::finish()
{
    m_splash.reset();
}
