#include "shell/ui/QuickLaunchWindow.h"

#include "widgets/BaseWindows.h"
#include "widgets/Icons.h"

#include <QAction>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLinearGradient>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPainter>

namespace {
const int kTop = 70; // room for the painted heading
}

LaunchLink::LaunchLink(const QString &text, QAction *action, QWidget *parent)
    : QLabel(text, parent), m_action(action)
{
    setCursor(Qt::PointingHandCursor);
    setHot(false);
    setEnabled(action->isEnabled());
    connect(action, &QAction::changed, this, [this] {
        setEnabled(m_action->isEnabled());
        setVisible(m_action->isVisible());
    });
}

void LaunchLink::setHot(bool hot)
{
    setStyleSheet(hot ? QStringLiteral("QLabel { color: #0000ff; text-decoration: underline; }")
                      : QStringLiteral("QLabel { color: #202020; } QLabel:disabled { color: #909090; }"));
}

void LaunchLink::click()
{
    if (isEnabled()) {
        m_action->trigger();
    }
}

void LaunchLink::enterEvent(QEnterEvent *event)
{
    QLabel::enterEvent(event);
    if (isEnabled()) {
        setHot(true);
    }
}

void LaunchLink::leaveEvent(QEvent *event)
{
    QLabel::leaveEvent(event);
    setHot(false);
}

void LaunchLink::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        setHot(false);
        click();
    }
}

QuickLaunchWindow::QuickLaunchWindow(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("QuickLaunchWindow"));
    setWindowTitle(QStringLiteral("快捷功能"));
    setWindowIcon(ProgramIcon(QStringLiteral("app")));
    setFont(ProgramFont());
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(28, kTop, 28, 22);
    grid->setHorizontalSpacing(36);
    grid->setVerticalSpacing(10);
}

LaunchLink *QuickLaunchWindow::addLink(const QString &text, const QString &iconName, QAction *action)
{
    auto *grid = static_cast<QGridLayout *>(layout());
    const int n = int(m_links.size());
    auto *cell = new QWidget(this);
    auto *h = new QHBoxLayout(cell);
    h->setContentsMargins(0, 0, 0, 0);
    auto *icon = new QLabel(cell);
    icon->setPixmap(ProgramIcon(iconName).pixmap(22, 22));
    auto *link = new LaunchLink(text, action, cell);
    QFont f = link->font();
    f.setPointSize(11);
    link->setFont(f);
    h->addWidget(icon);
    h->addWidget(link, 1);
    // The picture greys out with its link.
    icon->setEnabled(action->isEnabled());
    connect(action, &QAction::changed, icon, [icon, action] { icon->setEnabled(action->isEnabled()); });
    grid->addWidget(cell, n / 2, n % 2);
    m_links.append(link);
    return link;
}

LaunchLink *QuickLaunchWindow::link(const QString &text) const
{
    for (LaunchLink *l : m_links) {
        if (l->text() == text) {
            return l;
        }
    }
    return nullptr;
}

void QuickLaunchWindow::closeEvent(QCloseEvent *event)
{
    event->ignore();
    if (auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget())) {
        sub->showMinimized();
    } else {
        showMinimized();
    }
}

void QuickLaunchWindow::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, width(), height());
    g.setColorAt(0, QColor(0xF4, 0xF8, 0xFF));
    g.setColorAt(1, QColor(0xD6, 0xE4, 0xF6));
    p.fillRect(rect(), g);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x2F, 0x5F, 0xA8));
    p.drawRect(0, 0, width(), 50);
    QFont f = ProgramFont();
    f.setPointSize(15);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRect(22, 0, width() - 44, 50), Qt::AlignVCenter | Qt::AlignLeft,
               QStringLiteral("Corvane 快捷功能"));
}
