#include "tax/ui/DeductionSettingsDialog.h"

#include "base/MessageService.h"
#include "base/TextHelpers.h"
#include "widgets/EditHelpers.h"
#include "tax/DeductionSettings.h"
#include "tax/TaxRates.h"
#include "tax/TaxTexts.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

const QString kDeductionPage = QStringLiteral("工资扣除费用设置");
const QString kPrintPage = QStringLiteral("打印设置");

} // namespace

DeductionSettingsDialog::DeductionSettingsDialog(Database &db, TaxRates &rates, MessageService &messages, QWidget *parent)
    : BaseDialog(parent), m_db(db), m_rates(rates), m_messages(messages)
{
    setWindowTitle(QStringLiteral("扣除费用设置"));
    setObjectName(QStringLiteral("FrmSetTax"));

    m_heading = new QLabel(kDeductionPage, this);
    m_heading->setObjectName(QStringLiteral("lblHeading"));
    QFont headingFont = m_heading->font();
    headingFont.setBold(true);
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.25);
    m_heading->setFont(headingFont);

    m_pages = new QTabWidget(this);
    m_pages->addTab(buildDeductionPage(), kDeductionPage);
    m_pages->addTab(buildPrintPage(), kPrintPage);
    connect(m_pages, &QTabWidget::currentChanged, this, [this](int page) {
        m_heading->setText(page == 0 ? kDeductionPage : kPrintPage);
    });

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *ok = buttons->addButton(QStringLiteral("确定"), QDialogButtonBox::AcceptRole);
    QPushButton *cancel = buttons->addButton(QStringLiteral("取消"), QDialogButtonBox::RejectRole);
    ok->setObjectName(QStringLiteral("btnOk"));
    cancel->setObjectName(QStringLiteral("btnCancel"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &DeductionSettingsDialog::save);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_heading);
    layout->addWidget(m_pages);
    layout->addWidget(buttons);

    load();
}

QWidget *DeductionSettingsDialog::buildDeductionPage()
{
    auto *page = new QWidget;
    auto *form = new QFormLayout(page);
    auto *chineseLabel = new QLabel(TaxText::chinese(), page);
    auto *foreignLabel = new QLabel(TaxText::foreign(), page);
    HighlightLabel(chineseLabel);
    HighlightLabel(foreignLabel);
    m_chinese = new QLineEdit(page);
    m_foreign = new QLineEdit(page);
    m_chinese->setObjectName(QStringLiteral("edtChinese"));
    m_foreign->setObjectName(QStringLiteral("edtForeign"));
    for (QLineEdit *edit : {m_chinese, m_foreign}) {
        edit->setMaxLength(12);
        edit->setMinimumWidth(180);
        edit->setAlignment(Qt::AlignRight);
        MoneyKeyPress(edit);
    }
    form->addRow(chineseLabel, m_chinese);
    form->addRow(foreignLabel, m_foreign);
    return page;
}

QWidget *DeductionSettingsDialog::buildPrintPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    m_printRegion = new QCheckBox(QStringLiteral("表头打印"), page);
    m_printRegion->setObjectName(QStringLiteral("chkPrintRegion"));
    m_regionPanel = new QWidget(page);
    auto *panel = new QHBoxLayout(m_regionPanel);
    panel->setContentsMargins(0, 0, 0, 0);
    m_region = new QLineEdit(m_regionPanel);
    m_region->setObjectName(QStringLiteral("edtTitle"));
    m_region->setMaxLength(30);
    m_region->setMinimumWidth(200);
    panel->addWidget(new QLabel(QStringLiteral("所属地区"), m_regionPanel));
    panel->addWidget(m_region, 1);
    connect(m_printRegion, &QCheckBox::toggled, m_regionPanel, &QWidget::setEnabled);
    layout->addWidget(m_printRegion);
    layout->addWidget(m_regionPanel);
    layout->addStretch(1);
    return page;
}

void DeductionSettingsDialog::load()
{
    m_pages->setCurrentIndex(0);
    // The defaults stand when the table holds no row for a staff type.
    const DeductionBases bases = LoadDeductionBases(m_db).value_or(DeductionBases{});
    m_chinese->setText(FormatMoney(bases.chinese));
    m_foreign->setText(FormatMoney(bases.foreign));

    const PrintTitleSettings title = ReadPrintTitleSettings();
    m_region->setText(title.region);
    m_printRegion->setChecked(title.printRegion);
    m_regionPanel->setEnabled(title.printRegion);
}

void DeductionSettingsDialog::save()
{
    const DeductionInput in = CheckDeductionInput(m_chinese->text(), m_foreign->text());
    m_chinese->setText(in.chineseText);
    m_foreign->setText(in.foreignText);
    if (in.failed != DeductionInput::Failed::None) {
        m_messages.showError(in.message);
        m_pages->setCurrentIndex(0);
        (in.failed == DeductionInput::Failed::Chinese ? m_chinese : m_foreign)->setFocus();
        return;
    }

    const bool saved = SaveDeductionBases(m_db, in.bases);
    if (saved) {
        ReloadWageTaxRates(m_db, m_rates, m_messages);
    }
    // The print setting is kept whatever became of the deductions.
    const bool titleWritten
        = WritePrintTitleSettings({m_region->text(), m_printRegion->isChecked()});
    if (!saved || !titleWritten) {
        // Closing now would look like success; the typed amounts stay for another try.
        m_messages.showError(TaxText::saveFailed());
        return;
    }
    accept();
}

void ShowDeductionSettings(Database &db, TaxRates &rates, MessageService &messages,
                           QWidget *parent)
{
    DeductionSettingsDialog dialog(db, rates, messages, parent);
    dialog.exec();
}
