#include "widgets/ProgressWindow.h"

#include "base/MessageService.h"
#include "widgets/BaseWindows.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

ProgressWindow::ProgressWindow(MessageService &messages, QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint
                          | Qt::WindowTitleHint),
      m_messages(messages)
{
    setObjectName(QStringLiteral("ProgressWindow"));
    setFont(ProgramFont());
    auto *v = new QVBoxLayout(this);
    v->setContentsMargins(16, 14, 16, 14);
    m_hint = new QLabel(QStringLiteral("正在输出Excel，请稍候……"), this);
    m_bar = new QProgressBar(this);
    m_bar->setRange(0, 100);
    m_bar->setValue(0);
    m_bar->setMinimumWidth(340);
    m_cancel = new QPushButton(QStringLiteral("取消(&C)"), this);
    m_cancel->hide();
    v->addWidget(m_hint);
    v->addWidget(m_bar);
    v->addWidget(m_cancel, 0, Qt::AlignRight);
}

void ProgressWindow::begin(const QString &caption, const QString &hint, int maximum, int step)
{
    m_finishing = false;
    setWindowTitle(caption);
    m_hint->setText(hint);
    m_bar->setRange(0, qMax(0, maximum));
    m_bar->setValue(0);
    m_step = qMax(1, step);
    adjustSize();
    CenterOnScreen(this);
    show();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    m_sinceEvents.start();
}

void ProgressWindow::advance()
{
    m_bar->setValue(qMin(m_bar->maximum(), m_bar->value() + m_step));
    // A run of 100,000 rows would spend longer painting than working: the window is brought
    // up to date a few times a second, which is all the eye sees.
    if (!m_sinceEvents.isValid() || m_sinceEvents.elapsed() >= 40) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        m_sinceEvents.start();
    }
}

void ProgressWindow::finish()
{
    m_finishing = true;
    hide();
}

void ProgressWindow::focusLost()
{
    if (m_finishing || m_asking || !isVisible()) {
        return;
    }
    m_asking = true;
    if (m_messages.askYesNo(QStringLiteral("是否中断当前的操作?"))) {
        hide();
    }
    m_asking = false;
}

void ProgressWindow::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && !isActiveWindow()) {
        focusLost();
    }
}
