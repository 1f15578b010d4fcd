#include "ShellFixture.h"

#include "base/Password.h"
#include "base/Settings.h"
#include "shell/ui/AddUserDialog.h"
#include "shell/ui/ChangePasswordDialog.h"
#include "shell/ui/LoginDialog.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

class LoginTest : public QObject
{
    Q_OBJECT
private slots:
    void opensWithAdminAndTheHint()
    {
        ShellFixture f{QString()};
        f.session.corpName.clear();
        LoginDialog dialog(f.session);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("系统登录"));
        QCOMPARE(dialog.userEdit()->text(), QStringLiteral("admin"));
        QCOMPARE(dialog.hintLabel()->text(), QStringLiteral("初次使用本系统用户名为admin，密码为2468"));
        QCOMPARE(dialog.userEdit()->maxLength(), 10);
        QCOMPARE(dialog.passwordEdit()->echoMode(), QLineEdit::Password);
        QCOMPARE(f.session.corpName, QStringLiteral("北方机械厂"));
    }

    void thePasswordHasTheFocusAndUnreadableUsersStillOfferAdmin()
    {
        ShellFixture f{QString()};
        {
            LoginDialog dialog(f.session);
            dialog.show();
            QVERIFY(QTest::qWaitForWindowActive(&dialog));
            QCOMPARE(QApplication::focusWidget(), dialog.passwordEdit());
        }
        f.session.db().exec(QStringLiteral("alter table SysUser rename to SysUserGone"));
        LoginDialog dialog(f.session);
        QCOMPARE(f.messages.texts(), QStringList{QStringLiteral("查询数据库失败！")});
        QCOMPARE(dialog.userEdit()->text(), QStringLiteral("admin"));
        dialog.passwordEdit()->setText(QStringLiteral("2468"));
        QVERIFY(!dialog.pressOk());
        QCOMPARE(f.messages.lastText(), QStringLiteral("用户名不存在！"));
    }

    void offersTheLastUser()
    {
        ShellFixture f{QString()};
        WriteIniString(QStringLiteral("Corvane.ini"), QStringLiteral("LastUser"), QStringLiteral("UserName"),
                       QStringLiteral("张三"));
        LoginDialog dialog(f.session);
        QCOMPARE(dialog.userEdit()->text(), QStringLiteral("张三"));
    }

    void wrongNameAndPasswordAreWarnedAndTheFourthPressEnds()
    {
        ShellFixture f{QString()};
        LoginDialog dialog(f.session);
        dialog.show();
        dialog.userEdit()->setText(QStringLiteral("nobody"));
        QVERIFY(!dialog.pressOk());
        QCOMPARE(f.messages.boxes().last(),
                 (ScriptedMessageService::Box{ScriptedMessageService::Kind::Warning, QStringLiteral("用户名不存在！")}));
        dialog.userEdit()->setText(QStringLiteral("admin"));
        dialog.passwordEdit()->setText(QStringLiteral("1111"));
        QVERIFY(!dialog.pressOk());
        QCOMPARE(f.messages.lastText(), QStringLiteral("密码错误，请重新输入！"));
        QVERIFY(!dialog.pressOk());
        dialog.passwordEdit()->setText(QStringLiteral("2468"));
        QVERIFY(!dialog.pressOk());
        QCOMPARE(dialog.lastResult(), LoginAttempts::Result::GiveUp);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(f.messages.boxes().size(), 3);
        QVERIFY(f.session.currentUser.isEmpty());
    }

    void theNameIsKeptAsTypedEvenWithOtherCaseAndSpaces()
    {
        ShellFixture f{QString()};
        LoginDialog dialog(f.session);
        dialog.userEdit()->setText(QStringLiteral(" ADMIN"));
        dialog.passwordEdit()->setText(QStringLiteral("2468"));
        QVERIFY(dialog.pressOk());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(f.session.currentUser, QStringLiteral(" ADMIN"));
        QVERIFY(!f.session.isAdmin());
        QCOMPARE(ReadIniValue(QStringLiteral("Corvane.ini"), QStringLiteral("LastUser"), QStringLiteral("UserName")),
                 QStringLiteral(" ADMIN"));
    }

    void everyPressUpgradesAnOldFileEvenWhenTheLoginFails()
    {
        ShellFixture f{QString()};
        f.session.db().dropColumn(QStringLiteral("TaxIncome"), QStringLiteral("FactIncome"));
        f.session.db().setUserVersion(1);
        LoginDialog dialog(f.session);
        dialog.passwordEdit()->setText(QStringLiteral("wrong"));
        QVERIFY(!dialog.pressOk());
        QVERIFY(f.session.db().hasColumn(QStringLiteral("TaxIncome"), QStringLiteral("FactIncome")));
    }

    void systemUserChangesAnotherPasswordWithoutTheOldOne()
    {
        ShellFixture f;
        f.session.db().exec(QStringLiteral("insert into SysUser (UserName, UserPwd) values ('张三', ?)"),
                            {EncodePassword(QStringLiteral("abc"))});
        ChangePasswordDialog other(f.session, QStringLiteral("张三"));
        QVERIFY(other.isUsable());
        QVERIFY(!other.asksOldPassword());
        other.newEdit()->setText(QStringLiteral("xyz"));
        other.confirmEdit()->setText(QStringLiteral("xyz"));
        QVERIFY(other.pressOk());
        QCOMPARE(f.app.scalar(QStringLiteral("select UserPwd from SysUser where UserName = '张三'")).toString(),
                 EncodePassword(QStringLiteral("xyz")));

        ChangePasswordDialog own(f.session, QStringLiteral("admin"));
        QVERIFY(own.asksOldPassword());
        own.show();
        QVERIFY(own.oldEdit()->isVisible());
        own.newEdit()->setText(QStringLiteral("1"));
        own.confirmEdit()->setText(QStringLiteral("1"));
        QVERIFY(!own.pressOk());
        QCOMPARE(f.messages.lastText(), QStringLiteral("旧密码错误，请重新输入！"));
        own.oldEdit()->setText(QStringLiteral("2468"));
        own.confirmEdit()->setText(QStringLiteral("2"));
        QVERIFY(!own.pressOk());
        QCOMPARE(f.messages.lastText(), QStringLiteral("您输入的两次密码不一致！"));
        own.newEdit()->setText(QStringLiteral("123456"));
        own.confirmEdit()->setText(QStringLiteral("123456"));
        QVERIFY(!own.pressOk());
        QCOMPARE(f.messages.boxes().last(),
                 (ScriptedMessageService::Box{ScriptedMessageService::Kind::Error, QStringLiteral("修改密码失败！")}));
        QVERIFY(own.isVisible());
    }

    void addUserChecksAndSaves()
    {
        ShellFixture f;
        AddUserDialog dialog(f.session);
        QVERIFY(dialog.isUsable());
        QVERIFY(!dialog.pressOk());
        QCOMPARE(f.messages.lastText(), QStringLiteral("请输入用户名！"));
        dialog.nameEdit()->setText(QStringLiteral(" Admin "));
        dialog.passwordEdit()->setText(QStringLiteral("1"));
        QVERIFY(!dialog.pressOk());
        QCOMPARE(f.messages.lastText(), QStringLiteral("您输入的两次密码不一致！"));
        dialog.confirmEdit()->setText(QStringLiteral("1"));
        QVERIFY(!dialog.pressOk());
        QCOMPARE(f.messages.lastText(), QStringLiteral("该用户名已存在！"));
        dialog.nameEdit()->setText(QStringLiteral(" 李四 "));
        dialog.passwordEdit()->setText(QStringLiteral("123456"));
        dialog.confirmEdit()->setText(QStringLiteral("123456"));
        QVERIFY(!dialog.pressOk());
        QCOMPARE(f.messages.lastText(), QStringLiteral("保存失败！"));
        dialog.passwordEdit()->setText(QStringLiteral("12345"));
        dialog.confirmEdit()->setText(QStringLiteral("12345"));
        dialog.remarkEdit()->setText(QStringLiteral(" 出纳 "));
        QVERIFY(dialog.pressOk());
        QCOMPARE(f.app.scalar(QStringLiteral("select UserName || '|' || Remark from SysUser where UserPwd = ?"),
                              {EncodePassword(QStringLiteral("12345"))})
                     .toString(),
                 QStringLiteral("李四|出纳"));
    }
};

QTEST_MAIN(LoginTest)
#include "LoginTest.moc"
