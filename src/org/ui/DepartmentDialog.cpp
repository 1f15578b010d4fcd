#include "org/ui/DepartmentDialog.h"

#include "base/MessageService.h"
#include "widgets/EditHelpers.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

DepartmentDialog::DepartmentDialog(Database &db, MessageService &messages, QWidget *parent)
    : OkCancelDialog(Buttons::Horizontal, QStringLiteral("添加部门"), QStringLiteral("dept"),
                       parent),
      m_store(db), m_messages(messages)
{
    auto *form = new QFormLayout(body());
    form->setContentsMargins(2, 4, 2, 4);
    m_code = new QLineEdit(body());
    m_name = new QLineEdit(body());
    m_remark = new QLineEdit(body());
    m_name->setMinimumWidth(240);
    AddLabelledRow(form, QStringLiteral("部门编号(&S):"), m_code);
    AddLabelledRow(form, QStringLiteral("部门名称(&N):"), m_name);
    AddLabelledRow(form, QStringLiteral("说明(&E):"), m_remark);
    keepEnterFromSaving();
}

void DepartmentDialog::setCaption(const QString &text)
{
    setWindowTitle(text);
    banner()->setText(text);
}

void DepartmentDialog::openForAdd(const QString &parentCode, int parentLevel)
{
    setCaption(QStringLiteral("添加部门"));
    m_state = DeptEditState{};
    m_state.parentCode = parentCode;
    m_state.parentLevel = parentLevel;
    m_code->setReadOnly(false);
    m_code->setFocus();
}

bool DepartmentDialog::openForModify(const QString &code)
{
    setCaption(QStringLiteral("修改部门信息"));
    m_state = DeptEditState{};
    m_state.adding = false;
    m_state.editedCode = code;
    m_code->setReadOnly(true);
    GreyEdit(m_code);
    const auto rows = m_store.byCode(code);
    if (!rows || rows->isEmpty()) {
        // Nothing to edit: the dialog still opens, but cannot save.
        if (!rows) {
            m_messages.showError(DeptText::QueryFailed);
        }
        okButton()->setEnabled(false);
        return false;
    }
    const DeptRecord &d = rows->first();
    m_code->setText(d.deptId);
    m_name->setText(d.deptName);
    m_remark->setText(d.remark);
    m_state.loadedName = d.deptName.trimmed();
    m_name->setFocus();
    return true;
}

bool DepartmentDialog::onOk()
{
    const DeptInput input{m_code->text(), m_name->text(), m_remark->text()};
    const DeptCheckResult result = SaveDept(m_store, m_messages, input, m_state);
    if (result.ok()) {
        return true;
    }
    if (result.focus == DeptField::Code) {
        m_code->setFocus();
    } else if (result.focus == DeptField::Name) {
        m_name->setFocus();
    }
    return false;
}

bool AddDept(Database &db, MessageService &messages, const QString &parentCode, int parentLevel,
             QWidget *parent)
{
    DepartmentDialog dialog(db, messages, parent);
    dialog.openForAdd(parentCode, parentLevel);
    return dialog.exec() == QDialog::Accepted;
}

bool ModifyDept(Database &db, MessageService &messages, const QString &code, QWidget *parent)
{
    DepartmentDialog dialog(db, messages, parent);
    dialog.openForModify(code);
    return dialog.exec() == QDialog::Accepted;
}
