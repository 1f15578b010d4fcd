#include "TestApp.h"

#include "base/MessageService.h"
#include "shell/Session.h"
#include "maintenance/CorpInfoStore.h"

#include <gtest/gtest.h>

namespace {

CorpInfo full()
{
    return {QStringLiteral(" 北方机械厂 "), QStringLiteral(" 110101 "), QStringLiteral("北京"),
            QStringLiteral("010-1"),       QStringLiteral("010-2"),     QStringLiteral("100000"),
            QStringLiteral(" T-9 ")};
}

TEST(CorpInfo, RequiredBoxesAreCheckedInTheDialogsOrder)
{
    CorpInfo c = full();
    EXPECT_EQ(CheckCorpInfo(c), CorpField::None);
    // Emptied from the last checked to the first: each time the earliest empty one wins.
    const std::pair<QString CorpInfo::*, CorpField> order[] = {
        {&CorpInfo::fax, CorpField::Fax},       {&CorpInfo::tel, CorpField::Tel},
        {&CorpInfo::postalCode, CorpField::PostalCode}, {&CorpInfo::taxNo, CorpField::TaxNo},
        {&CorpInfo::address, CorpField::Address}, {&CorpInfo::obligorNo, CorpField::ObligorNo},
        {&CorpInfo::corpName, CorpField::CorpName}};
    for (const auto &[member, field] : order) {
        c.*member = QStringLiteral("   ");
        EXPECT_EQ(CheckCorpInfo(c), field);
    }
    EXPECT_EQ(CorpInfoMessage(CorpField::CorpName), QStringLiteral("请输入扣缴义务人名称！"));
    EXPECT_EQ(CorpInfoMessage(CorpField::PostalCode), QStringLiteral("请输入邮政编码！"));
    EXPECT_EQ(CorpInfoMessage(CorpField::Fax), QStringLiteral("请输入传真！"));
}

TEST(CorpInfo, SaveCreatesTheOneRowThenEditsItTrimmedAndRefreshesTheSession)
{
    TestApp app;
    ScriptedMessageService messages;
    Session session(messages);
    session.databasePath = app.dbPath();
    ASSERT_TRUE(session.openDatabase());
    CorpInfoStore store(session.db());
    ASSERT_TRUE(store.load().has_value());
    EXPECT_FALSE(store.load()->has_value());

    const auto saved = SaveCorpInfo(session.db(), full());
    ASSERT_TRUE(saved);
    session.applyCorpInfo(*saved);
    EXPECT_EQ(session.corpName, QStringLiteral("北方机械厂"));
    EXPECT_EQ(session.obligorNo, QStringLiteral("110101"));
    EXPECT_EQ(session.taxNo, QStringLiteral("T-9"));
    app.exec(QStringLiteral("update CorpInfo set abName = 'abc'"));

    CorpInfo changed = full();
    changed.corpName = QStringLiteral("南方机械厂");
    const auto again = SaveCorpInfo(session.db(), changed);
    ASSERT_TRUE(again);
    session.applyCorpInfo(*again);
    EXPECT_EQ(app.scalar(QStringLiteral("select count(*) from CorpInfo")).toInt(), 1);
    EXPECT_EQ(app.scalar(QStringLiteral("select CorpName || '|' || TaxNo || '|' || abName from CorpInfo")).toString(),
              QStringLiteral("南方机械厂|T-9|abc"));
    EXPECT_EQ(session.corpName, QStringLiteral("南方机械厂"));
}

TEST(CorpInfo, ATooLongValueFailsAndLeavesTheSessionAlone)
{
    TestApp app;
    ScriptedMessageService messages;
    Session session(messages);
    session.databasePath = app.dbPath();
    ASSERT_TRUE(session.openDatabase());
    session.corpName = QStringLiteral("旧");
    CorpInfo c = full();
    c.postalCode = QStringLiteral("12345678901");
    EXPECT_FALSE(SaveCorpInfo(session.db(), c));
    EXPECT_EQ(session.corpName, QStringLiteral("旧"));
    EXPECT_EQ(app.scalar(QStringLiteral("select count(*) from CorpInfo")).toInt(), 0);
}

} // namespace
