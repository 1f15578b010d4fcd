#include "org/ui/EmployeePickerDialog.h"

#include "base/MessageService.h"
#include "org/EmployeeStore.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

EmployeePickerDialog::EmployeePickerDialog(const QString &fragment, const QList<EmpPickRow> &rows,
                                   QWidget *parent)
    : OkCancelDialog(Buttons::Horizontal, QString(), QString(), parent)
{
    setWindowTitle(fragment);
    auto *layout = new QVBoxLayout(body());
    layout->setContentsMargins(0, 0, 0, 0);
    m_table = new QTableWidget(int(rows.size()), 6, body());
    m_table->setHorizontalHeaderLabels({QStringLiteral("人员编号"), QStringLiteral("姓名"),
                                        QStringLiteral("性别"), QStringLiteral("身份证号"),
                                        QStringLiteral("状态"), QStringLiteral("国籍")});
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->verticalHeader()->setVisible(false);
    m_table->horizontalHeader()->setStretchLastSection(true);
    for (int r = 0; r < rows.size(); ++r) {
        const EmpPickRow &e = rows.at(r);
        const QString state = e.empState == 1 ? QStringLiteral("在职") : QStringLiteral("离职");
        const QStringList cells{e.empId, e.empName, e.sex, e.idCardNo, state, e.empType};
        for (int c = 0; c < cells.size(); ++c) {
            m_table->setItem(r, c, new QTableWidgetItem(cells.at(c)));
        }
    }
    m_table->resizeColumnsToContents();
    m_table->setColumnWidth(3, qMax(m_table->columnWidth(3), 150));
    if (!rows.isEmpty()) {
        m_table->setCurrentCell(0, 0);
    }
    // Room for the six columns and a handful of rows; the dialog keeps its size.
    m_table->setMinimumSize(540, 220);
    layout->addWidget(m_table);
    m_table->setFocus();

    okButton()->setText(QStringLiteral("选择"));
    cancelButton()->hide();
    connect(m_table, &QTableWidget::cellDoubleClicked, this, &OkCancelDialog::pressOk);
}

QString EmployeePickerDialog::currentEmpId() const
{
    if (m_table->rowCount() == 0) {
        return {};
    }
    const int row = qMax(0, m_table->currentRow());
    return m_table->item(row, 0)->text();
}

QString PickEmpByName(Database &db, MessageService &messages, const QString &fragment,
                      QWidget *parent)
{
    const QString f = fragment.trimmed();
    const auto rows = EmployeeStore(db).byNamePart(f);
    if (!rows) {
        messages.showError(QStringLiteral("查询数据库失败！"));
        return {};
    }
    EmployeePickerDialog dialog(f, *rows, parent);
    dialog.exec();
    return dialog.currentEmpId();
}
