#include "ShellFixture.h"

#include "maintenance/ui/BackupRestoreDialog.h"

#include <QFileInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

class BackupDialogTest : public QObject
{
    Q_OBJECT
private slots:
    void theChosenOperationEnablesItsOwnGroup()
    {
        ShellFixture f;
        BackupRestoreDialog dialog(f.app.dbPath(), f.messages, f.files);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("备份恢复数据库"));
        QVERIFY(dialog.backupRadio()->isChecked());
        QVERIFY(dialog.backupButton()->isEnabled());
        QVERIFY(!dialog.restoreButton()->isEnabled());
        dialog.restoreRadio()->setChecked(true);
        QVERIFY(!dialog.backupButton()->isEnabled());
        QVERIFY(dialog.restoreEdit()->isEnabled());
    }

    void emptyNamesAreRefused()
    {
        ShellFixture f;
        BackupRestoreDialog dialog(f.app.dbPath(), f.messages, f.files);
        dialog.backup();
        dialog.restore();
        QCOMPARE(f.messages.texts(), (QStringList{QStringLiteral("备份数据库名不能为空！"),
                                                  QStringLiteral("请选择要恢复的数据库！")}));
    }

    void browseThenBackupThenRestoreThatCopy()
    {
        ShellFixture f;
        f.session.closeDatabase();
        f.app.db().close();
        BackupRestoreDialog dialog(f.app.dbPath(), f.messages, f.files);
        const QString target = f.app.dir() + QStringLiteral("月末备份");
        f.files.setNextFileName(target);
        dialog.browseBackup();
        QCOMPARE(dialog.backupEdit()->text(), target);
        dialog.backup();
        QVERIFY(QFileInfo::exists(target + QStringLiteral(".mdb")));
        f.files.setNextFileName(target + QStringLiteral(".mdb"));
        dialog.restoreRadio()->setChecked(true);
        dialog.browseRestore();
        dialog.restore();
        QCOMPARE(f.messages.texts(), (QStringList{QStringLiteral("备份数据库成功！"), QStringLiteral("恢复数据库成功！")}));
        QVERIFY(QFileInfo::exists(f.app.dir() + QStringLiteral("Backup01.mdb")));
        QVERIFY(f.session.openDatabase());
        QCOMPARE(f.session.db().scalar(QStringLiteral("select CorpName from CorpInfo")).value_or(QVariant()).toString(),
                 QStringLiteral("北方机械厂"));
    }
};

QTEST_MAIN(BackupDialogTest)
#include "BackupDialogTest.moc"
