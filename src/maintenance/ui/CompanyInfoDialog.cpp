#include "maintenance/ui/CompanyInfoDialog.h"

#include "base/MessageService.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

CompanyInfoDialog::CompanyInfoDialog(Database &db, MessageService &messages, CorpInfoSaved onSaved,
                                     QWidget *parent)
    : OkCancelDialog(Buttons::Horizontal, QStringLiteral("企业基本信息"), QStringLiteral("corp"),
                       parent),
      m_db(db),
      m_messages(messages),
      m_onSaved(std::move(onSaved))
{
    setObjectName(QStringLiteral("CompanyInfoDialog"));
    setWindowTitle(QStringLiteral("企业信息"));
    auto *form = new QFormLayout(body());
    form->setContentsMargins(0, 0, 0, 0);
    // Labels, the boxes' fields and the columns' widths, in the order of the dialog.
    const struct
    {
        const char *label;
        CorpField field;
        int width;
    } rows[] = {{"扣缴义务人名称:", CorpField::CorpName, 50},
                {"扣缴义务人编码:", CorpField::ObligorNo, 30},
                {"地    址:", CorpField::Address, 100},
                {"电    话:", CorpField::Tel, 50},
                {"传    真:", CorpField::Fax, 30},
                {"邮政编码:", CorpField::PostalCode, 10},
                {"税    号:", CorpField::TaxNo, 30}};
    for (const auto &r : rows) {
        auto *edit = new QLineEdit(body());
        edit->setMaxLength(r.width);
        edit->setMinimumWidth(300);
        AddLabelledRow(form, QString::fromUtf8(r.label), edit);
        m_edits.append({r.field, edit});
    }

    const auto record = CorpInfoStore(db).load();
    if (!record) {
        messages.showError(QStringLiteral("查询数据库失败！"));
        return;
    }
    m_usable = true;
    if (*record) {
        const CorpInfo &c = **record;
        edit(CorpField::CorpName)->setText(c.corpName);
        edit(CorpField::ObligorNo)->setText(c.obligorNo);
        edit(CorpField::Address)->setText(c.address);
        edit(CorpField::Tel)->setText(c.tel);
        edit(CorpField::Fax)->setText(c.fax);
        edit(CorpField::PostalCode)->setText(c.postalCode);
        edit(CorpField::TaxNo)->setText(c.taxNo);
    }
}

QLineEdit *CompanyInfoDialog::edit(CorpField field) const
{
    for (const auto &[f, e] : m_edits) {
        if (f == field) {
            return e;
        }
    }
    return nullptr;
}

CorpInfo CompanyInfoDialog::values() const
{
    return {edit(CorpField::CorpName)->text(), edit(CorpField::ObligorNo)->text(),
            edit(CorpField::Address)->text(),  edit(CorpField::Tel)->text(),
            edit(CorpField::Fax)->text(),      edit(CorpField::PostalCode)->text(),
            edit(CorpField::TaxNo)->text()};
}

bool CompanyInfoDialog::onOk()
{
    const CorpInfo info = values();
    const CorpField missing = CheckCorpInfo(info);
    if (missing != CorpField::None) {
        m_messages.showInfo(CorpInfoMessage(missing));
        edit(missing)->setFocus();
        return false;
    }
    const auto saved = SaveCorpInfo(m_db, info);
    if (!saved) {
        m_messages.showError(QStringLiteral("保存失败！"));
        return false;
    }
    if (m_onSaved) {
        m_onSaved(*saved);
    }
    return true;
}

bool ShowCorpInfo(Database &db, MessageService &messages, CorpInfoSaved onSaved, QWidget *parent)
{
    CompanyInfoDialog dialog(db, messages, std::move(onSaved), parent);
    return dialog.isUsable() && dialog.exec() == QDialog::Accepted;
}
