#pragma once

#include "widgets/BaseWindows.h"

class FileDialogs;
class MessageService;
class QLineEdit;

// "数据库设置": where the database file lies. OK saves the three boxes into Corvane.ini.
class DatabaseSettingsDialog final : public OkCancelDialog
{
    Q_OBJECT
public:
    DatabaseSettingsDialog(const QString &databasePath, FileDialogs &files, MessageService &messages,
                    QWidget *parent = nullptr);

    QLineEdit *databaseEdit() const { return m_database; }
    QLineEdit *userEdit() const { return m_user; }
    QLineEdit *passwordEdit() const { return m_password; }
    // The "..." button.
    void browse();

protected:
    bool onOk() override;

private:
    FileDialogs &m_files;
    MessageService &m_messages;
    QLineEdit *m_database;
    QLineEdit *m_user;
    QLineEdit *m_password;
};
