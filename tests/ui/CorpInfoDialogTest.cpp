#include "ShellFixture.h"

#include "maintenance/ui/CompanyInfoDialog.h"

#include <QLineEdit>
#include <QtTest>

class CorpInfoDialogTest : public QObject
{
    Q_OBJECT
private slots:
    void eachEmptyBoxIsNamedAndFocusedInOrder()
    {
        ShellFixture f(QStringLiteral("admin"), false);
        CompanyInfoDialog dialog(f.session.db(), f.session.messages(),
                                 [&](const CorpInfo &c) { f.session.applyCorpInfo(c); });
        QVERIFY(dialog.isUsable());
        QCOMPARE(dialog.windowTitle(), QStringLiteral("企业信息"));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.activateWindow();
        const std::pair<CorpField, const char *> order[] = {
            {CorpField::CorpName, "请输入扣缴义务人名称！"}, {CorpField::ObligorNo, "请输入扣缴义务人编码！"},
            {CorpField::Address, "请输入地址！"},            {CorpField::TaxNo, "请输入税号！"},
            {CorpField::PostalCode, "请输入邮政编码！"},     {CorpField::Tel, "请输入电话！"},
            {CorpField::Fax, "请输入传真！"}};
        for (const auto &[field, message] : order) {
            QVERIFY(!dialog.pressOk());
            QCOMPARE(f.messages.lastText(), QString::fromUtf8(message));
            QCOMPARE(QApplication::focusWidget(), dialog.edit(field));
            dialog.edit(field)->setText(QStringLiteral("  ") + QString::fromUtf8(message).left(2) + QStringLiteral(" "));
        }
        QVERIFY(dialog.pressOk());
        QCOMPARE(f.session.corpName, QStringLiteral("请输"));
        QCOMPARE(f.app.scalar(QStringLiteral("select Fax from CorpInfo")).toString(), QStringLiteral("请输"));
    }

    void editsTheExistingRecordAndLimitsTheWidths()
    {
        ShellFixture f;
        CompanyInfoDialog dialog(f.session.db(), f.session.messages(),
                                 [&](const CorpInfo &c) { f.session.applyCorpInfo(c); });
        QCOMPARE(dialog.edit(CorpField::CorpName)->text(), QStringLiteral("北方机械厂"));
        QCOMPARE(dialog.edit(CorpField::CorpName)->maxLength(), 50);
        QCOMPARE(dialog.edit(CorpField::PostalCode)->maxLength(), 10);
        QCOMPARE(dialog.edit(CorpField::Address)->maxLength(), 100);
        for (CorpField field : {CorpField::ObligorNo, CorpField::Address, CorpField::TaxNo,
                                CorpField::PostalCode, CorpField::Tel, CorpField::Fax}) {
            dialog.edit(field)->setText(QStringLiteral("1"));
        }
        dialog.edit(CorpField::CorpName)->setText(QStringLiteral(" 南方 "));
        QVERIFY(dialog.pressOk());
        QCOMPARE(f.app.scalar(QStringLiteral("select count(*) from CorpInfo")).toInt(), 1);
        QCOMPARE(f.session.corpName, QStringLiteral("南方"));
        QCOMPARE(f.session.obligorNo, QStringLiteral("1"));
    }

    void cancelChangesNothing()
    {
        ShellFixture f;
        CompanyInfoDialog dialog(f.session.db(), f.session.messages(),
                                 [&](const CorpInfo &c) { f.session.applyCorpInfo(c); });
        dialog.edit(CorpField::CorpName)->setText(QStringLiteral("别的"));
        dialog.reject();
        QCOMPARE(f.app.scalar(QStringLiteral("select CorpName from CorpInfo")).toString(), QStringLiteral("北方机械厂"));
        QCOMPARE(f.session.corpName, QStringLiteral("北方机械厂"));
    }
};

QTEST_MAIN(CorpInfoDialogTest)
#include "CorpInfoDialogTest.moc"
