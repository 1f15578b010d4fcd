#include "payroll/ui/WageItemCatalogWindow.h"

#include "base/MessageService.h"
#include "payroll/PayrollTexts.h"
#include "payroll/WageItemRules.h"
#include "payroll/ui/WageItemDialog.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QTableWidgetItem *cell(const QString &text)
{
    auto *item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

QString yesNo(bool value)
{
    return value ? QStringLiteral("是") : QStringLiteral("否");
}

} // namespace

WageItemCatalogWindow::WageItemCatalogWindow(Database &db, MessageService &messages,
                                             QWidget *parent)
    : BaseDialog(parent), m_store(db), m_messages(messages)
{
    setObjectName(QStringLiteral("WageItemCatalogWindow"));
    setWindowTitle(QStringLiteral("工资项目设定"));
    editDialog = [this](RdWageItem &item, bool adding) {
        return EditWageItem(m_store, m_messages, item, adding, this);
    };

    m_list = new QTableWidget(0, ColumnCount, this);
    m_list->setHorizontalHeaderLabels({QStringLiteral("项目名称"), QStringLiteral("项目类型"),
                                       QStringLiteral("项目描述"), QStringLiteral("是否启用"),
                                       QStringLiteral("是否只读")});
    m_list->setColumnHidden(ReadOnly, true);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->verticalHeader()->setVisible(false);
    m_list->verticalHeader()->setDefaultSectionSize(22);
    m_list->setColumnWidth(Name, 120);
    m_list->setColumnWidth(Type, 150);
    m_list->setColumnWidth(Remark, 200);
    m_list->setColumnWidth(InUse, 70);
    m_list->horizontalHeader()->setStretchLastSection(true);
    m_list->setMinimumSize(580, 320);
    m_list->setTabKeyNavigation(false);

    m_showUnused = new QCheckBox(QStringLiteral("显示不启用的工资项"), this);
    m_showUnused->setChecked(true);

    auto *buttons = new QVBoxLayout;
    const std::pair<QString, void (WageItemCatalogWindow::*)()> commands[] = {
        {QStringLiteral("添加(&N)"), &WageItemCatalogWindow::addItem},
        {QStringLiteral("编辑(&E)"), &WageItemCatalogWindow::editItem},
        {QStringLiteral("删除(&D)"), &WageItemCatalogWindow::deleteItem},
    };
    for (const auto &[caption, slot] : commands) {
        auto *b = new QPushButton(caption, this);
        b->setAutoDefault(false);
        b->setMinimumWidth(80);
        connect(b, &QPushButton::clicked, this, slot);
        buttons->addWidget(b);
        m_buttons << b;
    }
    buttons->addStretch();
    auto *close = new QPushButton(QStringLiteral("关闭(&C)"), this);
    close->setAutoDefault(false);
    close->setMinimumWidth(80);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(close);
    m_buttons << close;

    auto *left = new QVBoxLayout;
    left->addWidget(m_list, 1);
    left->addWidget(m_showUnused);
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(buttons);

    connect(m_showUnused, &QCheckBox::toggled, this, [this] {
        const RdWageItem *current = currentItem();
        showRows(current ? current->ItemName : QString());
    });
    connect(m_list, &QTableWidget::doubleClicked, this, &WageItemCatalogWindow::editItem);
    reload();
    showRows(QString());
}

QPushButton *WageItemCatalogWindow::button(const QString &caption) const
{
    for (QPushButton *b : m_buttons) {
        if (b->text() == caption) {
            return b;
        }
    }
    return nullptr;
}

void WageItemCatalogWindow::reload()
{
    const auto items = m_store.items();
    if (!items) {
        m_messages.showError(WageText::OpenItemsFailed);
    }
    m_items = items.value_or(QList<RdWageItem>());
}

void WageItemCatalogWindow::showRows(const QString &keepName)
{
    m_rows.clear();
    for (int i = 0; i < m_items.size(); ++i) {
        if (m_showUnused->isChecked() || m_items.at(i).IsInUse) {
            m_rows << i;
        }
    }
    m_list->setRowCount(int(m_rows.size()));
    for (int r = 0; r < m_rows.size(); ++r) {
        const RdWageItem &item = m_items.at(m_rows.at(r));
        m_list->setItem(r, Name, cell(item.ItemName));
        m_list->setItem(r, Type, cell(item.ItemType));
        m_list->setItem(r, Remark, cell(item.Remark));
        m_list->setItem(r, InUse, cell(yesNo(item.IsInUse)));
        m_list->setItem(r, ReadOnly, cell(yesNo(item.ReadOnly)));
    }
    if (!selectItem(keepName) && !m_rows.isEmpty()) {
        m_list->setCurrentCell(0, Name);
    }
}

const RdWageItem *WageItemCatalogWindow::currentItem() const
{
    const int r = m_list->currentRow();
    return (r >= 0 && r < m_rows.size()) ? &m_items.at(m_rows.at(r)) : nullptr;
}

bool WageItemCatalogWindow::selectItem(const QString &name)
{
    for (int r = 0; r < m_rows.size(); ++r) {
        if (!name.isEmpty() && m_items.at(m_rows.at(r)).ItemName == name) {
            m_list->setCurrentCell(r, Name);
            return true;
        }
    }
    return false;
}

void WageItemCatalogWindow::addItem()
{
    if (!BeginAddWageItem(m_store, m_messages)) {
        return;
    }
    RdWageItem item;
    if (!editDialog(item, true)) {
        return;
    }
    reload();
    showRows(item.ItemName);
}

void WageItemCatalogWindow::editItem()
{
    const RdWageItem *current = currentItem();
    if (!BeginEditWageItem(m_store, m_messages, current)) {
        return;
    }
    RdWageItem item = *current;
    if (!editDialog(item, false)) {
        return;
    }
    reload();
    showRows(item.ItemName);
}

void WageItemCatalogWindow::deleteItem()
{
    const int row = m_list->currentRow();
    if (DeleteWageItem(m_store, m_messages, currentItem()) != ItemDeleteResult::Deleted) {
        return;
    }
    reload();
    showRows(QString());
    if (!m_rows.isEmpty()) {
        m_list->setCurrentCell(qMin(row, int(m_rows.size()) - 1), Name);
    }
}

void ShowWageItems(Database &db, MessageService &messages, QWidget *parent)
{
    WageItemCatalogWindow window(db, messages, parent);
    window.exec();
}
