// The other-payment window and the period dialog as a user sees them, browsing and adding;
// no caption may be cut off. With CORVANE_SCREENSHOTS=DIR set (scripts/screenshots.sh does)
// the pictures are saved there.

#include "OtherPayFixture.h"
#include "WindowLook.h"

#include "otherpay/OtherPayStore.h"
#include "otherpay/OtherPayTexts.h"
#include "otherpay/PaymentRules.h"
#include "widgets/BaseWindows.h"
#include "widgets/PeriodDialog.h"

#include <QComboBox>
#include <QLineEdit>
#include <QtTest>

class OtherPayLookTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setFont(ProgramFont()); }

    void periodDialog()
    {
        TestApp app;
        PeriodDialog d(OtherPayText::PeriodTitle);
        LookAt(&d, QStringLiteral("otherpay-period"));
    }

    void browsing()
    {
        OtherPayFixture f;
        OtherPayWindow &w = f.openAdding("E1", "劳务报酬收入");
        w.incomeEdit()->setText(QStringLiteral("30000"));
        w.receiptEdit()->setText(QStringLiteral("(05)京地税001"));
        w.savePayment();
        w.typeBox()->setCurrentIndex(w.typeBox()->findText(QStringLiteral("其他所得")));
        w.incomeEdit()->setText(QStringLiteral("1200"));
        w.savePayment();
        f.willPick("E2");
        w.pickPerson();
        w.typeBox()->setCurrentIndex(w.typeBox()->findText(QStringLiteral("承包经营收入")));
        w.incomeEdit()->setText(QStringLiteral("50000"));
        w.deductionEdit()->setText(QStringLiteral("12000"));
        w.savePayment();
        // Only the question on picking another person while adding.
        QCOMPARE(f.messages.texts(), QStringList{OtherPayText::ContinuePicking});
        f.messages.setNextAnswer(false); // leave the new payment unsaved, show the row
        w.showPaymentRow(1);
        LookAt(&w, QStringLiteral("otherpay-browse"));
    }

    void adding()
    {
        OtherPayFixture f;
        OtherPayStore store(f.app.db());
        const auto person = store.person(QStringLiteral("E2"));
        QVERIFY(person && person->size() == 1);
        const PaymentInput earlier{QStringLiteral("利息股息偶然所得"), QStringLiteral("800"),
                                   QString(), QDate(2005, 3, 8), QStringLiteral("(05)京地税017")};
        QVERIFY(SavePayment(store, f.rates, f.messages, PaymentTarget{2005, 3, 0, person->first()},
                            earlier)
                    .ok());
        OtherPayWindow &w = f.openAdding("E1", "劳务报酬收入");
        w.incomeEdit()->setText(QStringLiteral("3000"));
        w.leaveIncome();
        LookAt(&w, QStringLiteral("otherpay-add"));
    }
};

QTEST_MAIN(OtherPayLookTest)
#include "OtherPayLookTest.moc"
