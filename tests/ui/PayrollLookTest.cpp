// The payroll windows as the clerk sees them: every label and button fits its text, and with
// CORVANE_SCREENSHOTS set (scripts/screenshots.sh) their pictures are saved there: the
// catalogue, the item dialog, the wage window with a generated sheet and its totals row, the
// generation and the posting dialogs.

#include "PayrollWindowFixture.h"

#include "payroll/WageItemStore.h"
#include "payroll/WageSheetModel.h"
#include "payroll/ui/PostingDateDialog.h"
#include "payroll/ui/WageGenerationDialog.h"
#include "payroll/ui/WageItemCatalogWindow.h"
#include "payroll/ui/WageItemDialog.h"
#include "payroll/ui/WageSheetWindow.h"

#include <QAbstractButton>
#include <QLabel>
#include <QTableView>

namespace {

// Every label and button of the window is at least as wide as its text needs.
void checkNothingClipped(QWidget &w)
{
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    for (QLabel *label : w.findChildren<QLabel *>()) {
        if (label->isVisible() && !label->text().isEmpty() && !label->wordWrap()) {
            QVERIFY2(label->width() >= label->sizeHint().width() - 1, qPrintable(label->text()));
        }
    }
    for (QAbstractButton *b : w.findChildren<QAbstractButton *>()) {
        if (b->isVisible() && !b->text().isEmpty()) {
            QVERIFY2(b->width() >= b->sizeHint().width() - 1, qPrintable(b->text()));
        }
    }
}

void shoot(QWidget &w, const char *name)
{
    checkNothingClipped(w);
    if (qEnvironmentVariableIsSet("CORVANE_SCREENSHOTS")) {
        QTest::qWait(50);
        w.grab().save(qEnvironmentVariable("CORVANE_SCREENSHOTS") + u'/' + QString::fromUtf8(name) +
                      QStringLiteral(".png"));
    }
}

} // namespace

class PayrollLookTest : public QObject
{
    Q_OBJECT

private slots:
    void catalogueAndItemDialog()
    {
        PayrollWindowFixture f(false);
        f.app.exec(
            QStringLiteral("insert into Dict_Item (ItemName, ItemType, IsInUse, ReadOnly, "
                           "Remark) values ('岗位津贴', '工资薪金所得纳税项', 1, 0, "
                           "'按岗位等级发放'), ('交通补贴', '工资薪金所得免税项', 0, 0, '')"));
        WageItemCatalogWindow catalogue(f.db(), f.messages);
        shoot(catalogue, "payroll-catalogue");

        WageItemStore store(f.db());
        RdWageItem item;
        item.ItemName = QStringLiteral("岗位津贴");
        item.ItemType = QStringLiteral("工资薪金所得纳税项");
        item.Remark = QStringLiteral("按岗位等级发放");
        WageItemDialog dialog(store, f.messages, item, false);
        shoot(dialog, "payroll-item-dialog");
    }

    void wageWindowWithAGeneratedSheet()
    {
        PayrollWindowFixture f;
        WageSheetWindow w(f.db(), f.rates, f.messages, f.opener, QStringLiteral("北方机械厂"));
        CountingProgress progress;
        w.hooks.progress = &progress;
        w.hooks.chooseSheetPeriod = [](QWidget *) {
            return std::optional<SheetRequest>(SheetRequest{2005, 3, {1, false}, false});
        };
        w.resize(1180, 420);
        w.show();
        w.generate();
        WageSheetModel &m = *w.model();
        const int basic = m.columnOfMoney(w.sheet().layout().indexOf(QStringLiteral("基本工资")));
        const int pension =
            m.columnOfMoney(w.sheet().layout().indexOf(QStringLiteral("养老保险金")));
        const char *amounts[][2] = {{"1000", "80"}, {"3000", "200"}, {"12000", "600"}};
        for (int r = 0; r < 3; ++r) {
            QVERIFY(m.setData(m.index(r, basic), QString::fromLatin1(amounts[r][0])));
            QVERIFY(m.setData(m.index(r, pension), QString::fromLatin1(amounts[r][1])));
            QVERIFY(m.submitRow());
        }
        w.grid()->setCurrentIndex(m.index(1, basic));
        QCOMPARE(m.index(m.totalsRow(), basic).data().toString(), QStringLiteral("16000.00"));
        shoot(w, "payroll-wage-window");
    }

    void generationAndPostingDialogs()
    {
        PayrollWindowFixture f;
        WageGenerationDialog generation(f.db(), f.messages);
        shoot(generation, "payroll-generation-dialog");
        PostingDateDialog posting(QStringLiteral("工资过账"), 2005, 3);
        shoot(posting, "payroll-posting-dialog");
    }
};

QTEST_MAIN(PayrollLookTest)
#include "PayrollLookTest.moc"
