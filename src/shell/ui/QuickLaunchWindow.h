#pragma once

#include <QLabel>
#include <QWidget>

class QAction;

// A link of the quick-launch window: blue under the mouse, a hand cursor, and a click
// triggers its action; it follows the action's enabled state.
class LaunchLink final : public QLabel
{
    Q_OBJECT
public:
    LaunchLink(const QString &text, QAction *action, QWidget *parent = nullptr);
    QAction *action() const { return m_action; }
    void click();

protected:
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void setHot(bool hot);
    QAction *m_action;
};

// The quick-launch window, the first child of the main window. Closing it only minimises it.
class QuickLaunchWindow final : public QWidget
{
    Q_OBJECT
public:
    explicit QuickLaunchWindow(QWidget *parent = nullptr);

    // Adds a link below the others, in two columns.
    LaunchLink *addLink(const QString &text, const QString &iconName, QAction *action);
    QList<LaunchLink *> links() const { return m_links; }
    LaunchLink *link(const QString &text) const;

protected:
    void closeEvent(QCloseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QList<LaunchLink *> m_links;
};
