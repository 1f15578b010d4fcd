#include "widgets/BaseWindows.h"
#include "widgets/Icons.h"
#include "widgets/WizardDialog.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

namespace {

class CheckedDialog : public OkCancelDialog
{
public:
    CheckedDialog() : OkCancelDialog(Buttons::Horizontal, QStringLiteral("标题"), QStringLiteral("corp")) {}
    bool allow = false;
    int checks = 0;

protected:
    bool onOk() override { return ++checks, allow; }
};

class TwoSteps : public WizardDialog
{
public:
    TwoSteps()
    {
        addPage(new QWidget, QStringLiteral("选择文件"));
        addPage(new QWidget, QStringLiteral("选择列"));
    }
    bool firstDone = false;
    int finished = 0;

protected:
    bool leavePage(int index) override { return index != 0 || firstDone; }
    bool onFinish() override { return ++finished, true; }
};

} // namespace

class BaseWindowsTest : public QObject
{
    Q_OBJECT
private slots:
    void okRunsTheChecksAndClosesOnlyWhenTheyPass()
    {
        CheckedDialog d;
        QCOMPARE(d.okButton()->text(), QStringLiteral("确定"));
        QVERIFY(d.okButton()->isDefault());
        QCOMPARE(d.cancelButton()->text(), QStringLiteral("取消"));
        QVERIFY(!d.helpButton());
        d.show();
        d.okButton()->click();
        QVERIFY(d.isVisible());
        d.allow = true;
        d.okButton()->click();
        QCOMPARE(d.checks, 2);
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QVERIFY(!d.isVisible());
    }

    void helpDialogsCarryTheHelpButton()
    {
        OkCancelDialog d(OkCancelDialog::Buttons::Vertical, {}, {}, nullptr, QStringLiteral("工资过帐"));
        QVERIFY(d.helpButton());
        QCOMPARE(d.helpButton()->text(), QStringLiteral("帮助(&H)"));
    }

    void wizardStepsForwardOnlyPastItsChecks()
    {
        TwoSteps w;
        QCOMPARE(w.size(), QSize(472, 333));
        QCOMPARE(w.titleLabel()->text(), QStringLiteral("选择文件"));
        QVERIFY(!w.backButton()->isEnabled());
        QVERIFY(!w.finishButton()->isEnabled());
        QVERIFY(!w.goNext());
        w.firstDone = true;
        QVERIFY(w.goNext());
        QCOMPARE(w.titleLabel()->text(), QStringLiteral("选择列"));
        QVERIFY(!w.nextButton()->isEnabled());
        QVERIFY(w.finishButton()->isEnabled());
        QVERIFY(w.goBack());
        QVERIFY(!w.finish());
        w.goNext();
        QVERIFY(w.finish());
        QCOMPARE(w.finished, 1);
    }

    void everyPictureIsDrawn()
    {
        for (const QString &name : ProgramIconNames()) {
            const QImage image = ProgramIcon(name).pixmap(22, 22).toImage();
            int inked = 0;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    inked += qAlpha(image.pixel(x, y)) > 0;
                }
            }
            QVERIFY2(inked > 40, qPrintable(name));
        }
    }
};

QTEST_MAIN(BaseWindowsTest)
#include "BaseWindowsTest.moc"
