#include "TestApp.h"
#include "tax/TaxTestRates.h"

#include "base/MessageService.h"
#include "base/Settings.h"
#include "db/SqlResult.h"
#include "tax/ui/DeductionSettingsDialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

#include <memory>

using Kind = ScriptedMessageService::Kind;
using Box = ScriptedMessageService::Box;

class TaxSettingsTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestApp> m_app;
    TaxRates m_rates;
    ScriptedMessageService m_messages;

    Money scalarMoney(const QString &sql)
    {
        const auto v = m_app->db().scalar(sql);
        return v ? SqlResult::toMoney(*v) : Money::fromYuan(-1);
    }
    Money taxBase(const char *empType)
    {
        return scalarMoney(QStringLiteral("select BaseMoney from TaxBase where EmpType = '%1'")
                               .arg(QString::fromUtf8(empType)));
    }
    QString titleIni(const char *key)
    {
        return ReadIniValue(QStringLiteral("title.ini"), QStringLiteral("title"),
                            QString::fromLatin1(key));
    }
    void clickOk(DeductionSettingsDialog &d)
    {
        QTest::mouseClick(d.findChild<QPushButton *>(QStringLiteral("btnOk")), Qt::LeftButton);
    }

private slots:
    void init()
    {
        m_app = std::make_unique<TestApp>();
        ScriptedMessageService quiet;
        QVERIFY(LoadAllTaxRates(m_app->db(), m_rates, quiet));
        m_messages.clear();
    }
    void cleanup() { m_app.reset(); }

    void opensOnTheDeductionsFromTaxBase()
    {
        m_app->exec(QStringLiteral("update TaxBase set BaseMoney = 16000000 where EmpType = '中方'"));
        DeductionSettingsDialog d(m_app->db(), m_rates, m_messages);
        QCOMPARE(d.windowTitle(), QStringLiteral("扣除费用设置"));
        QCOMPARE(d.pages()->currentIndex(), 0);
        QCOMPARE(d.heading()->text(), QStringLiteral("工资扣除费用设置"));
        QCOMPARE(d.chineseEdit()->text(), QStringLiteral("1600.00"));
        QCOMPARE(d.foreignEdit()->text(), QStringLiteral("4000.00"));
        QCOMPARE(d.chineseEdit()->maxLength(), 12);
        QCOMPARE(d.regionEdit()->maxLength(), 30);
        int blue = 0;
        for (QLabel *label : d.findChildren<QLabel *>()) {
            if (label->text() == QStringLiteral("中方") || label->text() == QStringLiteral("外方")) {
                QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::blue));
                ++blue;
            }
        }
        QCOMPARE(blue, 2);
        // title.ini is missing: no region, not printed.
        QCOMPARE(d.regionEdit()->text(), QString());
        QVERIFY(!d.printRegionBox()->isChecked());
        QVERIFY(!d.regionPanel()->isEnabled());
        if (qEnvironmentVariableIsSet("CORVANE_SHOTS")) {
            d.show();
            d.grab().save(qEnvironmentVariable("CORVANE_SHOTS") + QStringLiteral("/settings1.png"));
            d.pages()->setCurrentIndex(1);
            d.printRegionBox()->setChecked(true);
            d.regionEdit()->setText(QStringLiteral("上海市浦东新区"));
            d.grab().save(qEnvironmentVariable("CORVANE_SHOTS") + QStringLiteral("/settings2.png"));
        }
    }

    void withoutTaxBaseRowsShowsTheDefaults()
    {
        m_app->exec(QStringLiteral("delete from TaxBase"));
        DeductionSettingsDialog d(m_app->db(), m_rates, m_messages);
        QCOMPARE(d.chineseEdit()->text(), QStringLiteral("800.00"));
        QCOMPARE(d.foreignEdit()->text(), QStringLiteral("4000.00"));
    }

    void printPageFollowsTitleIni()
    {
        QVERIFY(WriteIniString(QStringLiteral("title.ini"), QStringLiteral("title"), QStringLiteral("top"), QStringLiteral("北京市")));
        QVERIFY(WriteIniString(QStringLiteral("title.ini"), QStringLiteral("title"), QStringLiteral("bltop"), QStringLiteral("1")));
        DeductionSettingsDialog d(m_app->db(), m_rates, m_messages);
        QCOMPARE(d.regionEdit()->text(), QStringLiteral("北京市"));
        QVERIFY(d.printRegionBox()->isChecked());
        QVERIFY(d.regionPanel()->isEnabled());
        d.pages()->setCurrentIndex(1);
        QCOMPARE(d.heading()->text(), QStringLiteral("打印设置"));
        d.printRegionBox()->click();
        QVERIFY(!d.regionPanel()->isEnabled());
        d.printRegionBox()->click();
        QVERIFY(d.regionPanel()->isEnabled());
    }

    void savingStoresBothAndReloadsTheWageSets()
    {
        DeductionSettingsDialog d(m_app->db(), m_rates, m_messages);
        d.show();
        d.chineseEdit()->clear(); // an empty box stores 0.00
        d.foreignEdit()->setText(QStringLiteral("123456789.99"));
        d.printRegionBox()->setChecked(true);
        d.regionEdit()->setText(QStringLiteral("上海市"));
        clickOk(d);
        QCOMPARE(m_messages.texts(), QStringList());
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QVERIFY(!d.isVisible());
        QCOMPARE(d.chineseEdit()->text(), QStringLiteral("0.00"));
        QCOMPARE(taxBase("中方"), Money());
        QCOMPARE(taxBase("外方"), M("123456789.99"));
        QCOMPARE(scalarMoney(QStringLiteral("select count(*) from TaxBase")), Money::fromRaw(2));
        QCOMPARE(scalarMoney(QStringLiteral("select max(BaseMoney) from TaxRate where TaxType = '工资所得税' and EmpType = '中方'")),
                 Money());
        QCOMPARE(scalarMoney(QStringLiteral("select min(BaseMoney) from TaxRate where TaxType = '工资所得税' and EmpType = '外方'")),
                 M("123456789.99"));
        // The same run computes with the new deductions; the other sets are untouched.
        QCOMPARE(m_rates.wage().baseMoney(), Money());
        QCOMPARE(m_rates.foreign().baseMoney(), M("123456789.99"));
        QCOMPARE(CalcWageTaxDetail(m_rates.wage(), M("500"))->TaxMoney, M("25"));
        QCOMPARE(m_rates.service().baseMoney(), M("800"));
        QCOMPARE(titleIni("top"), QStringLiteral("上海市"));
        QCOMPARE(titleIni("bltop"), QStringLiteral("1"));
    }

    void tooLargeAnAmountIsRefusedInOrder()
    {
        for (bool chineseTooLarge : {true, false}) {
            m_messages.clear();
            DeductionSettingsDialog d(m_app->db(), m_rates, m_messages);
            d.show();
            QVERIFY(QTest::qWaitForWindowActive(&d));
            d.pages()->setCurrentIndex(1);
            d.chineseEdit()->setText(chineseTooLarge ? QStringLiteral("1234567890") : QStringLiteral("900"));
            d.foreignEdit()->setText(QStringLiteral("1234567890"));
            clickOk(d);
            QCOMPARE(m_messages.boxes(), (QList<Box>{{Kind::Error, QStringLiteral("输入金额太大！")}}));
            QVERIFY(d.isVisible());
            QCOMPARE(d.pages()->currentIndex(), 0);
            QVERIFY((chineseTooLarge ? d.chineseEdit() : d.foreignEdit())->hasFocus());
            // The Chinese box passed before the foreign one failed.
            QCOMPARE(d.chineseEdit()->text(),
                     chineseTooLarge ? QStringLiteral("1234567890") : QStringLiteral("900.00"));
            QCOMPARE(taxBase("中方"), M("800"));
            QCOMPARE(taxBase("外方"), M("4000"));
            QCOMPARE(titleIni("bltop"), QString());
        }
    }

    void aLonePointStopsTheSaveBeforeAnything()
    {
        DeductionSettingsDialog d(m_app->db(), m_rates, m_messages);
        d.show();
        d.foreignEdit()->setText(QStringLiteral("."));
        clickOk(d);
        QCOMPARE(m_messages.boxes(), (QList<Box>{{Kind::Error, QStringLiteral("“.”不是有效的金额！")}}));
        QVERIFY(d.isVisible());
        QCOMPARE(taxBase("外方"), M("4000"));
        QCOMPARE(titleIni("bltop"), QString());
    }

    void aFailedSaveSaysSoAndKeepsTheDialogOpen()
    {
        // The last statement fails after TaxBase was already rewritten.
        m_app->exec(QStringLiteral("create trigger refuse before update on TaxRate when new.EmpType = '外方' "
                                   "begin select raise(abort, 'refused'); end"));
        DeductionSettingsDialog d(m_app->db(), m_rates, m_messages);
        d.show();
        d.chineseEdit()->setText(QStringLiteral("1600"));
        d.foreignEdit()->setText(QStringLiteral("4800"));
        clickOk(d);
        QCOMPARE(m_messages.boxes(), (QList<Box>{{Kind::Error, QStringLiteral("保存失败！")}}));
        QVERIFY(d.isVisible());
        QCOMPARE(d.chineseEdit()->text(), QStringLiteral("1600.00"));
        QCOMPARE(d.foreignEdit()->text(), QStringLiteral("4800.00"));
        QCOMPARE(taxBase("中方"), M("800"));
        QCOMPARE(taxBase("外方"), M("4000"));
        QCOMPARE(scalarMoney(QStringLiteral("select max(BaseMoney) from TaxRate where TaxType = '工资所得税' and EmpType = '中方'")),
                 M("800"));
        QCOMPARE(m_rates.wage().baseMoney(), M("800"));
        // The print setting does not depend on the deductions and is kept.
        QCOMPARE(titleIni("bltop"), QStringLiteral("0"));
    }

    void cancelSavesNothing()
    {
        DeductionSettingsDialog d(m_app->db(), m_rates, m_messages);
        d.show();
        d.chineseEdit()->setText(QStringLiteral("1600"));
        d.printRegionBox()->setChecked(true);
        QTest::mouseClick(d.findChild<QPushButton *>(QStringLiteral("btnCancel")), Qt::LeftButton);
        QCOMPARE(d.result(), int(QDialog::Rejected));
        QCOMPARE(taxBase("中方"), M("800"));
        QCOMPARE(titleIni("bltop"), QString());
        QCOMPARE(m_messages.texts(), QStringList());
    }

    void amountBoxesTakeDigitsAndOnePoint()
    {
        DeductionSettingsDialog d(m_app->db(), m_rates, m_messages);
        d.chineseEdit()->clear();
        QTest::keyClicks(d.chineseEdit(), QStringLiteral("12.3.4x"));
        QCOMPARE(d.chineseEdit()->text(), QStringLiteral("12.34"));
    }
};

QTEST_MAIN(TaxSettingsTest)
#include "TaxSettingsTest.moc"
