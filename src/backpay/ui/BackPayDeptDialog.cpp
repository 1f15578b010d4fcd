#include "backpay/ui/BackPayDeptDialog.h"

#include "backpay/BackPayTexts.h"
#include "base/MessageService.h"
#include "org/DepartmentStore.h"
#include "org/EmpRules.h"
#include "org/OrgTypes.h"

#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

BackPayDeptDialog::BackPayDeptDialog(Database &db, MessageService &messages,
                                     const QString &corpName, QWidget *parent)
    : OkCancelDialog(Buttons::Horizontal, QStringLiteral("整部门添加员工"), QStringLiteral("users"),
                     parent, BackPayText::helpKeyword()),
      m_messages(messages)
{
    setWindowTitle(QStringLiteral("整部门添加员工"));
    auto *layout = new QVBoxLayout(body());
    layout->setContentsMargins(4, 4, 4, 4);
    auto *label = new QLabel(QStringLiteral("选择部门:"), body());
    m_list = new QListWidget(body());
    m_list->setMinimumSize(260, 220);
    label->setBuddy(m_list);
    layout->addWidget(label);
    layout->addWidget(m_list);
    connect(m_list, &QListWidget::itemDoubleClicked, this, [this] { pressOk(); });

    auto *company = new QListWidgetItem(corpName, m_list);
    company->setData(Qt::UserRole, kRootDeptId);
    const auto depts = DepartmentStore(db).treeRows();
    if (!depts) {
        m_messages.showError(EmpText::QueryFailed);
        return;
    }
    for (const DeptRecord &d : *depts) {
        if (!d.deptName.trimmed().isEmpty()) {
            auto *item = new QListWidgetItem(d.deptName, m_list);
            item->setData(Qt::UserRole, d.deptId);
        }
    }
}

QString BackPayDeptDialog::chosenCode() const
{
    const QListWidgetItem *item = m_list->currentItem();
    return item && item->isSelected() ? item->data(Qt::UserRole).toString() : QString();
}

bool BackPayDeptDialog::onOk()
{
    if (chosenCode().isEmpty()) {
        m_messages.showInfo(BackPayText::noDeptChosen());
        m_list->setFocus();
        return false;
    }
    return true;
}

std::optional<QString> ChooseBackPayDept(Database &db, MessageService &messages,
                                         const QString &corpName, QWidget *parent)
{
    BackPayDeptDialog dialog(db, messages, corpName, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.chosenCode();
}
