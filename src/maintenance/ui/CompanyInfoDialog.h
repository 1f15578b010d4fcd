#pragma once

#include "widgets/BaseWindows.h"
#include "maintenance/CorpInfoStore.h"

#include <functional>

class Database;
class MessageService;
class QLineEdit;

// Told the values as saved, so that the run's company values follow the record.
using CorpInfoSaved = std::function<void(const CorpInfo &)>;

// "企业信息": the company record; all seven boxes are required.
class CompanyInfoDialog final : public OkCancelDialog
{
    Q_OBJECT
public:
    CompanyInfoDialog(Database &db, MessageService &messages, CorpInfoSaved onSaved = {},
                      QWidget *parent = nullptr);

    // False when the record could not be read: the dialog must not be shown.
    bool isUsable() const { return m_usable; }
    QLineEdit *edit(CorpField field) const;
    CorpInfo values() const;

protected:
    bool onOk() override;

private:
    Database &m_db;
    MessageService &m_messages;
    CorpInfoSaved m_onSaved;
    bool m_usable = false;
    QList<std::pair<CorpField, QLineEdit *>> m_edits;
};

// Opens the dialog modally; true when the record was saved.
bool ShowCorpInfo(Database &db, MessageService &messages, CorpInfoSaved onSaved, QWidget *parent);
