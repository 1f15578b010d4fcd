#include "shell/ui/SplashWindow.h"

#include "widgets/BaseWindows.h"

#include <QLinearGradient>
#include <QPainter>

SplashWindow::SplashWindow(QWidget *parent)
    // Not kept on top: the messages and dialogs of the start-up come up while it shows.
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("SplashWindow"));
    setWindowTitle(QStringLiteral("Corvane"));
    setFixedSize(602, 401);
    CenterOnScreen(this);
}

void SplashWindow::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, height());
    g.setColorAt(0, QColor(0xFB, 0xF6, 0xEC));
    g.setColorAt(1, QColor(0xE6, 0xD8, 0xC0));
    p.fillRect(rect(), g);
    p.setPen(QPen(QColor(0x80, 0x00, 0x00), 3));
    p.drawRect(rect().adjusted(6, 6, -7, -7));

    QFont title(QStringList{QStringLiteral("Noto Serif CJK SC"), QStringLiteral("serif")});
    title.setPixelSize(72);
    title.setBold(true);
    p.setFont(title);
    p.setPen(QColor(0x80, 0x00, 0x00));
    p.drawText(QRect(0, 110, width(), 110), Qt::AlignCenter, QStringLiteral("Corvane"));

    QFont sub = ProgramFont();
    sub.setPixelSize(20);
    p.setFont(sub);
    p.setPen(QColor(0x50, 0x30, 0x20));
    p.drawText(QRect(0, 225, width(), 40), Qt::AlignCenter, QStringLiteral("工资及个人所得税管理"));
    sub.setPixelSize(13);
    p.setFont(sub);
    p.drawText(QRect(0, height() - 60, width(), 30), Qt::AlignCenter,
               QStringLiteral("正在启动，请稍候……"));
}
