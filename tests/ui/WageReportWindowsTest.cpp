#include "QueryWindowFixture.h"

#include "base/AppEnv.h"
#include "org/ui/EmployeePickerDialog.h"
#include "queries/ResultGridModel.h"
#include "queries/ui/BankPaymentWindow.h"
#include "queries/ui/DeptWageSumWindow.h"
#include "queries/ui/PersonalWageWindow.h"
#include "queries/ui/WageListWindow.h"
#include "widgets/BaseWindows.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QtTest>

class WageReportWindowsTest : public QObject, private QueryWindowFixture
{
    Q_OBJECT

private slots:
    void init() { setUp(); }
    void cleanup() { tearDown(); }

    void wageListShowsTheMonthAndExportsIt()
    {
        WageListWindow w(app->db(), messages, opener);
        QCOMPARE(w.windowTitle(), QStringLiteral("工资单"));
        QCOMPARE(w.banner()->text(), QStringLiteral("职工工资单"));
        QCOMPARE(w.findChild<QLabel *>(QStringLiteral("lblHint"))->text(),
                 QStringLiteral("默认为 公司全部人员记录"));
        // The period starts at the clock's month; the departments exclude the company root.
        QCOMPARE(w.yearBox()->value(), 2005);
        QCOMPARE(w.monthBox()->currentText(), QStringLiteral("3"));
        QCOMPARE(w.deptBox()->count(), 4);
        QCOMPARE(w.deptBox()->itemText(0), QStringLiteral("临时员工"));
        QVERIFY(w.deptBox()->isEditable());

        // Nothing to export before a query.
        w.exportButton()->click();
        QVERIFY(opener.opened.isEmpty());

        w.monthBox()->setCurrentIndex(0);
        w.deptBox()->setEditText(QStringLiteral("销售部"));
        w.queryButton()->click();
        QVERIFY(messages.boxes().isEmpty());
        ResultView *view = w.view();
        QCOMPARE(view->model()->rowCount(), 4);
        QCOMPARE(rowTexts(view, 3).mid(0, 4),
                 (QStringList{" 合 计 ", " ", " ", "325.00"})); // 住房公积金 150 + 100 + 75
        QCOMPARE(view->columnWidth(0), 65);
        QCOMPARE(view->columnWidth(5), 65);
        QCOMPARE(view->model()->index(0, 3).data(Qt::TextAlignmentRole).value<Qt::Alignment>(),
                 Qt::AlignRight | Qt::AlignVCenter);
        QCOMPARE(view->model()->headerData(0, Qt::Horizontal).toString(),
                 QStringLiteral("部门名称"));
        QAbstractItemModelTester tester(view->model(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        shoot(w, "wage-list");

        w.exportButton()->click();
        QCOMPARE(opener.opened.size(), 1);
        QCOMPARE(opener.opened.first(), GetAppDir() + QStringLiteral("model/工资单0.xlsx"));
        QVERIFY(QFile::exists(opener.opened.first()));
    }

    void emptyResultTellsAndExportsNothing()
    {
        BankPaymentWindow w(app->db(), messages, opener);
        QCOMPARE(w.windowTitle(), QStringLiteral("银行发放"));
        QCOMPARE(w.banner()->text(), QStringLiteral("银行发放工资一览表"));
        // A month without sheets still lists the total row.
        w.queryButton()->click();
        QCOMPARE(w.view()->model()->rowCount(), 1);
        QVERIFY(messages.boxes().isEmpty());

        w.monthBox()->setCurrentIndex(0);
        w.queryButton()->click();
        QCOMPARE(w.view()->model()->rowCount(), 5);
        QCOMPARE(rowTexts(w.view(), 0), (QStringList{"E4", "财务部", "赵六", "3195.00",
                                                     "11010119800101E4", "62220200000E4"}));
        shoot(w, "bank-list");

        // Without a month the sums window refuses; nothing is left to export.
        DeptWageSumWindow sums(app->db(), messages, opener);
        QCOMPARE(sums.windowTitle(), QStringLiteral("部门工资汇总"));
        QCOMPARE(sums.banner()->text(), QStringLiteral("月部门工资汇总"));
        sums.monthBox()->setCurrentIndex(1);
        sums.queryButton()->click();
        QCOMPARE(sums.view()->model()->rowCount(), 4);
        shoot(sums, "dept-sums");
        sums.monthBox()->setEditText(QString());
        sums.queryButton()->click();
        QCOMPARE(messages.lastText(), QStringLiteral("请选择月份！"));
        QCOMPARE(sums.view()->model()->rowCount(), 0);
        sums.exportButton()->click();
        QVERIFY(opener.opened.isEmpty());
    }

    void personalDetailAsksThePickerWhenSeveralMatch()
    {
        PersonalWageWindow w(app->db(), messages, opener);
        QCOMPARE(w.windowTitle(), QStringLiteral("个人工资明细"));
        QVERIFY(!w.monthBox());
        w.queryButton()->click();
        QCOMPARE(messages.lastText(), QStringLiteral("请输入人员姓名或人员编码！"));

        // "张" matches 张三 and 张丽: the picker opens; closing it takes the row under the
        // cursor, the first one.
        w.nameEdit()->setText(QStringLiteral("张"));
        QString shown;
        QTimer::singleShot(0, [&shown] {
            auto *picker = qobject_cast<EmployeePickerDialog *>(QApplication::activeModalWidget());
            QVERIFY(picker);
            shown = picker->table()->item(0, 1)->text();
            picker->close();
        });
        w.queryButton()->click();
        QCOMPARE(shown, QStringLiteral("张三"));
        QCOMPARE(w.banner()->text(), QStringLiteral("张三 工资明细"));
        QCOMPARE(w.view()->model()->rowCount(), 3);
        QCOMPARE(rowTexts(w.view(), 2).first(), QStringLiteral(" 合 计 "));
        shoot(w, "personal-wage");

        w.exportButton()->click();
        QCOMPARE(opener.opened.size(), 1);
        QVERIFY(opener.opened.first().endsWith(QStringLiteral("model/工资明细0.xlsx")));

        // A name that matches nobody: the heading stays, the grid empties.
        w.nameEdit()->setText(QStringLiteral("钱"));
        w.queryButton()->click();
        QCOMPARE(messages.lastText(), QStringLiteral("没有该人员的数据，请重新输入！"));
        QCOMPARE(w.banner()->text(), QStringLiteral("张三 工资明细"));
        QCOMPARE(w.view()->model()->rowCount(), 0);
    }
};

QTEST_MAIN(WageReportWindowsTest)
#include "WageReportWindowsTest.moc"
