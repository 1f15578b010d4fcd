#include "TestApp.h"

#include "base/Password.h"
#include "db/Schema.h"
#include "shell/UserRules.h"
#include "shell/UserStore.h"

#include <gtest/gtest.h>

namespace {

using R = LoginAttempts::Result;

QList<UserRow> users()
{
    return {{QStringLiteral("admin"), EncodePassword(QStringLiteral("2468")), {}},
            {QStringLiteral("张三"), EncodePassword(QStringLiteral("abc")), {}}};
}

TEST(Login, LookupTrimsAndIgnoresCaseButThePasswordIsExact)
{
    LoginAttempts login(users());
    EXPECT_EQ(login.press(QStringLiteral("nobody"), QStringLiteral("2468")), R::UnknownUser);
    EXPECT_EQ(login.press(QStringLiteral("  ADMIN "), QStringLiteral("2469")), R::WrongPassword);
    EXPECT_EQ(login.press(QStringLiteral("  ADMIN "), QStringLiteral("2468")), R::LoggedIn);
    LoginAttempts other(users());
    EXPECT_EQ(other.press(QStringLiteral("张三"), QStringLiteral("ABC")), R::WrongPassword);
    EXPECT_EQ(LoginMessage(R::UnknownUser), QStringLiteral("用户名不存在！"));
    EXPECT_EQ(LoginMessage(R::WrongPassword), QStringLiteral("密码错误，请重新输入！"));
}

TEST(Login, ThreeAttemptsAreExaminedAndTheFourthPressGivesUp)
{
    LoginAttempts login(users());
    EXPECT_EQ(login.press(QStringLiteral("admin"), QStringLiteral("1")), R::WrongPassword);
    EXPECT_EQ(login.press(QStringLiteral("admin"), QStringLiteral("2")), R::WrongPassword);
    EXPECT_EQ(login.press(QStringLiteral("x"), QStringLiteral("3")), R::UnknownUser);
    // Even the right password is not looked at any more.
    EXPECT_EQ(login.press(QStringLiteral("admin"), QStringLiteral("2468")), R::GiveUp);
    EXPECT_EQ(login.attempts(), 3);
}

TEST(ChangePassword, SystemUserSkipsTheOldPasswordOnlyForOthers)
{
    const QString stored = EncodePassword(QStringLiteral("old"));
    using C = ChangePwdCheck;
    EXPECT_EQ(CheckChangePassword(QStringLiteral("admin"), QStringLiteral("张三"), stored, {}, QStringLiteral("n"), QStringLiteral("n")), C::Ok);
    EXPECT_EQ(CheckChangePassword(QStringLiteral("admin"), QStringLiteral("admin"), stored, {}, QStringLiteral("n"), QStringLiteral("n")), C::OldPasswordWrong);
    EXPECT_EQ(CheckChangePassword(QStringLiteral("ADMIN"), QStringLiteral("张三"), stored, {}, QStringLiteral("n"), QStringLiteral("n")), C::OldPasswordWrong);
    EXPECT_EQ(CheckChangePassword(QStringLiteral("张三"), QStringLiteral("张三"), stored, QStringLiteral("old"), QStringLiteral("n"), QStringLiteral("m")), C::NewPasswordsDiffer);
    // An empty new password is accepted.
    EXPECT_EQ(CheckChangePassword(QStringLiteral("张三"), QStringLiteral("张三"), stored, QStringLiteral("old"), {}, {}), C::Ok);
    EXPECT_EQ(ChangePwdMessage(C::OldPasswordWrong), QStringLiteral("旧密码错误，请重新输入！"));
    EXPECT_EQ(ChangePwdMessage(C::NewPasswordsDiffer), QStringLiteral("您输入的两次密码不一致！"));
}

TEST(AddUser, ChecksRunInOrder)
{
    using A = AddUserCheck;
    EXPECT_EQ(CheckAddUser(users(), QStringLiteral("   "), QStringLiteral("a"), QStringLiteral("b")), A::NameEmpty);
    EXPECT_EQ(CheckAddUser(users(), QStringLiteral("Admin"), QStringLiteral("a"), QStringLiteral("b")), A::PasswordsDiffer);
    EXPECT_EQ(CheckAddUser(users(), QStringLiteral(" Admin"), QStringLiteral("a"), QStringLiteral("a")), A::NameTaken);
    EXPECT_EQ(CheckAddUser(users(), QStringLiteral("李四"), QStringLiteral("a"), QStringLiteral("a")), A::Ok);
    EXPECT_EQ(AddUserMessage(A::NameEmpty), QStringLiteral("请输入用户名！"));
    EXPECT_EQ(AddUserMessage(A::NameTaken), QStringLiteral("该用户名已存在！"));
}

TEST(UserStore, PasswordsAreStoredEncodedAndLongOnesDoNotFit)
{
    TestApp app;
    UserStore store(app.db());
    EXPECT_TRUE(store.add(QStringLiteral("李四"), QStringLiteral("12345"), QStringLiteral("出纳")));
    EXPECT_EQ(store.storedPassword(QStringLiteral("李四")).value_or(QString()), EncodePassword(QStringLiteral("12345")));
    // Six characters encode to twelve, more than the column holds.
    EXPECT_FALSE(store.add(QStringLiteral("王五"), QStringLiteral("123456"), {}));
    EXPECT_FALSE(store.setPassword(QStringLiteral("李四"), QStringLiteral("123456")));
    EXPECT_TRUE(store.setPassword(QStringLiteral("李四"), QString()));
    EXPECT_EQ(store.storedPassword(QStringLiteral("李四")).value_or(QStringLiteral("?")), QString());
    // The name is unique whatever its case.
    EXPECT_FALSE(store.add(QStringLiteral("ADMIN"), {}, {}));
    // Changing the password of a user who is gone is a failure.
    EXPECT_TRUE(store.remove(QStringLiteral("李四")));
    EXPECT_FALSE(store.setPassword(QStringLiteral("李四"), QStringLiteral("1")));
    const auto all = store.loadAll();
    ASSERT_TRUE(all.has_value());
    EXPECT_EQ(all->size(), 1);
    EXPECT_EQ(all->first().userName, QStringLiteral("admin"));
}

TEST(UserStore, LoginUpgradeAddsFactIncomeOnceAndIsHarmlessAfter)
{
    TestApp app;
    ASSERT_TRUE(app.db().dropColumn(QStringLiteral("TaxIncome"), QStringLiteral("FactIncome")));
    app.db().setUserVersion(1);
    app.exec(QStringLiteral("insert into TaxIncome (TaxYear, TaxMonth, EmpName) values (2005, 1, 'a')"));
    EXPECT_TRUE(UpgradeAtLogin(app.db()));
    EXPECT_TRUE(app.db().hasColumn(QStringLiteral("TaxIncome"), QStringLiteral("FactIncome")));
    EXPECT_EQ(app.scalar(QStringLiteral("select FactIncome from TaxIncome")).toLongLong(), 0);
    EXPECT_TRUE(UpgradeAtLogin(app.db()));
    EXPECT_EQ(app.db().userVersion(), Schema::kCurrentVersion);
}

TEST(UserStore, LoginUpgradeSaysWhenItFailed)
{
    TestApp app;
    ASSERT_TRUE(app.db().dropColumn(QStringLiteral("TaxIncome"), QStringLiteral("FactIncome")));
    app.db().setUserVersion(1);
    app.db().close();
    Database readOnly;
    ASSERT_TRUE(readOnly.open(app.dbPath(), DatabasePassword(), Database::Access::ReadOnly));
    EXPECT_FALSE(UpgradeAtLogin(readOnly));
    EXPECT_EQ(UpgradeFailedMessage(readOnly),
              QStringLiteral("数据库升级失败！\nattempt to write a readonly database"));
    EXPECT_EQ(readOnly.userVersion(), 1);
}

} // namespace

namespace {

TEST(UserStore, ANameTypedWithOtherCaseAndSpacesFindsItsUser)
{
    TestApp app;
    UserStore store(app.db());
    EXPECT_EQ(store.storedPassword(QStringLiteral(" ADMIN ")).value_or(QString()), EncodePassword(QStringLiteral("2468")));
    EXPECT_TRUE(store.setPassword(QStringLiteral(" ADMIN "), QStringLiteral("1357")));
    EXPECT_EQ(store.storedPassword(QStringLiteral("admin")).value_or(QString()), EncodePassword(QStringLiteral("1357")));
    EXPECT_FALSE(store.storedPassword(QStringLiteral("nobody")).has_value());
}

} // namespace
