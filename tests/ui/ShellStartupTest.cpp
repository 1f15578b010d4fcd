#include "ShellFixture.h"

#include "base/Settings.h"
#include "shell/ui/DesktopStartup.h"
#include "shell/ui/DatabaseSettingsDialog.h"
#include "shell/ui/LoginDialog.h"
#include "maintenance/ui/CompanyInfoDialog.h"

#include <QDir>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QUuid>
#include <QTimer>
#include <QtTest>

namespace {

// Answers the modal dialogs of the start-up as they come up, recording their names.
class DialogDriver : public QObject
{
public:
    std::function<void(QDialog *)> answer;
    QStringList seen;

    DialogDriver()
    {
        m_timer.setInterval(20);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (dialog && dialog != m_last) {
                m_last = dialog;
                seen << dialog->objectName();
                answer(dialog);
            }
        });
        m_timer.start();
    }

private:
    QTimer m_timer;
    QPointer<QDialog> m_last;
};

QString iniDatabase()
{
    return ReadIniValue(QStringLiteral("Corvane.ini"), QStringLiteral("LOCAL_DB"), QStringLiteral("DATABASE"));
}

} // namespace

class ShellStartupTest : public QObject
{
    Q_OBJECT
private slots:
    void settingsDialogSavesOnlyOnOk()
    {
        ShellFixture f;
        DatabaseSettingsDialog dialog(QStringLiteral("/x/Halvek.mdb"), f.files, f.messages);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("数据库设置"));
        QCOMPARE(dialog.databaseEdit()->text(), QStringLiteral("/x/Halvek.mdb"));
        QVERIFY(dialog.userEdit()->text().isEmpty());
        QCOMPARE(dialog.passwordEdit()->echoMode(), QLineEdit::Password);
        f.files.setNextFileName(f.app.dir() + QStringLiteral("other.mdb"));
        dialog.browse();
        QCOMPARE(f.files.asked, QStringList{QStringLiteral("请选择数据库文件(*.mdb)")});
        QCOMPARE(dialog.databaseEdit()->text(), f.app.dir() + QStringLiteral("other.mdb"));
        dialog.reject();
        QVERIFY(iniDatabase().isEmpty());
        dialog.userEdit()->setText(QStringLiteral("sa"));
        QVERIFY(dialog.pressOk());
        QCOMPARE(iniDatabase(), f.app.dir() + QStringLiteral("other.mdb"));
        QCOMPARE(ReadIniValue(QStringLiteral("Corvane.ini"), QStringLiteral("LOCAL_DB"), QStringLiteral("USER")),
                 QStringLiteral("sa"));
    }

    void settingsThatCannotBeWrittenAreReportedAndTheDialogStays()
    {
        ShellFixture f;
        // A folder where the file should be: nothing can be written there.
        QVERIFY(QDir().mkpath(f.app.dir() + QStringLiteral("Corvane.ini")));
        DatabaseSettingsDialog dialog(QStringLiteral("/x/Halvek.mdb"), f.files, f.messages);
        dialog.databaseEdit()->setText(f.app.dir() + QStringLiteral("other.mdb"));
        QVERIFY(!dialog.pressOk());
        QCOMPARE(f.messages.boxes(), (QList<ScriptedMessageService::Box>{
                                         {ScriptedMessageService::Kind::Error, QStringLiteral("保存失败！")}}));
        QCOMPARE(dialog.databaseEdit()->text(), f.app.dir() + QStringLiteral("other.mdb"));
    }

    void missingFileShowsTheTwoErrorsThenTheSettingsDialogAndCancelEnds()
    {
        ShellFixture f;
        f.session.closeDatabase();
        WriteIniString(QStringLiteral("Corvane.ini"), QStringLiteral("LOCAL_DB"), QStringLiteral("DATABASE"),
                       f.app.dir() + QStringLiteral("gone.mdb"));
        DialogDriver driver;
        driver.answer = [](QDialog *d) { d->reject(); };
        DesktopStartup startup(f.session, f.files);
        bool rates = false;
        startup.hooks().loadRateSets = [&] { return rates = true; };
        QVERIFY(!startup.run());
        QCOMPARE(driver.seen, QStringList{QStringLiteral("DatabaseSettingsDialog")});
        QCOMPARE(f.messages.texts(),
                 (QStringList{QStringLiteral("数据库不存在！"),
                              QStringLiteral("连接数据库失败，请重新选择数据库或者重新输入数据库用户名及口令!")}));
        QVERIFY(!rates);
        QVERIFY(!QApplication::overrideCursor());
    }

    void noCompanyAsksForItBeforeTheLogin()
    {
        ShellFixture f(QString(), false);
        f.session.closeDatabase();
        DialogDriver driver;
        driver.answer = [](QDialog *d) {
            if (auto *corp = qobject_cast<CompanyInfoDialog *>(d)) {
                for (CorpField field : {CorpField::CorpName, CorpField::ObligorNo, CorpField::Address,
                                        CorpField::TaxNo, CorpField::PostalCode, CorpField::Tel, CorpField::Fax}) {
                    corp->edit(field)->setText(QStringLiteral("新公司"));
                }
                corp->pressOk();
            } else if (auto *logon = qobject_cast<LoginDialog *>(d)) {
                logon->passwordEdit()->setText(QStringLiteral("2468"));
                logon->pressOk();
            }
        };
        DesktopStartup startup(f.session, f.files);
        QVERIFY(startup.run());
        startup.finish();
        QCOMPARE(driver.seen, (QStringList{QStringLiteral("CompanyInfoDialog"), QStringLiteral("LoginDialog")}));
        QCOMPARE(f.session.currentUser, QStringLiteral("admin"));
        QCOMPARE(f.session.corpName, QStringLiteral("新公司"));
        QVERIFY(f.messages.boxes().isEmpty());
        QVERIFY(!QApplication::overrideCursor());
    }

    void theProgramStartsOnAFreshDatabaseAndWaitsForTheUser()
    {
        QTemporaryDir home;
        QVERIFY(CreateDeliveredDatabase(home.path() + QStringLiteral("/Halvek.mdb")));
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("CORVANE_INSTANCE_KEY"), QStringLiteral("corvane-start-") + QUuid::createUuid().toString(QUuid::Id128));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        program.setProcessEnvironment(env);
        program.start(QCoreApplication::applicationDirPath() + QStringLiteral("/corvane"),
                      {QStringLiteral("--home"), home.path()});
        QVERIFY(program.waitForStarted(10000));
        // Still running after the splash: it waits at the company dialog, not ended.
        QVERIFY(!program.waitForFinished(2500));
        program.kill();
        program.waitForFinished(5000);
        // It ran on the file in its folder and wrote nothing else there.
        QCOMPARE(QDir(home.path()).entryList(QDir::Files), QStringList{QStringLiteral("Halvek.mdb")});
    }

    void cancelledCompanyDialogEndsWithoutLogin()
    {
        ShellFixture f(QString(), false);
        f.session.closeDatabase();
        DialogDriver driver;
        driver.answer = [](QDialog *d) { d->reject(); };
        DesktopStartup startup(f.session, f.files);
        QVERIFY(!startup.run());
        QCOMPARE(driver.seen, QStringList{QStringLiteral("CompanyInfoDialog")});
    }
};

QTEST_MAIN(ShellStartupTest)
#include "ShellStartupTest.moc"
