// The wage item catalogue and the item dialog: adding, changing and deleting items with every
// check and refusal, the filter of items not in use.

#include "PayrollWindowFixture.h"

#include "payroll/WageItemStore.h"
#include "payroll/ui/WageItemCatalogWindow.h"
#include "payroll/ui/WageItemDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>

namespace {

QStringList listedNames(const WageItemCatalogWindow &w)
{
    QStringList names;
    for (int r = 0; r < w.list()->rowCount(); ++r) {
        names << w.list()->item(r, WageItemCatalogWindow::Name)->text();
    }
    return names;
}

void fill(WageItemDialog *d, const QString &name, const QString &type, bool inUse = true,
          const QString &remark = {})
{
    d->nameEdit()->setText(name);
    d->typeBox()->setCurrentIndex(d->typeBox()->findText(type));
    d->inUseBox()->setChecked(inUse);
    d->remarkEdit()->setPlainText(remark);
}

const QString kTaxable = QStringLiteral("工资薪金所得纳税项");

} // namespace

class WageItemCatalogTest : public QObject
{
    Q_OBJECT

private slots:
    void listsTheCatalogueAndHidesItemsNotInUseOnRequest()
    {
        PayrollWindowFixture f(false);
        f.app.exec(QStringLiteral("insert into Dict_Item (ItemName, ItemType, IsInUse, ReadOnly, "
                                  "Remark) values ('旧津贴', ?, 0, 0, '不再发放')"),
                   {kTaxable});
        WageItemCatalogWindow w(f.db(), f.messages);
        QCOMPARE(w.windowTitle(), QStringLiteral("工资项目设定"));
        QCOMPARE(listedNames(w), (QStringList{"基本工资", "养老保险金", "医疗保险金", "住房公积金",
                                              "旧津贴"}));
        QCOMPARE(w.list()->item(4, WageItemCatalogWindow::InUse)->text(), QStringLiteral("否"));
        QCOMPARE(w.list()->item(0, WageItemCatalogWindow::InUse)->text(), QStringLiteral("是"));
        QVERIFY(w.list()->isColumnHidden(WageItemCatalogWindow::ReadOnly));
        QVERIFY(w.showUnusedBox()->isChecked());
        w.showUnusedBox()->setChecked(false);
        QCOMPARE(listedNames(w).size(), 4);
        QVERIFY(!listedNames(w).contains(QStringLiteral("旧津贴")));
    }

    void addsAnItemThroughTheDialogAfterItsChecks()
    {
        PayrollWindowFixture f(false);
        WageItemCatalogWindow w(f.db(), f.messages);
        QStringList seen;
        onNextDialog<WageItemDialog>([&](WageItemDialog *d) {
            seen << d->windowTitle();
            QVERIFY(d->inUseBox()->isChecked()); // a fresh item is in use
            QCOMPARE(d->typeBox()->currentIndex(), -1);
            // The checks in their order, each keeping the dialog open.
            QVERIFY(!d->pressOk());
            fill(d, QStringLiteral("1津贴"), kTaxable);
            QVERIFY(!d->pressOk());
            fill(d, QStringLiteral("岗位津贴"), QString());
            QVERIFY(!d->pressOk());
            fill(d, QStringLiteral("基本工资"), kTaxable);
            QVERIFY(!d->pressOk());
            // Checked as typed (a leading blank would be refused), saved trimmed.
            fill(d, QStringLiteral("岗位津贴  "), kTaxable, true, QStringLiteral(" 按岗位 "));
            QVERIFY(d->pressOk());
        });
        w.addItem();
        QCOMPARE(seen, QStringList{QStringLiteral("工资项目")});
        QCOMPARE(f.messages.texts(),
                 (QStringList{"请输入项目名称！", "项目名称不能以数字开头！", "请选择项目类型！",
                              "已有此项目，请重新输入！"}));
        QCOMPARE(listedNames(w).last(), QStringLiteral("岗位津贴"));
        QCOMPARE(w.currentItem()->ItemName, QStringLiteral("岗位津贴"));
        QCOMPARE(w.currentItem()->Remark, QStringLiteral("按岗位"));
        QCOMPARE(w.currentItem()->ReadOnly, false);
        // The column is made by the wage window when it next opens, not here.
        QVERIFY(!f.db().hasColumn(QStringLiteral("Wage"), QStringLiteral("岗位津贴")));
    }

    void theDialogFocusesTheFieldOfTheFailedCheck()
    {
        PayrollWindowFixture f(false);
        WageItemStore store(f.db());
        WageItemDialog d(store, f.messages, RdWageItem(), true);
        d.show();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        fill(&d, QStringLiteral("岗位津贴"), QString());
        QVERIFY(!d.pressOk());
        QCOMPARE(QApplication::focusWidget(), d.typeBox());
        fill(&d, QString(), kTaxable);
        QVERIFY(!d.pressOk());
        QCOMPARE(QApplication::focusWidget(), d.nameEdit());
        // The description takes at most 100 characters.
        d.remarkEdit()->setPlainText(QString(120, u'注'));
        QCOMPARE(d.remarkEdit()->toPlainText().size(), 100);
        QCOMPARE(d.nameEdit()->maxLength(), 30);
    }

    void editsAnItemKeepingItsOwnNameAndRefusingAnothersName()
    {
        PayrollWindowFixture f(false);
        f.app.exec(QStringLiteral("insert into Dict_Item (ItemName, ItemType, IsInUse, ReadOnly, "
                                  "Remark) values ('岗位津贴', ?, 1, 0, '')"),
                   {kTaxable});
        WageItemCatalogWindow w(f.db(), f.messages);
        QVERIFY(w.selectItem(QStringLiteral("岗位津贴")));
        onNextDialog<WageItemDialog>([&](WageItemDialog *d) {
            QCOMPARE(d->nameEdit()->text(), QStringLiteral("岗位津贴"));
            QCOMPARE(d->typeBox()->currentText(), kTaxable);
            d->nameEdit()->setText(QStringLiteral("基本工资"));
            QVERIFY(!d->pressOk());
            d->nameEdit()->setText(QStringLiteral("岗位津贴"));
            d->inUseBox()->setChecked(false);
            QVERIFY(d->pressOk()); // its own name is no duplicate
        });
        w.editItem();
        QCOMPARE(f.messages.texts(), QStringList{QStringLiteral("已有此项目，请重新输入！")});
        QCOMPARE(w.currentItem()->ItemName, QStringLiteral("岗位津贴"));
        QCOMPARE(w.currentItem()->IsInUse, false);
        QCOMPARE(w.list()->item(w.list()->currentRow(), WageItemCatalogWindow::InUse)->text(),
                 QStringLiteral("否"));

        // With the filter off, the changed item leaves the list.
        w.showUnusedBox()->setChecked(false);
        QVERIFY(!listedNames(w).contains(QStringLiteral("岗位津贴")));
    }

    void basicItemsAndDraftsRefuseChanges()
    {
        PayrollWindowFixture f(false);
        WageItemCatalogWindow w(f.db(), f.messages);
        w.editDialog = [](RdWageItem &, bool) -> bool {
            qFatal("no dialog may open");
            return false;
        };
        QVERIFY(w.selectItem(QStringLiteral("养老保险金")));
        w.editItem();
        w.deleteItem();
        QCOMPARE(f.messages.texts(),
                 (QStringList{"基本项不允许更改！", "基本项不允许删除！"}));

        // A draft of any month stops add, edit and delete with a warning.
        f.messages.clear();
        f.app.exec(QStringLiteral("insert into Wage (WageYear, WageMonth, WageTimes, WageState, "
                                  "EmpId, DeptName) values (2004, 12, 1, '草稿中', 'E01', '财务部')"));
        w.addItem();
        w.editItem();
        w.deleteItem();
        const ScriptedMessageService::Box draft{Kind::Warning,
                                                QStringLiteral("已有草稿中数据，请先清除草稿数据！")};
        QCOMPARE(f.messages.boxes(), (Boxes{draft, draft, draft}));
    }

    void deletesOnlyAnItemWithoutAmountsAfterAsking()
    {
        PayrollWindowFixture f(false);
        for (const char *name : {"岗位津贴", "夜班津贴"}) {
            f.app.exec(QStringLiteral("insert into Dict_Item (ItemName, ItemType, IsInUse, "
                                      "ReadOnly, Remark) values (?, ?, 1, 0, '')"),
                       {QString::fromUtf8(name), kTaxable});
            f.db().addColumn(QStringLiteral("Wage"), QString::fromUtf8(name), QStringLiteral("MONEY"));
        }
        // A posted month paid 夜班津贴; 岗位津贴 holds only zeros.
        f.app.exec(QStringLiteral("insert into Wage (WageYear, WageMonth, WageTimes, WageState, "
                                  "EmpId, DeptName, 夜班津贴, 岗位津贴) values "
                                  "(2005, 1, 1, '已完成', 'E01', '财务部', 500000, 0)"));
        WageItemCatalogWindow w(f.db(), f.messages);
        QVERIFY(w.selectItem(QStringLiteral("夜班津贴")));
        w.deleteItem();
        QCOMPARE(f.messages.boxes(),
                 (Boxes{{Kind::Warning, QStringLiteral("此工资项目不能删除！")}}));

        f.messages.clear();
        QVERIFY(w.selectItem(QStringLiteral("岗位津贴")));
        f.messages.setNextAnswer(false);
        w.deleteItem();
        QVERIFY(listedNames(w).contains(QStringLiteral("岗位津贴")));
        f.messages.setNextAnswer(true);
        w.deleteItem();
        QCOMPARE(f.messages.texts(), (QStringList{"您确信删除此工资项目？", "您确信删除此工资项目？"}));
        QVERIFY(!listedNames(w).contains(QStringLiteral("岗位津贴")));
        QVERIFY(!f.db().hasColumn(QStringLiteral("Wage"), QStringLiteral("岗位津贴")));
        QVERIFY(f.db().hasColumn(QStringLiteral("Wage"), QStringLiteral("夜班津贴")));
    }

    void anEmptyListHasNothingToEditOrDelete()
    {
        PayrollWindowFixture f(false);
        f.app.exec(QStringLiteral("delete from Dict_Item"));
        WageItemCatalogWindow w(f.db(), f.messages);
        QCOMPARE(w.list()->rowCount(), 0);
        w.editItem();
        w.deleteItem();
        QCOMPARE(f.messages.texts(), (QStringList{"没有要编辑的工资项目！", "没有要删除的工资项目！"}));
    }
};

QTEST_MAIN(WageItemCatalogTest)
#include "WageItemCatalogTest.moc"
