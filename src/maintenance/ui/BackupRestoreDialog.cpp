#include "maintenance/ui/BackupRestoreDialog.h"

#include "base/FileDialogs.h"
#include "base/MessageService.h"
#include "maintenance/BackupRestore.h"

#include <QApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QGroupBox *fileGroup(QWidget *parent, const QString &label, QLineEdit *&edit,
                     QToolButton *&browse, QPushButton *&action, const QString &actionText)
{
    auto *group = new QGroupBox(parent);
    auto *h = new QHBoxLayout(group);
    h->addWidget(new QLabel(label, group));
    edit = new QLineEdit(group);
    edit->setMinimumWidth(260);
    h->addWidget(edit, 1);
    browse = new QToolButton(group);
    browse->setText(QStringLiteral("..."));
    h->addWidget(browse);
    action = new QPushButton(actionText, group);
    action->setAutoDefault(false);
    h->addWidget(action);
    return group;
}

// The hourglass while files are copied.
struct WaitCursor
{
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
};

} // namespace

BackupRestoreDialog::BackupRestoreDialog(const QString &databasePath, MessageService &messages,
                                     FileDialogs &files, QWidget *parent)
    : BaseDialog(parent), m_databasePath(databasePath), m_messages(messages), m_files(files)
{
    setObjectName(QStringLiteral("BackupRestoreDialog"));
    setWindowTitle(QStringLiteral("备份恢复数据库"));
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(new Banner(QStringLiteral("备份恢复数据库"), QStringLiteral("backup"), this));
    auto *v = new QVBoxLayout;
    v->setContentsMargins(14, 10, 14, 12);
    outer->addLayout(v);

    QToolButton *browseBackupButton = nullptr;
    QToolButton *browseRestoreButton = nullptr;
    m_backupRadio = new QRadioButton(QStringLiteral("数据库备份"), this);
    m_backupGroup = fileGroup(this, QStringLiteral("备份数据库名"), m_backupEdit,
                              browseBackupButton, m_backupButton, QStringLiteral("备份(&B)"));
    m_restoreRadio = new QRadioButton(QStringLiteral("数据库恢复"), this);
    m_restoreGroup = fileGroup(this, QStringLiteral("恢复数据库名"), m_restoreEdit,
                               browseRestoreButton, m_restoreButton, QStringLiteral("恢复(&R)"));
    v->addWidget(m_backupRadio);
    v->addWidget(m_backupGroup);
    v->addWidget(m_restoreRadio);
    v->addWidget(m_restoreGroup);
    auto *closeRow = new QHBoxLayout;
    closeRow->addStretch();
    auto *close = new QPushButton(QStringLiteral("关闭"), this);
    close->setShortcut(Qt::Key_Escape);
    close->setAutoDefault(false);
    closeRow->addWidget(close);
    v->addLayout(closeRow);

    m_backupRadio->setChecked(true);
    updateGroups();
    connect(m_backupRadio, &QRadioButton::toggled, this, &BackupRestoreDialog::updateGroups);
    connect(browseBackupButton, &QToolButton::clicked, this, &BackupRestoreDialog::browseBackup);
    connect(browseRestoreButton, &QToolButton::clicked, this, &BackupRestoreDialog::browseRestore);
    connect(m_backupButton, &QPushButton::clicked, this, &BackupRestoreDialog::backup);
    connect(m_restoreButton, &QPushButton::clicked, this, &BackupRestoreDialog::restore);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
}

void BackupRestoreDialog::updateGroups()
{
    m_backupGroup->setEnabled(m_backupRadio->isChecked());
    m_restoreGroup->setEnabled(!m_backupRadio->isChecked());
}

void BackupRestoreDialog::browseBackup()
{
    const QString name = m_files.saveFile(QStringLiteral("备份数据库"), QStringLiteral("*.mdb (*.mdb)"), {});
    if (!name.isEmpty()) {
        m_backupEdit->setText(name);
    }
}

void BackupRestoreDialog::browseRestore()
{
    const QString name = m_files.openFile(QStringLiteral("恢复数据库"), QStringLiteral("*.mdb (*.mdb)"), {});
    if (!name.isEmpty()) {
        m_restoreEdit->setText(name);
    }
}

void BackupRestoreDialog::backup()
{
    if (m_backupEdit->text().trimmed().isEmpty()) {
        m_messages.showInfo(QStringLiteral("备份数据库名不能为空！"));
        m_backupEdit->setFocus();
        return;
    }
    WaitCursor wait;
    BackupDatabase(m_databasePath, m_backupEdit->text(), m_messages);
}

void BackupRestoreDialog::restore()
{
    if (m_restoreEdit->text().trimmed().isEmpty()) {
        m_messages.showInfo(QStringLiteral("请选择要恢复的数据库！"));
        m_restoreEdit->setFocus();
        return;
    }
    WaitCursor wait;
    RestoreDatabase(m_databasePath, m_restoreEdit->text(), m_messages);
}
