#include "org/ui/EmployeeTransferDialog.h"

#include "base/MessageService.h"
#include "widgets/EditHelpers.h"
#include "org/DepartmentStore.h"
#include "org/EmpRules.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

EmployeeTransferDialog::EmployeeTransferDialog(Database &db, MessageService &messages, const QString &empId,
                         const QString &empName, const QString &currentDeptId, QWidget *parent)
    : OkCancelDialog(Buttons::Vertical, QStringLiteral("员工调动"), QStringLiteral("users"),
                       parent),
      m_store(db), m_messages(messages), m_empId(empId)
{
    setWindowTitle(QStringLiteral("员工调动"));
    auto *form = new QFormLayout(body());
    form->setContentsMargins(2, 4, 2, 4);
    m_code = new QLineEdit(empId, body());
    m_name = new QLineEdit(empName, body());
    m_from = new QLineEdit(body());
    for (QLineEdit *e : {m_code, m_name, m_from}) {
        e->setReadOnly(true);
        e->setFocusPolicy(Qt::NoFocus);
        GreyEdit(e);
    }
    m_target = new QComboBox(body());
    m_target->setMinimumWidth(220);
    form->addRow(QStringLiteral("员工编号:"), m_code);
    form->addRow(QStringLiteral("姓  名:"), m_name);
    form->addRow(QStringLiteral("调出部门:"), m_from);
    form->addRow(QStringLiteral("调入部门:"), m_target);
    // The target is the one thing to choose; "确定" stays the default button, so Enter after
    // the choice moves the employee (and without one only says that a target is needed).
    m_target->setFocus();

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

bool EmployeeTransferDialog::onOk()
{
    const int i = m_target->currentIndex();
    const QString target = i >= 0 ? m_target->itemData(i).value<TMyDept>().deptId : QString();
    const EmpMoveResult result = TransferEmp(m_store, m_messages, m_empId, target);
    if (result == EmpMoveResult::NoTarget) {
        m_target->setFocus();
    }
    return result == EmpMoveResult::Moved;
}

bool MoveEmp(Database &db, MessageService &messages, const QString &empId, const QString &empName,
             const QString &currentDeptId, QWidget *parent)
{
    EmployeeTransferDialog dialog(db, messages, empId, empName, currentDeptId, parent);
    return dialog.exec() == QDialog::Accepted;
}
