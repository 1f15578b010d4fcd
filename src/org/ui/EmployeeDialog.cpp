#include "org/ui/EmployeeDialog.h"

#include "base/AppEnv.h"
#include "base/MessageService.h"
#include "widgets/EditHelpers.h"
#include "org/DepartmentStore.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

EmployeeDialog::EmployeeDialog(Database &db, MessageService &messages, QWidget *parent)
    : OkCancelDialog(Buttons::Horizontal, QStringLiteral("添加员工"), QStringLiteral("users"),
                       parent),
      m_store(db), m_messages(messages)
{
    build();
    EnterToNextControl(this);
}

void EmployeeDialog::build()
{
    QWidget *page = body();
    auto *grid = new QGridLayout(page);
    grid->setContentsMargins(2, 4, 2, 4);
    grid->setHorizontalSpacing(8);
    auto edit = [page] { return new QLineEdit(page); };
    auto place = [&](int row, int col, const QString &text, QWidget *w) {
        auto *label = new QLabel(text, page);
        label->setBuddy(w);
        grid->addWidget(label, row, col * 2);
        grid->addWidget(w, row, col * 2 + 1);
    };
    m_code = edit();
    m_name = edit();
    m_dept = edit();
    m_dept->setReadOnly(true);
    m_dept->setFocusPolicy(Qt::NoFocus);
    GreyEdit(m_dept);
    m_sex = new QComboBox(page);
    m_sex->addItems({QStringLiteral("男"), QStringLiteral("女")});
    m_type = new QComboBox(page);
    m_type->addItems({kDomestic, kForeign});
    m_idCard = edit();
    m_nationality = edit();
    m_tel = edit();
    m_bank = edit();
    m_card = edit();
    m_address = edit();
    m_remark = edit();

    place(0, 0, QStringLiteral("员工编号:"), m_code);
    place(0, 1, QStringLiteral("姓  名:"), m_name);
    place(1, 0, QStringLiteral("部门名称:"), m_dept);
    place(1, 1, QStringLiteral("性  别:"), m_sex);
    place(2, 0, QStringLiteral("员工类型:"), m_type);
    place(2, 1, QStringLiteral("身份证号:"), m_idCard);
    place(3, 0, QStringLiteral("国  籍:"), m_nationality);
    place(3, 1, QStringLiteral("电  话"), m_tel);
    place(4, 0, QStringLiteral("银行名称:"), m_bank);
    place(4, 1, QStringLiteral("银行卡号:"), m_card);

    auto *group = new QGroupBox(QStringLiteral("人员状态:"), page);
    auto *g = new QGridLayout(group);
    m_inService = new QRadioButton(QStringLiteral("在职"), group);
    m_departed = new QRadioButton(QStringLiteral("离职"), group);
    m_entry = new QDateEdit(group);
    m_departure = new QDateEdit(group);
    for (QDateEdit *d : {m_entry, m_departure}) {
        d->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
        d->setCalendarPopup(true);
        // The whole date and the drop-down arrow, with a little air between them.
        d->setMinimumWidth(d->fontMetrics().horizontalAdvance(QStringLiteral("0000-00-00")) + 48);
    }
    g->addWidget(m_inService, 0, 0);
    g->addWidget(new QLabel(QStringLiteral("入职日期:"), group), 0, 1);
    g->addWidget(m_entry, 0, 2);
    g->addWidget(m_departed, 1, 0);
    g->addWidget(new QLabel(QStringLiteral("离职日期:"), group), 1, 1);
    g->addWidget(m_departure, 1, 2);
    g->setColumnStretch(3, 1);
    grid->addWidget(group, 5, 0, 1, 4);

    auto *addressLabel = new QLabel(QStringLiteral("地  址:"), page);
    addressLabel->setBuddy(m_address);
    grid->addWidget(addressLabel, 6, 0);
    grid->addWidget(m_address, 6, 1, 1, 3);
    auto *remarkLabel = new QLabel(QStringLiteral("说  明:"), page);
    remarkLabel->setBuddy(m_remark);
    grid->addWidget(remarkLabel, 7, 0);
    grid->addWidget(m_remark, 7, 1, 1, 3);
    grid->setColumnMinimumWidth(1, 170);
    grid->setColumnMinimumWidth(3, 170);

    keepEnterFromSaving();
    connect(m_type, &QComboBox::currentIndexChanged, this, &EmployeeDialog::applyNationalityDefault);
    connect(m_inService, &QRadioButton::clicked, this, &EmployeeDialog::stateClicked);
    connect(m_departed, &QRadioButton::clicked, this, &EmployeeDialog::stateClicked);

    setTabOrder(m_code, m_name);
    setTabOrder(m_name, m_sex);
    setTabOrder(m_sex, m_type);
    setTabOrder(m_type, m_idCard);
    setTabOrder(m_idCard, m_nationality);
    setTabOrder(m_nationality, m_tel);
    setTabOrder(m_tel, m_bank);
    setTabOrder(m_bank, m_card);
    setTabOrder(m_card, m_inService);
    setTabOrder(m_inService, m_entry);
    setTabOrder(m_entry, m_departed);
    setTabOrder(m_departed, m_departure);
    setTabOrder(m_departure, m_address);
    setTabOrder(m_address, m_remark);
}

void EmployeeDialog::setCaption(const QString &text)
{
    setWindowTitle(text);
    banner()->setText(text);
}

void EmployeeDialog::applyNationalityDefault()
{
    m_nationality->setText(NationalityDefault(m_type->currentText()));
}

void EmployeeDialog::stateClicked()
{
    m_departure->setEnabled(m_departed->isChecked());
}

void EmployeeDialog::openForAdd(const QString &deptId)
{
    setCaption(QStringLiteral("添加员工"));
    m_state = EmpEditState{};
    m_state.deptId = deptId;
    m_loaded = EmployeeRecord{};
    m_dept->setText(DepartmentStore(m_store.database()).deptName(deptId));
    m_inService->setChecked(true);
    m_entry->setDate(Today());
    m_departure->setDate(Today());
    m_entry->setEnabled(true);
    m_departure->setEnabled(false);
    m_sex->setCurrentIndex(0);
    m_type->setCurrentIndex(0);
    applyNationalityDefault();
    m_code->setFocus();
}

bool EmployeeDialog::openForModify(const QString &empId)
{
    setCaption(QStringLiteral("修改员工信息"));
    m_state = EmpEditState{};
    m_state.adding = false;
    m_code->setReadOnly(true);
    GreyEdit(m_code);
    const auto rows = m_store.byId(empId);
    if (!rows || rows->isEmpty()) {
        if (!rows) {
            m_messages.showError(EmpText::QueryFailed);
        } else {
            m_messages.showInfo(EmpText::NotFound);
        }
        okButton()->setEnabled(false);
        return false;
    }
    m_loaded = rows->first();
    const EmployeeRecord &e = m_loaded;
    m_state.deptId = e.deptId;
    m_state.loadedName = e.empName.trimmed();
    m_state.storedEndDate = e.endDate;

    m_code->setText(e.empId);
    m_name->setText(e.empName);
    m_dept->setText(DepartmentStore(m_store.database()).deptName(e.deptId));
    m_idCard->setText(e.idCardNo);
    m_tel->setText(e.tel);
    m_bank->setText(e.bankName);
    m_card->setText(e.cardNo);
    m_address->setText(e.address);
    m_remark->setText(e.remark);

    const bool inService = e.empState == 1;
    m_inService->setChecked(inService);
    m_departed->setChecked(!inService);
    m_departure->setDate(inService || !e.endDate.isValid() ? Today() : e.endDate);
    m_entry->setDate(e.startDate.isValid() ? e.startDate : Today());
    m_entry->setEnabled(inService);
    m_departure->setEnabled(!inService);

    const int sex = m_sex->findText(e.sex);
    m_sex->setCurrentIndex(sex >= 0 ? sex : 0);
    const int type = m_type->findText(e.empType);
    {
        // Selecting the stored type must not overwrite the stored nationality.
        const QSignalBlocker block(m_type);
        m_type->setCurrentIndex(type >= 0 ? type : 0);
    }
    m_nationality->setText(e.nationality);
    m_name->setFocus();
    return true;
}

EmpInput EmployeeDialog::input() const
{
    EmpInput in;
    in.fields = m_loaded;
    in.fields.empId = m_code->text();
    in.fields.empName = m_name->text();
    in.fields.idCardNo = m_idCard->text();
    in.fields.sex = m_sex->currentText();
    in.fields.empType = m_type->currentText();
    in.fields.nationality = m_nationality->text();
    in.fields.tel = m_tel->text();
    in.fields.bankName = m_bank->text();
    in.fields.cardNo = m_card->text();
    in.fields.address = m_address->text();
    in.fields.remark = m_remark->text();
    in.inService = m_inService->isChecked();
    in.entryDate = m_entry->date();
    in.departureDate = m_departure->date();
    return in;
}

bool EmployeeDialog::onOk()
{
    const EmpCheckResult result = SaveEmp(m_store, m_messages, input(), m_state);
    if (result.ok()) {
        return true;
    }
    switch (result.focus) {
    case EmpField::Code: m_code->setFocus(); break;
    case EmpField::Name: m_name->setFocus(); break;
    case EmpField::IdCard: m_idCard->setFocus(); break;
    case EmpField::EndDate:
        if (m_departure->isEnabled()) {
            m_departure->setFocus();
        }
        break;
    case EmpField::None: break;
    }
    return false;
}

bool AddEmp(Database &db, MessageService &messages, const QString &deptId, QWidget *parent)
{
    EmployeeDialog dialog(db, messages, parent);
    dialog.openForAdd(deptId);
    return dialog.exec() == QDialog::Accepted;
}

bool ModifyEmp(Database &db, MessageService &messages, const QString &empId, QWidget *parent)
{
    EmployeeDialog dialog(db, messages, parent);
    dialog.openForModify(empId);
    return dialog.exec() == QDialog::Accepted;
}
