#pragma once

#include "app/ui/BaseWindows.h"
#include "maintenance/CorpInfoStore.h"

class Session;
class QLineEdit;

// "企业信息": the company record; all seven boxes are required.
class TfrmCorpInfo final : public T_OKCancelDialog
{
    Q_OBJECT
public:
    TfrmCorpInfo(Session &session, QWidget *parent = nullptr);

    // False when the record could not be read: the dialog must not be shown.
    bool isUsable() const { return m_usable; }
    QLineEdit *edit(CorpField field) const;
    CorpInfo values() const;

protected:
    bool onOk() override;

private:
    Session &m_session;
    bool m_usable = false;
    QList<std::pair<CorpField, QLineEdit *>> m_edits;
};

// Opens the dialog modally; true when the record was saved.
bool ShowCorpInfo(Session &session, QWidget *parent);
