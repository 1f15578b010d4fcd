#pragma once

#include <QHash>
#include <QMainWindow>

#include <functional>

class FileDialogs;
class QMdiArea;
class QMdiSubWindow;
class QToolBar;
class QToolButton;
class Session;
class QuickLaunchWindow;

// The main window: menus, tool bar, and the function windows inside its MDI area, the
// quick-launch window first.
//
// Every function has one action, found by a stable id (its object name, "actWageCalc"). The
// menu entry, the tool button and the quick-launch link of a function all trigger that one
// action, which runs the function's guard and then its handler. A function without a handler
// is disabled everywhere; wire() gives it one:
//
//     window.wire("actTaxCalculator", [&] { window.openChild(new TaxCalculatorWindow(...)); });
//     window.wire("actOtherSettings", [&] { DeductionSettingsDialog d(..., &window); d.exec(); });
class MainWindow final : public QMainWindow
{
    Q_OBJECT
public:
    MainWindow(Session &session, FileDialogs &files, QWidget *parent = nullptr);
    ~MainWindow() override;

    // The action of a function; nullptr for an unknown id.
    QAction *action(const QString &id) const;
    QStringList actionIds() const;
    // Gives a function its handler and enables it (menu, tool button and link together).
    void wire(const QString &id, std::function<void()> handler);
    // Runs a function as its menu entry would: the guard, then the handler. False when the
    // guard refused it or it has no handler.
    bool runFunction(const QString &id);

    // Shows a function window inside the main window and returns its frame. The window is
    // destroyed when closed.
    QMdiSubWindow *openChild(QWidget *window);
    // The object names of the open child windows, the quick-launch window included.
    QStringList openWindowNames() const;
    // Brings the child window with this object name forward; false when none is open.
    bool activateChild(const QString &objectName);

    QMdiArea *mdiArea() const { return m_mdi; }
    QToolBar *toolBar() const { return m_toolBar; }
    QToolButton *toolButton(const QString &caption) const;
    QuickLaunchWindow *quickLaunch() const { return m_quick; }
    QMdiSubWindow *quickLaunchFrame() const { return m_quickFrame; }

    // Brings the program forward (a second copy was started).
    void bringForward();

    // Skip the shutdown work (tests that only look at the window).
    void setShutdownEnabled(bool on) { m_shutdown = on; }
    // True once the close was confirmed and the shutdown ran.
    bool closing() const { return m_closing; }

    // The dialogs the built-in functions open (replaced in tests).
    std::function<void()> runBackupDialog;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenus();
    void buildToolBar();
    void buildQuickLaunch();
    void wireOwnFunctions();
    QAction *makeAction(const QString &id, const QString &text, const QString &icon = {});
    void backupRestore();

    Session &m_session;
    FileDialogs &m_files;
    QMdiArea *m_mdi;
    QToolBar *m_toolBar = nullptr;
    QuickLaunchWindow *m_quick = nullptr;
    QMdiSubWindow *m_quickFrame = nullptr;
    QHash<QString, QAction *> m_actions;
    QHash<QString, std::function<void()>> m_handlers;
    QList<QToolButton *> m_toolButtons;
    bool m_shutdown = true;
    bool m_closing = false;
};
