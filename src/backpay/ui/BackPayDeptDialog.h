#pragma once

#include "widgets/BaseWindows.h"

#include <optional>

class Database;
class MessageService;
class QListWidget;

// "整部门添加员工": the company (standing for "0000", everyone but the temporary staff) or one
// department whose staff in service go on the back-pay sheet.
class BackPayDeptDialog final : public OkCancelDialog
{
    Q_OBJECT
public:
    BackPayDeptDialog(Database &db, MessageService &messages, const QString &corpName,
                      QWidget *parent = nullptr);

    QListWidget *list() const { return m_list; }
    // The code chosen ("0000" for the company).
    QString chosenCode() const;

protected:
    bool onOk() override;

private:
    MessageService &m_messages;
    QListWidget *m_list = nullptr;
};

// ChooseBackPayDept: the code chosen, or nothing when cancelled.
std::optional<QString> ChooseBackPayDept(Database &db, MessageService &messages,
                                         const QString &corpName, QWidget *parent = nullptr);
