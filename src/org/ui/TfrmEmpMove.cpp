#include "org/ui/TfrmEmpMove.h"

#include "app/MessageService.h"
#include "app/ui/EditHelpers.h"
#include "org/DepartmentStore.h"
#include "org/EmpRules.h"
#include "org/ui/OrgDialogParts.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TfrmEmpMove::TfrmEmpMove(Database &db, MessageService &messages, const QString &empId,
                         const QString &empName, const QString &currentDeptId, QWidget *parent)
    : QDialog(parent), m_store(db), m_messages(messages), m_empId(empId)
{
    setWindowTitle(QStringLiteral("员工调动"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 10);
    layout->addWidget(MakeTitleBand(QStringLiteral("员工调动"), this));

    auto *form = new QFormLayout;
    form->setContentsMargins(16, 8, 16, 8);
    m_code = new QLineEdit(empId, this);
    m_name = new QLineEdit(empName, this);
    m_from = new QLineEdit(this);
    for (QLineEdit *e : {m_code, m_name, m_from}) {
        e->setReadOnly(true);
        GreyEdit(e);
    }
    m_target = new QComboBox(this);
    m_target->setMinimumWidth(220);
    form->addRow(QStringLiteral("员工编号:"), m_code);
    form->addRow(QStringLiteral("姓  名:"), m_name);
    form->addRow(QStringLiteral("调出部门:"), m_from);
    form->addRow(QStringLiteral("调入部门:"), m_target);
    layout->addLayout(form);

    m_ok = AddOkCancel(this, layout).ok;
    connect(m_ok, &QPushButton::clicked, this, &TfrmEmpMove::save);

    // Every department of the table is offered, flagged ones too, but never the current one.
    const auto depts = DepartmentStore(db).allRows();
    if (!depts) {
        m_messages.showError(EmpText::QueryFailed);
        return;
    }
    for (const DeptRecord &d : *depts) {
        if (d.deptId == currentDeptId) {
            m_from->setText(d.deptName);
        } else {
            m_target->addItem(d.deptName, QVariant::fromValue(TMyDept{d.deptId, d.deptName}));
        }
    }
    m_target->setCurrentIndex(-1);
}

void TfrmEmpMove::save()
{
    const int i = m_target->currentIndex();
    const QString target = i >= 0 ? m_target->itemData(i).value<TMyDept>().deptId : QString();
    const EmpMoveResult result = TransferEmp(m_store, m_messages, m_empId, target);
    if (result == EmpMoveResult::Moved) {
        accept();
    } else if (result == EmpMoveResult::NoTarget) {
        m_target->setFocus();
    }
}

bool MoveEmp(Database &db, MessageService &messages, const QString &empId, const QString &empName,
             const QString &currentDeptId, QWidget *parent)
{
    TfrmEmpMove dialog(db, messages, empId, empName, currentDeptId, parent);
    return dialog.exec() == QDialog::Accepted;
}
