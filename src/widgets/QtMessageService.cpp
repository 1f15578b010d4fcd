#include "widgets/QtMessageService.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {
QWidget *owner()
{
    return QApplication::activeWindow();
}
} // namespace

void QtMessageService::showError(const QString &text)
{
    QMessageBox::critical(owner(), QStringLiteral("错误"), text);
}

void QtMessageService::showWarning(const QString &text)
{
    QMessageBox::warning(owner(), QStringLiteral("警告"), text);
}

void QtMessageService::showInfo(const QString &text)
{
    QMessageBox::information(owner(), QStringLiteral("提示"), text);
}

bool QtMessageService::askYesNo(const QString &text)
{
    QMessageBox box(QMessageBox::Information, QStringLiteral("提示"), text, QMessageBox::NoButton,
                    owner());
    QPushButton *yes = box.addButton(QStringLiteral("是(&Y)"), QMessageBox::YesRole);
    box.addButton(QStringLiteral("否(&N)"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.exec();
    return box.clickedButton() == yes;
}
