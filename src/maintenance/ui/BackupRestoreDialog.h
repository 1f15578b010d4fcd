#pragma once

#include "widgets/BaseWindows.h"

class FileDialogs;
class MessageService;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QGroupBox;

// "备份恢复数据库": copies the database file out, or an earlier copy over it. The caller
// closes the connection before and opens it after.
class BackupRestoreDialog final : public BaseDialog
{
    Q_OBJECT
public:
    BackupRestoreDialog(const QString &databasePath, MessageService &messages, FileDialogs &files,
                      QWidget *parent = nullptr);

    QRadioButton *backupRadio() const { return m_backupRadio; }
    QRadioButton *restoreRadio() const { return m_restoreRadio; }
    QLineEdit *backupEdit() const { return m_backupEdit; }
    QLineEdit *restoreEdit() const { return m_restoreEdit; }
    QPushButton *backupButton() const { return m_backupButton; }
    QPushButton *restoreButton() const { return m_restoreButton; }

    void backup();
    void restore();
    void browseBackup();
    void browseRestore();

private:
    void updateGroups();

    QString m_databasePath;
    MessageService &m_messages;
    FileDialogs &m_files;
    QRadioButton *m_backupRadio;
    QRadioButton *m_restoreRadio;
    QGroupBox *m_backupGroup;
    QGroupBox *m_restoreGroup;
    QLineEdit *m_backupEdit;
    QLineEdit *m_restoreEdit;
    QPushButton *m_backupButton;
    QPushButton *m_restoreButton;
};
