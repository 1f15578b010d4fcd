// The back-pay windows as the clerk sees them: the sheet with two months, its posted view, and
// the dialogs. Captions must not be cut off; with CORVANE_SCREENSHOTS=DIR the pictures are
// saved there (scripts/screenshots.sh).

#include "BackPayUiFixture.h"
#include "WindowLook.h"

#include "backpay/BackPaySheet.h"
#include "backpay/ui/BackPayDeptDialog.h"
#include "backpay/ui/BackPayMonthsDialog.h"
#include "payroll/ui/PostingDateDialog.h"
#include "widgets/BaseWindows.h"

#include <QListWidget>
#include <QSpinBox>
#include <QtTest>

class BackPayLookTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setFont(ProgramFont()); }

    void sheetAndPostedView()
    {
        BackPayUiFixture f;
        f.startSheet();
        BackPaySheet sheet(f.app.db(), f.rates, f.messages);
        QVERIFY(sheet.add(BackPayStaff::company()));
        QVERIFY(sheet.setBackPay(QStringLiteral("A1"), {2005, 3}, M("300")));
        QVERIFY(sheet.setBackPay(QStringLiteral("A1"), {2005, 4}, M("100")));
        QVERIFY(sheet.setBackPay(QStringLiteral("B1"), {2005, 4}, M("1250.5")));
        auto w = f.window();
        w->resize(1000, 420);
        QVERIFY(w->openSheet(false));
        LookAt(w.get(), QStringLiteral("backpay-sheet"));
        w->post();
        QVERIFY(w->isPosted());
        LookAt(w.get(), QStringLiteral("backpay-posted"));
    }

    void dialogs()
    {
        BackPayUiFixture f;
        BackPayMonthsDialog months(
            [&f](std::optional<int> year) {
                return BackPaySheet(f.app.db(), f.rates, f.messages).postedMonths({2005, 5}, year);
            },
            {{2005, 4}}, f.messages);
        months.yearBox()->setValue(2005);
        QCOMPARE(months.offeredList()->count(), 2); // March and May; April is chosen
        LookAt(&months, QStringLiteral("backpay-months"));

        BackPayDeptDialog dept(f.app.db(), f.messages, QStringLiteral("北方机械厂"));
        QCOMPARE(dept.list()->count(), 4); // the company, 一部, 二部, 临时员工
        LookAt(&dept, QStringLiteral("backpay-dept"));

        PostingDateDialog date(QStringLiteral("补发工资过账"), 2005, 5);
        LookAt(&date, QStringLiteral("backpay-posting-date"));
    }
};

QTEST_MAIN(BackPayLookTest)
#include "BackPayLookTest.moc"
