#include "payroll/ui/WageItemDialog.h"

#include "base/MessageService.h"
#include "payroll/WageItemStore.h"
#include "widgets/EditHelpers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {

const QString kTitle = QStringLiteral("工资项目");
const QString kHelpTopic = QStringLiteral("工资项目设置");

} // namespace

WageItemDialog::WageItemDialog(WageItemStore &store, MessageService &messages,
                               const RdWageItem &item, bool adding, QWidget *parent)
    : OkCancelDialog(Buttons::Horizontal, kTitle, QStringLiteral("items"), parent, kHelpTopic),
      m_store(store), m_messages(messages), m_opened(item), m_adding(adding)
{
    setObjectName(QStringLiteral("WageItemDialog"));
    setWindowTitle(kTitle);
    auto *form = new QFormLayout(body());
    form->setContentsMargins(2, 4, 2, 4);
    m_name = new QLineEdit(body());
    m_name->setObjectName(QStringLiteral("edtItemName"));
    m_name->setMaxLength(kMaxItemNameLength);
    m_name->setMinimumWidth(260);
    m_type = new QComboBox(body());
    m_type->setObjectName(QStringLiteral("cbItemType"));
    // The types the computation may be given; a failed read leaves the list empty, and the
    // check then asks for a type.
    m_type->addItems(m_store.itemTypes().value_or(QStringList()));
    m_inUse = new QCheckBox(QStringLiteral("启用"), body());
    m_inUse->setObjectName(QStringLiteral("chkInUse"));
    m_remark = new QPlainTextEdit(body());
    m_remark->setObjectName(QStringLiteral("memRemark"));
    m_remark->setTabChangesFocus(true);
    m_remark->setFixedHeight(72);

    HighlightLabel(AddLabelledRow(form, QStringLiteral("项目名称:"), m_name));
    HighlightLabel(AddLabelledRow(form, QStringLiteral("项目类型:"), m_type));
    form->addRow(QString(), m_inUse);
    AddLabelledRow(form, QStringLiteral("项目描述:"), m_remark);

    m_name->setText(item.ItemName);
    m_type->setCurrentIndex(m_type->findText(item.ItemType, Qt::MatchExactly));
    m_inUse->setChecked(item.IsInUse);
    m_remark->setPlainText(item.Remark);
    connect(m_remark, &QPlainTextEdit::textChanged, this, &WageItemDialog::keepRemarkShort);
    m_name->setFocus();
}

void WageItemDialog::keepRemarkShort()
{
    // The memo takes at most 100 characters, as the name box takes 30.
    const QString text = m_remark->toPlainText();
    if (text.size() > kMaxItemRemarkLength) {
        const QSignalBlocker block(m_remark);
        m_remark->setPlainText(text.left(kMaxItemRemarkLength));
        m_remark->moveCursor(QTextCursor::End);
    }
}

RdWageItem WageItemDialog::typed() const
{
    RdWageItem item = m_opened;
    item.ItemName = m_name->text();
    item.ItemType = m_type->currentIndex() >= 0 ? m_type->currentText() : QString();
    item.IsInUse = m_inUse->isChecked();
    item.Remark = m_remark->toPlainText();
    return item;
}

bool WageItemDialog::onOk()
{
    const RdWageItem item = typed();
    const ItemCheckResult result = m_adding ? AddWageItem(m_store, m_messages, item)
                                            : ChangeWageItem(m_store, m_messages, m_opened, item);
    if (result.ok()) {
        m_saved = WageItemToSave(item);
        if (m_adding) {
            m_saved.ReadOnly = false;
        }
        return true;
    }
    switch (result.focus) {
    case ItemField::Name:
        m_name->setFocus();
        m_name->selectAll();
        break;
    case ItemField::Type:
        m_type->setFocus();
        break;
    case ItemField::Remark:
        m_remark->setFocus();
        break;
    case ItemField::None:
        break;
    }
    return false;
}

bool EditWageItem(WageItemStore &store, MessageService &messages, RdWageItem &item, bool adding,
                  QWidget *parent)
{
    WageItemDialog dialog(store, messages, item, adding, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    item = dialog.saved();
    return true;
}
