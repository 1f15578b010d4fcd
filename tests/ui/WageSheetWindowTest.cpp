// The wage window: generating a sheet, typing amounts and leaving the row, the department
// view and its totals, temporary staff, posting and the refusals on a posted month.
//
// Figures worked by hand on the Chinese set (deduction 800; 5% to 500, 10% less 25 to 2000,
// 15% less 125 to 5000):
//   张三 基本工资 3000, 养老保险金 200: gross 3000, taxable 2800, taxable income 2000 (10% row),
//        tax 200 - 25 = 175, net 3000 - 200 - 175 = 2625.
//   李四 基本工资 1000: taxable 1000, taxable income 200 (5%), tax 10, net 990.

#include "PayrollFixture.h"
#include "PayrollWindowFixture.h"

#include "payroll/ImportTableStore.h"
#include "payroll/ImportTextFile.h"
#include "payroll/SourceText.h"
#include "payroll/WageImport.h"
#include "payroll/WageSheetModel.h"
#include "payroll/ui/WageGenerationDialog.h"
#include "payroll/ui/WageSheetWindow.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QSpinBox>
#include <QTableView>
#include <QToolBar>
#include <QTreeWidget>

namespace {

struct Window
{
    explicit Window(PayrollWindowFixture &f)
        : w(f.db(), f.rates, f.messages, f.opener, QStringLiteral("北方机械厂"))
    {
        w.hooks.progress = &progress;
        w.hooks.chooseSheetPeriod = [](QWidget *) {
            return std::optional<SheetRequest>(SheetRequest{2005, 3, {1, false}, false});
        };
        w.hooks.choosePostingDate = [](const QString &, int, int, QWidget *) {
            return std::optional<QString>(QStringLiteral("2005-03-31"));
        };
        w.resize(1000, 600);
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
    }
    WageSheetModel &model() { return *w.model(); }
    int column(const QString &title) const
    {
        const WageSheetModel &m = *w.model();
        for (int c = 0; c < m.columnCount(); ++c) {
            if (m.headerData(c, Qt::Horizontal).toString() == title) {
                return c;
            }
        }
        return -1;
    }
    QString cell(int row, const QString &title) const
    {
        return w.model()->index(row, column(title)).data().toString();
    }
    int rowOf(const QString &name) const
    {
        for (int r = 0; r < w.model()->rowCount(); ++r) {
            if (w.model()->index(r, WageSheetModel::EmpName).data().toString() == name) {
                return r;
            }
        }
        return -1;
    }
    // Types into a cell through the grid's own editor, as the clerk does.
    void type(const QString &name, const QString &title, const QString &text)
    {
        const QModelIndex index = w.model()->index(rowOf(name), column(title));
        w.grid()->setCurrentIndex(index);
        w.grid()->edit(index);
        QWidget *editor = QApplication::focusWidget();
        QVERIFY(editor && editor != w.grid());
        QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(editor, text);
    }
    void leaveTo(const QString &name)
    {
        w.grid()->setCurrentIndex(w.model()->index(rowOf(name), WageSheetModel::EmpName));
    }

    CountingProgress progress; // before the window, which reports into it
    WageSheetWindow w;
};

QStringList captions(const WageSheetWindow &w)
{
    QStringList out;
    for (QAction *a : w.findChild<QToolBar *>()->actions()) {
        if (!a->isSeparator() && !a->text().isEmpty()) {
            out << a->text();
        }
    }
    return out;
}

} // namespace

class WageSheetWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void opensWithTheToolbarTreeAndAnEmptySheet()
    {
        PayrollWindowFixture f;
        // An item added in the catalogue gets its column when the window opens.
        f.app.exec(QStringLiteral("insert into Dict_Item (ItemName, ItemType, IsInUse, ReadOnly, "
                                  "Remark) values ('岗位津贴', '工资薪金所得纳税项', 1, 0, '')"));
        QVERIFY(!f.db().hasColumn(QStringLiteral("Wage"), QStringLiteral("岗位津贴")));
        Window t(f);
        QVERIFY(f.db().hasColumn(QStringLiteral("Wage"), QStringLiteral("岗位津贴")));
        QCOMPARE(t.w.windowTitle(), QStringLiteral("工资计算"));
        QCOMPARE(t.w.objectName(), QStringLiteral("WageSheetWindow"));
        QCOMPARE(captions(t.w), (QStringList{"数据导入(&I)", "工资生成(&P)", "过账(&Z)",
                                             "一次性奖金", "添加临时人员", "删除临时人员",
                                             "清除草稿数据", "输出Excel", "工资浏览", "关闭(&C)"}));
        QTreeWidgetItem *root = t.w.tree()->topLevelItem(0);
        QCOMPARE(root->text(0), QStringLiteral("北方机械厂"));
        QCOMPARE(root->childCount(), 3);
        QCOMPARE(t.model().rowCount(), 0);
        QCOMPARE(t.w.countLabel()->text(), QStringLiteral("0"));
        QVERIFY(f.messages.boxes().isEmpty());
    }

    void refusesToOpenWithoutEmployees()
    {
        PayrollWindowFixture f(false);
        QVERIFY(!WageSheetWindow::mayOpen(f.db(), f.messages));
        QCOMPARE(f.messages.boxes(),
                 (Boxes{{Kind::Info, QStringLiteral("请先维护部门员工信息！")}}));
    }

    void generatesThroughTheDialogAndShowsTheSheetWithItsTotals()
    {
        PayrollWindowFixture f;
        Window t(f);
        t.w.hooks.chooseSheetPeriod = [&f](QWidget *parent) {
            return ChooseSheetPeriod(f.db(), f.messages, parent);
        };
        onNextDialog<WageGenerationDialog>([](WageGenerationDialog *d) {
            QCOMPARE(d->windowTitle(), QStringLiteral("工资生成"));
            QCOMPARE(d->yearBox()->value(), 2005);
            QCOMPARE(d->monthBox()->currentText(), QStringLiteral("三月份"));
            QCOMPARE(d->monthBox()->itemText(11), QStringLiteral("十二月"));
            QVERIFY(d->pressOk());
        });
        t.w.action(QStringLiteral("工资生成(&P)"))->trigger();
        QCOMPARE(t.progress.begun, 1);

        // The three regular employees by department (财务部 before 生产部: pinyin, not
        // character codes) and code, then the totals row; the temporary staff enter only by
        // hand.
        QCOMPARE(t.model().rowCount(), 4);
        QCOMPARE(t.w.countLabel()->text(), QStringLiteral("3"));
        QCOMPARE(t.cell(0, QStringLiteral("姓名")), QStringLiteral("张三"));
        QCOMPARE(t.cell(1, QStringLiteral("姓名")), QStringLiteral("李四"));
        QCOMPARE(t.cell(3, QStringLiteral("部门名称")), QStringLiteral("合计"));
        QCOMPARE(t.cell(t.rowOf(QStringLiteral("王五")), QStringLiteral("减除费用")),
                 QStringLiteral("4000.00"));
        QCOMPARE(t.cell(t.rowOf(QStringLiteral("张三")), QStringLiteral("减除费用")),
                 QStringLiteral("800.00"));
        QCOMPARE(t.cell(3, QStringLiteral("减除费用")), QString()); // blank in the totals
        QCOMPARE(t.cell(3, QStringLiteral("基本工资")), QStringLiteral("0.00"));
        // Hidden: 工资类型, 工资次数, wageid, and the bonus until asked for.
        QVERIFY(t.w.grid()->isColumnHidden(WageSheetModel::WageType));
        QVERIFY(t.w.grid()->isColumnHidden(WageSheetModel::WageTimes));
        QVERIFY(t.w.grid()->isColumnHidden(t.model().wageIdColumn()));
        const int bonus = t.column(QStringLiteral("一次性奖金"));
        QVERIFY(t.w.grid()->isColumnHidden(bonus));
        t.w.action(QStringLiteral("一次性奖金"))->trigger();
        QVERIFY(!t.w.grid()->isColumnHidden(bonus));
        // Figures right-aligned; titles whole.
        QCOMPARE(t.model()
                     .index(0, t.column(QStringLiteral("纳税额")))
                     .data(Qt::TextAlignmentRole)
                     .toInt(),
                 int(Qt::AlignRight | Qt::AlignVCenter));
        const int wide = t.column(QStringLiteral("应纳税所得额"));
        QVERIFY(t.w.grid()->columnWidth(wide) >=
                t.w.grid()->horizontalHeader()->fontMetrics().horizontalAdvance(
                    QStringLiteral("应纳税所得额")));
    }

    void leavingAnEditedRowComputesItAndMovesTheTotals()
    {
        PayrollWindowFixture f;
        Window t(f);
        t.w.generate();
        t.type(QStringLiteral("张三"), QStringLiteral("基本工资"), QStringLiteral("3000"));
        t.leaveTo(QStringLiteral("张三")); // same row: held, not yet computed
        t.type(QStringLiteral("张三"), QStringLiteral("养老保险金"), QStringLiteral("200"));
        t.leaveTo(QStringLiteral("张三"));
        const int zhang = t.rowOf(QStringLiteral("张三"));
        QCOMPARE(t.cell(zhang, QStringLiteral("基本工资")), QStringLiteral("3000.00"));
        QCOMPARE(t.cell(zhang, QStringLiteral("应发工资")), QStringLiteral("0.00"));
        QCOMPARE(t.model().pendingRow(), zhang);

        t.leaveTo(QStringLiteral("李四"));
        QCOMPARE(t.model().pendingRow(), -1);
        QCOMPARE(t.cell(zhang, QStringLiteral("应发工资")), QStringLiteral("3000.00"));
        QCOMPARE(t.cell(zhang, QStringLiteral("应税工资")), QStringLiteral("2800.00"));
        QCOMPARE(t.cell(zhang, QStringLiteral("应纳税所得额")), QStringLiteral("2000.00"));
        QCOMPARE(t.cell(zhang, QStringLiteral("纳税额")), QStringLiteral("175.00"));
        QCOMPARE(t.cell(zhang, QStringLiteral("实发工资")), QStringLiteral("2625.00"));
        QCOMPARE(PayrollFixture::wageAmount(f.db(), 2005, 3, QStringLiteral("E01"),
                                            QStringLiteral("实发工资")),
                 Money::fromYuan(2625));

        // A toolbar command takes in the amount still being typed.
        t.type(QStringLiteral("李四"), QStringLiteral("基本工资"), QStringLiteral("1000"));
        t.w.action(QStringLiteral("输出Excel"))->trigger();
        const int totals = t.model().totalsRow();
        QCOMPARE(t.cell(totals, QStringLiteral("应发工资")), QStringLiteral("4000.00"));
        QCOMPARE(t.cell(totals, QStringLiteral("纳税额")), QStringLiteral("185.00"));
        QCOMPARE(t.cell(totals, QStringLiteral("实发工资")), QStringLiteral("3615.00"));
        QCOMPARE(f.opener.opened.size(), 1);

        // The totals row takes no typing.
        const QModelIndex sum = t.model().index(totals, t.column(QStringLiteral("基本工资")));
        QVERIFY(!(t.model().flags(sum) & Qt::ItemIsEditable));
        t.w.grid()->setCurrentIndex(sum);
        t.w.grid()->edit(sum);
        QCOMPARE(QApplication::focusWidget(), t.w.grid());

        // Text that is not an amount is refused and the row keeps its figures.
        t.type(QStringLiteral("李四"), QStringLiteral("基本工资"), QStringLiteral("abc"));
        t.leaveTo(QStringLiteral("张三"));
        QCOMPARE(f.messages.boxes().size(), 1);
        QCOMPARE(f.messages.boxes().first().kind, Kind::Error);
        QCOMPARE(t.cell(t.rowOf(QStringLiteral("李四")), QStringLiteral("基本工资")),
                 QStringLiteral("1000.00"));
    }

    void aDepartmentNodeShowsItsRowsWithTheirOwnTotals()
    {
        PayrollWindowFixture f;
        Window t(f);
        t.w.generate();
        t.type(QStringLiteral("张三"), QStringLiteral("基本工资"), QStringLiteral("3000"));
        t.type(QStringLiteral("李四"), QStringLiteral("基本工资"), QStringLiteral("1000"));
        t.leaveTo(QStringLiteral("张三"));
        QVERIFY(t.w.selectDepartment(QStringLiteral("生产部")));
        QCOMPARE(t.model().rowCount(), 3);
        QCOMPARE(t.w.countLabel()->text(), QStringLiteral("2"));
        QCOMPARE(t.cell(2, QStringLiteral("基本工资")), QStringLiteral("1000.00"));
        QVERIFY(t.w.selectDepartment(QString()));
        QCOMPARE(t.cell(3, QStringLiteral("基本工资")), QStringLiteral("4000.00"));
    }

    void temporaryStaffComeAndGoThroughTheToolbarOnly()
    {
        PayrollWindowFixture f;
        Window t(f);
        RdEmployee temp;
        temp.empId = QStringLiteral("T01");
        temp.empName = QStringLiteral("赵六");
        temp.deptName = QStringLiteral("临时员工");
        temp.empType = QStringLiteral("中方");
        t.w.hooks.selectTempEmp = [&temp](QWidget *) { return std::optional<RdEmployee>(temp); };
        t.w.generate();
        t.w.action(QStringLiteral("添加临时人员"))->trigger();
        QCOMPARE(t.model().rowCount(), 5);
        QCOMPARE(t.w.grid()->currentIndex().row(), t.rowOf(QStringLiteral("赵六")));
        t.w.action(QStringLiteral("添加临时人员"))->trigger();
        QCOMPARE(f.messages.texts(), QStringList{QStringLiteral("已添加此临时员工！")});

        t.type(QStringLiteral("赵六"), QStringLiteral("基本工资"), QStringLiteral("600"));
        t.leaveTo(QStringLiteral("张三"));
        QCOMPARE(t.cell(t.model().totalsRow(), QStringLiteral("基本工资")),
                 QStringLiteral("600.00"));

        f.messages.clear();
        t.w.removeTempStaff(); // on 张三
        QCOMPARE(f.messages.texts(), QStringList{QStringLiteral("正式员工不能删除！")});
        f.messages.clear();
        t.leaveTo(QStringLiteral("赵六"));
        f.messages.setNextAnswer(true);
        t.w.action(QStringLiteral("删除临时人员"))->trigger();
        QCOMPARE(f.messages.texts(), QStringList{QStringLiteral("您确认删除此员工工资？")});
        QCOMPARE(t.model().rowCount(), 4);
        QCOMPARE(t.cell(t.model().totalsRow(), QStringLiteral("基本工资")), QStringLiteral("0.00"));
        QCOMPARE(f.count(QStringLiteral("select count(*) from Wage where EmpId = 'T01'")), 0);
    }

    void postingMakesTheSheetReadOnlyAndThePostedMonthRefusesChanges()
    {
        PayrollWindowFixture f;
        Window t(f);
        t.w.generate();
        t.type(QStringLiteral("张三"), QStringLiteral("基本工资"), QStringLiteral("3000"));
        t.w.action(QStringLiteral("过账(&Z)"))->trigger(); // takes in the typed amount first
        QCOMPARE(f.count(QStringLiteral("select count(*) from Wage where WageState = '已完成'")),
                 3);
        QCOMPARE(f.count(QStringLiteral("select count(*) from TaxIncome where TaxYear = 2005")), 3);
        // 3000 - 800 = 2200 taxable income, 15% less 125: 205.
        QCOMPARE(f.app.scalar(QStringLiteral("select TaxMoney from TaxIncome where EmpId = 'E01'"))
                     .value<Money>(),
                 Money::fromYuan(205));
        const int zhang = t.rowOf(QStringLiteral("张三"));
        QCOMPARE(t.cell(zhang, QStringLiteral("工资单状态")), QStringLiteral("已完成"));
        const QModelIndex amount = t.model().index(zhang, t.column(QStringLiteral("基本工资")));
        QVERIFY(!(t.model().flags(amount) & Qt::ItemIsEditable));
        QVERIFY(!t.model().setData(amount, QStringLiteral("1")));

        t.w.post();
        t.w.showBonus();
        t.w.addTempStaff();
        t.w.removeTempStaff();
        QCOMPARE(f.messages.texts(), (QStringList{"工资数据已过账！", "不能更改已过账工资数据！",
                                                  "不能对已过账工资数据进行添加操作！",
                                                  "不能对已过账工资数据进行删除操作！"}));
        QCOMPARE(t.progress.begun, 2); // generation and one posting
    }

    void aFailedPostingSaysSoAndLeavesTheSheetAsItWas()
    {
        PayrollWindowFixture f;
        Window t(f);
        t.w.generate();
        f.app.exec(QStringLiteral("create trigger refuse before insert on TaxIncome "
                                  "begin select raise(abort, '磁盘已满'); end"));
        t.w.post();
        QCOMPARE(f.messages.boxes().size(), 1);
        QCOMPARE(f.messages.boxes().first().kind, Kind::Error);
        QVERIFY(f.messages.boxes().first().text.startsWith(QStringLiteral("过账失败！")));
        QCOMPARE(f.count(QStringLiteral("select count(*) from TaxIncome")), 0);
        QCOMPARE(f.count(QStringLiteral("select count(*) from Wage where WageState = '草稿中'")),
                 3);
        const QModelIndex amount = t.model().index(0, t.column(QStringLiteral("基本工资")));
        QVERIFY(t.model().flags(amount) & Qt::ItemIsEditable);
    }

    void anImportedMonthIsShownAndComputed()
    {
        PayrollWindowFixture f;
        Window t(f);
        // The wizard's work: 张三 and 李四's amounts written as the month's draft, uncomputed.
        t.w.hooks.importWageData = [&f](QWidget *) {
            const QString text = QStringLiteral("编号;基本工资;养老\nE01;3000;200\nE02;1000;\n");
            const auto table = ImportTextFile(text, SplitTextLines(text),
                                              {QStringLiteral(";"), QString(), 1}, f.messages);
            CountingProgress progress;
            if (!table || !ImportTableStore(f.db()).fill(*table)) {
                return std::optional<ImportedMonth>();
            }
            const auto rows = BuildImportRows(
                f.db(), f.messages,
                {{QStringLiteral("编号"), QStringLiteral("人员编号")},
                 {QStringLiteral("基本工资"), QStringLiteral("基本工资")},
                 {QStringLiteral("养老"), QStringLiteral("养老保险金")}});
            if (!rows || WriteWageImport(f.db(), f.messages, 2005, 3, *rows, progress) !=
                             ImportWriteResult::Written) {
                return std::optional<ImportedMonth>();
            }
            return std::optional<ImportedMonth>(ImportedMonth{2005, 3});
        };
        t.w.importData();
        QVERIFY(f.messages.texts().isEmpty());
        QVERIFY(t.w.sheet().isOpen());
        QCOMPARE(t.w.sheet().period().year, 2005);
        QCOMPARE(t.w.sheet().period().month, 3);
        QCOMPARE(t.model().rowCount(), 3); // two rows and the totals
        const int zhang = t.rowOf(QStringLiteral("张三"));
        QCOMPARE(t.cell(zhang, QStringLiteral("纳税额")), QStringLiteral("175.00"));
        QCOMPARE(t.cell(zhang, QStringLiteral("实发工资")), QStringLiteral("2625.00"));
        QCOMPARE(t.cell(t.rowOf(QStringLiteral("李四")), QStringLiteral("纳税额")),
                 QStringLiteral("10.00"));
        QCOMPARE(PayrollFixture::wageAmount(f.db(), 2005, 3, QStringLiteral("E01"),
                                            QStringLiteral("纳税额")),
                 M("175"));
    }

    void browseClearImportAndExportSayWhatTheyDo()
    {
        PayrollWindowFixture f;
        Window t(f);
        int asked = 0;
        t.w.hooks.selectPeriod = [&asked](const QString &title, QWidget *) {
            ++asked;
            if (title != QStringLiteral("工资浏览 - 选择年月")) {
                return std::optional<YearMonth>();
            }
            return std::optional<YearMonth>(asked == 1 ? YearMonth{2004, 1} : YearMonth{2005, 3});
        };
        // A cancelled import says nothing and changes nothing.
        t.w.hooks.importWageData = [](QWidget *) { return std::optional<ImportedMonth>(); };
        t.w.exportSheet();
        t.w.importData();
        t.w.browse();
        QCOMPARE(f.messages.texts().size(), 2);
        QCOMPARE(f.messages.texts().at(0), QStringLiteral("没有数据！"));
        QCOMPARE(f.messages.texts().at(1), QStringLiteral("2004年1月无工资数据！"));
        QVERIFY(!t.w.sheet().isOpen());

        t.w.generate();
        t.w.sheet().close();
        t.model().reload();
        t.w.browse(); // the draft of 2005-03 again, editable
        QCOMPARE(t.model().rowCount(), 4);
        QVERIFY(t.model().flags(t.model().index(0, t.column(QStringLiteral("基本工资")))) &
                Qt::ItemIsEditable);

        f.messages.clear();
        f.messages.setNextAnswer(true);
        t.w.clearDrafts();
        QCOMPARE(f.messages.texts(), QStringList{QStringLiteral("您确认清除草稿中数据吗？")});
        QCOMPARE(t.model().rowCount(), 0);
        QCOMPARE(f.count(QStringLiteral("select count(*) from Wage")), 0);
    }
};

QTEST_MAIN(WageSheetWindowTest)
#include "WageSheetWindowTest.moc"
