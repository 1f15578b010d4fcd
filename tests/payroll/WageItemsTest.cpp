// The wage item catalogue: its checks, the draft guard, deletion, the Wage columns and the
// monthly snapshot.

#include "../tax/TaxTestRates.h"
#include "PayrollFixture.h"
#include "TestApp.h"

#include "base/MessageService.h"
#include "payroll/WageItemRules.h"
#include "payroll/WageItemStore.h"

#include <gtest/gtest.h>

using PayrollFixture::addWageRow;

namespace {

const QString kTaxable = QStringLiteral("工资薪金所得纳税项");

RdWageItem typed(const QString &name, const QString &type = kTaxable)
{
    RdWageItem item;
    item.ItemName = name;
    item.ItemType = type;
    return item;
}

std::optional<RdWageItem> itemNamed(WageItemStore &store, const QString &name)
{
    for (const RdWageItem &i : store.items().value_or(QList<RdWageItem>{})) {
        if (i.ItemName == name) {
            return i;
        }
    }
    return std::nullopt;
}

TEST(WageItemRules, DialogChecksRunInOrderAndStopAtTheFirst)
{
    TestApp app;
    WageItemStore store(app.db());
    ScriptedMessageService messages;
    struct Case
    {
        RdWageItem item;
        QString remembered;
        ItemCheck check;
        ItemField focus;
        QString message;
    };
    PayrollFixture::addItem(app.db(), QStringLiteral("Bonus"), kTaxable);
    const QList<Case> cases{
        {typed(QStringLiteral("  ")),
         {},
         ItemCheck::NameEmpty,
         ItemField::Name,
         "请输入项目名称！"},
        {typed(QStringLiteral("1abc"), {}),
         {},
         ItemCheck::NameInvalid,
         ItemField::Name,
         "项目名称不能以数字开头！"},
        {typed(QStringLiteral("abc_1")),
         {},
         ItemCheck::NameInvalid,
         ItemField::Name,
         "项目名称不能包含字符\" _ \"！"},
        {typed(QStringLiteral("津贴"), {}),
         {},
         ItemCheck::TypeMissing,
         ItemField::Type,
         "请选择项目类型！"},
        // Another item's name, ignoring case: the engine would give both one column.
        {typed(QStringLiteral("BONUS")),
         {},
         ItemCheck::NameExists,
         ItemField::Name,
         "已有此项目，请重新输入！"},
        {typed(QStringLiteral("基本工资")),
         {},
         ItemCheck::NameExists,
         ItemField::Name,
         "已有此项目，请重新输入！"},
        // Fixed and result columns of Wage, and the sheet's titles of its fixed columns.
        {typed(QStringLiteral("wageid")),
         {},
         ItemCheck::NameExists,
         ItemField::Name,
         "已有此项目，请重新输入！"},
        {typed(QStringLiteral("DeptName")),
         {},
         ItemCheck::NameExists,
         ItemField::Name,
         "已有此项目，请重新输入！"},
        {typed(QStringLiteral("纳税额")),
         {},
         ItemCheck::NameExists,
         ItemField::Name,
         "已有此项目，请重新输入！"},
        {typed(QStringLiteral("一次性奖金")),
         {},
         ItemCheck::NameExists,
         ItemField::Name,
         "已有此项目，请重新输入！"},
        {typed(QStringLiteral("部门名称")),
         {},
         ItemCheck::NameExists,
         ItemField::Name,
         "已有此项目，请重新输入！"},
        // Editing an item and keeping its name is no duplicate.
        {typed(QStringLiteral("Bonus")),
         QStringLiteral("Bonus"),
         ItemCheck::Ok,
         ItemField::None,
         {}},
        // The name is checked as typed: a blank before a Latin name is a character it may not
        // hold.
        {typed(QStringLiteral(" Bonus")), QStringLiteral("Bonus"), ItemCheck::NameInvalid,
         ItemField::Name, "项目名称不能包含字符\"   \"！"},
        {typed(QStringLiteral("津贴甲一二三四五六七八九十一二三四五六七八九十一二三四五六七八九")),
         {},
         ItemCheck::NameTooLong,
         ItemField::Name,
         "项目名称不能超过30个字符！"},
    };
    for (const Case &c : cases) {
        messages.clear();
        const ItemCheckResult r = CheckWageItemInput(store, messages, c.item, c.remembered);
        EXPECT_EQ(r.check, c.check) << c.item.ItemName.toStdString();
        EXPECT_EQ(r.focus, c.focus) << c.item.ItemName.toStdString();
        EXPECT_EQ(messages.lastText(), c.message) << c.item.ItemName.toStdString();
    }
}

TEST(WageItemRules, ADraftAnywhereStopsEveryChange)
{
    TestApp app;
    WageItemStore store(app.db());
    ScriptedMessageService messages;
    PayrollFixture::addItem(app.db(), QStringLiteral("津贴"), kTaxable);
    addWageRow(app.db(), 2004, 11, QStringLiteral("E1"), QStringLiteral("部门一"), false);
    const RdWageItem allowance = *itemNamed(store, QStringLiteral("津贴"));

    EXPECT_FALSE(BeginAddWageItem(store, messages));
    EXPECT_FALSE(BeginEditWageItem(store, messages, &allowance));
    EXPECT_EQ(DeleteWageItem(store, messages, &allowance), ItemDeleteResult::Refused);
    EXPECT_EQ(messages.boxes(),
              QList<ScriptedMessageService::Box>(3, {ScriptedMessageService::Kind::Warning,
                                                     "已有草稿中数据，请先清除草稿数据！"}));
    EXPECT_TRUE(itemNamed(store, QStringLiteral("津贴")));
}

TEST(WageItemRules, AGuardThatCannotAskStops)
{
    TestApp app;
    WageItemStore store(app.db());
    ScriptedMessageService messages;
    app.exec(QStringLiteral("alter table Wage rename to WageAway"));
    EXPECT_FALSE(BeginAddWageItem(store, messages));
    EXPECT_EQ(messages.boxes().value(0).kind, ScriptedMessageService::Kind::Error);
    EXPECT_EQ(messages.lastText(), QStringLiteral("查询失败"));
}

TEST(WageItemRules, BasicItemsAreNeitherEditedNorDeleted)
{
    TestApp app;
    WageItemStore store(app.db());
    ScriptedMessageService messages;
    const RdWageItem basic = *itemNamed(store, QStringLiteral("养老保险金"));
    EXPECT_FALSE(BeginEditWageItem(store, messages, &basic));
    EXPECT_EQ(DeleteWageItem(store, messages, &basic), ItemDeleteResult::Refused);
    EXPECT_FALSE(BeginEditWageItem(store, messages, nullptr));
    EXPECT_EQ(DeleteWageItem(store, messages, nullptr), ItemDeleteResult::Refused);
    EXPECT_EQ(messages.texts(), (QStringList{"基本项不允许更改！", "基本项不允许删除！",
                                             "没有要编辑的工资项目！", "没有要删除的工资项目！"}));
}

TEST(WageItemRules, ANameWithQuotesBracketsBlanksAndPercentIsAColumnLikeAnyOther)
{
    TestApp app;
    Database &db = app.db();
    WageItemStore store(db);
    ScriptedMessageService messages;
    const QString name = QStringLiteral("津贴] \"x' %_");
    ASSERT_TRUE(AddWageItem(store, messages, typed(name)).ok())
        << messages.lastText().toStdString();
    EXPECT_FALSE(db.hasColumn(QStringLiteral("Wage"), name)); // made when the window opens
    ASSERT_TRUE(AddMissingItemColumns(db));
    EXPECT_TRUE(db.hasColumn(QStringLiteral("Wage"), name));

    // A non-zero amount in any month keeps the item.
    const qint64 id = addWageRow(db, 2004, 12, QStringLiteral("E1"), QStringLiteral("部门一"), true,
                                 {{name, M("12.5")}});
    const RdWageItem item = *itemNamed(store, name);
    EXPECT_EQ(DeleteWageItem(store, messages, &item), ItemDeleteResult::Refused);
    EXPECT_EQ(messages.lastText(), QStringLiteral("此工资项目不能删除！"));

    // Zeros and NULLs do not; the column and the item's snapshot rows go with it.
    app.exec(QStringLiteral("update Wage set \"津贴] \"\"x' %_\" = 0 where WageID = ?"), {id});
    app.exec(QStringLiteral("insert into WageItem (ItemYear, ItemMonth, ItemName, ItemType, "
                            "ReadOnly) values (2004, 12, ?, ?, 0)"),
             {name, kTaxable});
    messages.setNextAnswer(true);
    EXPECT_EQ(DeleteWageItem(store, messages, &item), ItemDeleteResult::Deleted);
    EXPECT_EQ(messages.lastText(), QStringLiteral("您确信删除此工资项目？"));
    EXPECT_FALSE(db.hasColumn(QStringLiteral("Wage"), name));
    EXPECT_FALSE(itemNamed(store, name));
    EXPECT_EQ(app.scalar(QStringLiteral("select count(*) from WageItem where ItemName = ?"), {name})
                  .toInt(),
              0);
    EXPECT_EQ(app.scalar(QStringLiteral("select count(*) from Wage")).toInt(), 1);
}

TEST(WageItemRules, AnItemWithoutItsColumnIsDeletedAndNoMeansNo)
{
    TestApp app;
    WageItemStore store(app.db());
    ScriptedMessageService messages;
    ASSERT_TRUE(AddWageItem(store, messages, typed(QStringLiteral("津贴"))).ok());
    const RdWageItem item = *itemNamed(store, QStringLiteral("津贴"));
    messages.setNextAnswer(false);
    EXPECT_EQ(DeleteWageItem(store, messages, &item), ItemDeleteResult::Declined);
    EXPECT_TRUE(itemNamed(store, QStringLiteral("津贴")));
    EXPECT_EQ(DeleteWageItem(store, messages, &item), ItemDeleteResult::Deleted);
    EXPECT_FALSE(itemNamed(store, QStringLiteral("津贴")));
}

TEST(WageItemRules, AFailedDeleteLeavesColumnSnapshotAndItem)
{
    TestApp app;
    Database &db = app.db();
    WageItemStore store(db);
    ScriptedMessageService messages;
    PayrollFixture::addItem(db, QStringLiteral("津贴"), kTaxable);
    app.exec(QStringLiteral("insert into WageItem (ItemYear, ItemMonth, ItemName, ItemType, "
                            "ReadOnly) values (2004, 12, '津贴', ?, 0)"),
             {kTaxable});
    app.exec(QStringLiteral("create trigger KeepItems before delete on Dict_Item "
                            "begin select raise(abort, 'kept'); end"));
    const RdWageItem item = *itemNamed(store, QStringLiteral("津贴"));
    EXPECT_EQ(DeleteWageItem(store, messages, &item), ItemDeleteResult::Failed);
    EXPECT_TRUE(messages.lastText().startsWith(QStringLiteral("删除工资项目失败！")));
    EXPECT_TRUE(db.hasColumn(QStringLiteral("Wage"), QStringLiteral("津贴")));
    EXPECT_EQ(app.scalar(QStringLiteral("select count(*) from WageItem")).toInt(), 1);
    EXPECT_TRUE(itemNamed(store, QStringLiteral("津贴")));
}

TEST(WageItemRules, ARenameLeavesTheOldColumnWithItsDataAndAddsAnEmptyOne)
{
    TestApp app;
    Database &db = app.db();
    WageItemStore store(db);
    ScriptedMessageService messages;
    PayrollFixture::addItem(db, QStringLiteral("津贴"), kTaxable);
    addWageRow(db, 2004, 12, QStringLiteral("E1"), QStringLiteral("部门一"), true,
               {{QStringLiteral("津贴"), M("300")}});
    const RdWageItem item = *itemNamed(store, QStringLiteral("津贴"));
    RdWageItem renamed = item;
    renamed.ItemName = QStringLiteral("岗位津贴 "); // trimmed when saved
    renamed.IsInUse = false;
    ASSERT_TRUE(ChangeWageItem(store, messages, item, renamed).ok());
    const auto changed = itemNamed(store, QStringLiteral("岗位津贴"));
    ASSERT_TRUE(changed);
    EXPECT_FALSE(changed->IsInUse);
    ASSERT_TRUE(AddMissingItemColumns(db));
    EXPECT_EQ(
        PayrollFixture::wageAmount(db, 2004, 12, QStringLiteral("E1"), QStringLiteral("津贴")),
        M("300"));
    EXPECT_TRUE(db.hasColumn(QStringLiteral("Wage"), QStringLiteral("岗位津贴")));
    EXPECT_EQ(
        app.scalar(QStringLiteral("select count(*) from Wage where 岗位津贴 is not null")).toInt(),
        0);
}

TEST(SnapshotWageItems, RecordsTheItemsInUseAndTheBonusOnlyWhenPaid)
{
    TestApp app;
    Database &db = app.db();
    PayrollFixture::addItem(db, QStringLiteral("津贴"), kTaxable, false);
    addWageRow(db, 2005, 1, QStringLiteral("E1"), QStringLiteral("部门一"), true,
               {{QStringLiteral("一次性奖金"), M("0")}});
    addWageRow(db, 2005, 2, QStringLiteral("E1"), QStringLiteral("部门一"), true,
               {{QStringLiteral("一次性奖金"), M("500")}});
    ASSERT_TRUE(SnapshotWageItems(db, 2005, 1));
    ASSERT_TRUE(SnapshotWageItems(db, 2005, 2));
    WageItemStore store(db);
    const auto names = [&](int month) {
        QStringList n;
        for (const RdWageItem &i : store.snapshot(2005, month).value_or(QList<RdWageItem>{})) {
            n << i.ItemName + u'/' + i.ItemType;
        }
        return n;
    };
    const QStringList inUse{"基本工资/工资薪金所得纳税项", "养老保险金/免税扣除项",
                            "医疗保险金/免税扣除项", "住房公积金/免税扣除项"};
    EXPECT_EQ(names(1), inUse);
    EXPECT_EQ(names(2), inUse + QStringList{"一次性奖金/基本项"});
}

} // namespace
