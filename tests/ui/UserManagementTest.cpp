#include "ShellFixture.h"

#include "shell/ui/MainWindow.h"
#include "shell/ui/QuickLaunchWindow.h"
#include "shell/ui/UserManagementDialog.h"

#include <QAction>
#include <QTreeWidget>
#include <QtTest>

class UserManagementTest : public QObject
{
    Q_OBJECT
private slots:
    void onlyTheSystemUserManagesUsers_data()
    {
        QTest::addColumn<QString>("user");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("admin") << QStringLiteral("admin") << true;
        QTest::newRow("ADMIN") << QStringLiteral("ADMIN") << false;
        QTest::newRow("other") << QStringLiteral("张三") << false;
    }
    void onlyTheSystemUserManagesUsers()
    {
        QFETCH(QString, user);
        QFETCH(bool, enabled);
        ShellFixture f(user);
        MainWindow window(f.session, f.files);
        QCOMPARE(window.action(QStringLiteral("actManageUsers"))->isEnabled(), enabled);
        QCOMPARE(window.quickLaunch()->link(QStringLiteral("用户管理"))->isEnabled(), enabled);
        QVERIFY(window.action(QStringLiteral("actChangePassword"))->isEnabled());
    }

    void deletingAdminIsRefusedAndNothingSelectedDoesNothing()
    {
        ShellFixture f;
        UserManagementDialog window(f.session);
        QVERIFY(window.isUsable());
        QCOMPARE(window.list()->topLevelItemCount(), 1);
        window.deleteUser();
        QVERIFY(f.messages.boxes().isEmpty());
        QVERIFY(window.selectUser(QStringLiteral("admin")));
        window.deleteUser();
        QCOMPARE(f.messages.texts(), QStringList{QStringLiteral("admin用户为系统用户，不能被删除！")});
        QCOMPARE(f.app.scalar(QStringLiteral("select count(*) from SysUser")).toInt(), 1);
    }

    void deleteAsksAndAddReloads()
    {
        ShellFixture f;
        UserManagementDialog window(f.session);
        window.runAddUser = [&] {
            f.session.db().exec(QStringLiteral("insert into SysUser (UserName, Remark) values ('李四', '出纳')"));
            return true;
        };
        window.addUser();
        QCOMPARE(window.list()->topLevelItemCount(), 2);
        QCOMPARE(window.list()->topLevelItem(1)->text(1), QStringLiteral("出纳"));

        QVERIFY(window.selectUser(QStringLiteral("李四")));
        f.messages.setNextAnswer(false);
        window.deleteUser();
        QCOMPARE(window.list()->topLevelItemCount(), 2);
        window.deleteUser(); // answered Yes
        QCOMPARE(f.messages.texts(), QStringList(2, QStringLiteral("确定要删除该用户吗?")));
        QCOMPARE(window.list()->topLevelItemCount(), 1);
        QCOMPARE(f.app.scalar(QStringLiteral("select count(*) from SysUser")).toInt(), 1);
    }

    void aUserDeletedMeanwhileIsReportedAsAFailure()
    {
        ShellFixture f;
        f.session.db().exec(QStringLiteral("insert into SysUser (UserName) values ('李四')"));
        UserManagementDialog window(f.session);
        QVERIFY(window.selectUser(QStringLiteral("李四")));
        f.app.exec(QStringLiteral("delete from SysUser where UserName = '李四'"));
        window.deleteUser();
        QCOMPARE(f.messages.boxes().last(),
                 (ScriptedMessageService::Box{ScriptedMessageService::Kind::Error, QStringLiteral("删除用户失败！")}));
    }

    void changePasswordKeepsTheSelection()
    {
        ShellFixture f;
        f.session.db().exec(QStringLiteral("insert into SysUser (UserName) values ('李四')"));
        UserManagementDialog window(f.session);
        QString asked;
        window.runChangePassword = [&](const QString &user) { return asked = user, true; };
        window.changePassword();
        QVERIFY(asked.isEmpty());
        window.selectUser(QStringLiteral("李四"));
        window.changePassword();
        QCOMPARE(asked, QStringLiteral("李四"));
        QCOMPARE(window.selectedUser(), QStringLiteral("李四"));
    }
};

QTEST_MAIN(UserManagementTest)
#include "UserManagementTest.moc"
