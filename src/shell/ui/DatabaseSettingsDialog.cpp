#include "shell/ui/DatabaseSettingsDialog.h"

#include "base/AppEnv.h"
#include "base/FileDialogs.h"
#include "base/MessageService.h"
#include "shell/Startup.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

DatabaseSettingsDialog::DatabaseSettingsDialog(const QString &databasePath, FileDialogs &files,
                                 MessageService &messages, QWidget *parent)
    : OkCancelDialog(Buttons::Vertical, QStringLiteral("数据库环境设置"), QStringLiteral("setup"),
                       parent),
      m_files(files),
      m_messages(messages)
{
    setObjectName(QStringLiteral("DatabaseSettingsDialog"));
    setWindowTitle(QStringLiteral("数据库设置"));
    m_database = new QLineEdit(databasePath, body());
    m_database->setObjectName(QStringLiteral("databaseEdit"));
    m_database->setMinimumWidth(300);
    auto *browseButton = new QToolButton(body());
    browseButton->setText(QStringLiteral("..."));
    m_user = new QLineEdit(body());
    m_user->setObjectName(QStringLiteral("userEdit"));
    m_password = new QLineEdit(body());
    m_password->setObjectName(QStringLiteral("passwordEdit"));
    m_password->setEchoMode(QLineEdit::Password);

    auto *grid = new QGridLayout(body());
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("数据库："), body()), 0, 0);
    grid->addWidget(m_database, 0, 1);
    grid->addWidget(browseButton, 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("用户帐号："), body()), 1, 0);
    grid->addWidget(m_user, 1, 1, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("用户口令："), body()), 2, 0);
    grid->addWidget(m_password, 2, 1, 1, 2);
    cancelButton()->setShortcut(Qt::Key_Escape);
    connect(browseButton, &QToolButton::clicked, this, &DatabaseSettingsDialog::browse);
}

void DatabaseSettingsDialog::browse()
{
    const QString chosen = m_files.openFile(QStringLiteral("请选择数据库文件(*.mdb)"),
                                            QStringLiteral("数据库文件 (*.mdb)"), GetAppDir());
    if (!chosen.isEmpty()) {
        m_database->setText(chosen);
    }
}

bool DatabaseSettingsDialog::onOk()
{
    // The connection is retried with what Corvane.ini holds: a path that could not be
    // written would be tried as the old one and reported as a missing database.
    if (!SaveDatabaseSetting(m_database->text(), m_user->text(), m_password->text())) {
        m_messages.showError(QStringLiteral("保存失败！"));
        return false;
    }
    return true;
}
