// corvane-cli item …: the wage item catalogue with the catalogue window's rules and messages.

#include "CliSupport.h"

#include "db/Database.h"
#include "payroll/PayrollTexts.h"
#include "payroll/WageItemRules.h"
#include "payroll/WageItemStore.h"

namespace {

const QString kUsage = QStringLiteral(
    "item list | add 名称 --type 类型 [--remark 说明] [--unused] | edit 名称 [--rename 新名称] "
    "[--type 类型] [--remark 说明] [--in-use|--unused] | delete 名称  [--db 文件]");
const QStringList kValued{"--db", "--type", "--remark", "--rename"};
const QStringList kKnown = kValued + QStringList{"--unused", "--in-use"};

std::optional<RdWageItem> findItem(WageItemStore &store, const QString &name)
{
    for (const RdWageItem &item : store.items().value_or(QList<RdWageItem>{})) {
        if (item.ItemName == name) {
            return item;
        }
    }
    return std::nullopt;
}

// The dialog offers only the types of Dict_ItemType; another text is no choice at all.
QString offeredType(WageItemStore &store, const QString &type)
{
    return store.itemTypes().value_or(QStringList{}).contains(type) ? type : QString();
}

int list(CliContext &ctx, WageItemStore &store)
{
    const auto items = store.items();
    if (!items) {
        ctx.err << WageText::OpenItemsFailed << '\n';
        return 1;
    }
    QList<QStringList> rows;
    for (const RdWageItem &i : *items) {
        rows << QStringList{i.ItemName, i.ItemType, i.Remark, i.IsInUse ? "是" : "否",
                            i.ReadOnly ? "是" : "否"};
    }
    CliSupport::printListing(ctx.out, {"项目名称", "项目类型", "项目描述", "是否启用", "是否只读"},
                             rows, false);
    return 0;
}

int itemCommand(CliContext &ctx)
{
    if (!CliSupport::onlyKnownOptions(ctx, kKnown)) {
        return 2;
    }
    const QStringList pos = CliArgs::positional(ctx.args, kValued);
    const QString sub = pos.value(0);
    if (sub != QLatin1String("list") && pos.size() != 2) {
        return CliSupport::usage(ctx, kUsage);
    }
    if (CliArgs::flag(ctx.args, "--unused") && CliArgs::flag(ctx.args, "--in-use")) {
        return CliSupport::refuse(ctx, QStringLiteral("--in-use 与 --unused 只能选一个"));
    }
    Database db;
    if (!CliSupport::openDatabase(ctx, db)) {
        return 1;
    }
    WageItemStore store(db);
    CliMessages messages(ctx.err);
    if (sub == QLatin1String("list")) {
        return list(ctx, store);
    }
    const QString name = pos[1];
    if (sub == QLatin1String("add")) {
        if (!BeginAddWageItem(store, messages)) {
            return messages.exitCode();
        }
        RdWageItem typed;
        typed.ItemName = name;
        typed.ItemType = offeredType(store, CliArgs::option(ctx.args, "--type"));
        typed.Remark = CliArgs::option(ctx.args, "--remark");
        typed.IsInUse = !CliArgs::flag(ctx.args, "--unused");
        if (!AddWageItem(store, messages, typed).ok()) {
            return messages.exitCode();
        }
        ctx.out << "已添加工资项目 " << name.trimmed() << '\n';
        return 0;
    }
    const auto current = findItem(store, name);
    if (!current) {
        return CliSupport::refuse(ctx, QStringLiteral("没有此工资项目！"));
    }
    if (sub == QLatin1String("edit")) {
        if (!BeginEditWageItem(store, messages, &*current)) {
            return messages.exitCode();
        }
        RdWageItem typed = *current;
        typed.ItemName = CliArgs::option(ctx.args, "--rename", current->ItemName);
        if (ctx.args.contains(QStringLiteral("--type"))) {
            typed.ItemType = offeredType(store, CliArgs::option(ctx.args, "--type"));
        }
        typed.Remark = CliArgs::option(ctx.args, "--remark", current->Remark);
        if (CliArgs::flag(ctx.args, "--unused") || CliArgs::flag(ctx.args, "--in-use")) {
            typed.IsInUse = CliArgs::flag(ctx.args, "--in-use");
        }
        if (!ChangeWageItem(store, messages, *current, typed).ok()) {
            return messages.exitCode();
        }
        ctx.out << "已修改工资项目 " << typed.ItemName.trimmed() << '\n';
        return 0;
    }
    if (sub == QLatin1String("delete")) {
        if (DeleteWageItem(store, messages, &*current) != ItemDeleteResult::Deleted) {
            return messages.exitCode();
        }
        ctx.out << "已删除工资项目 " << name << '\n';
        return 0;
    }
    return CliSupport::usage(ctx, kUsage);
}

const CliCommand item("item",
                      "item list | add 名称 --type 类型 | edit 名称 … | delete 名称  工资项目设定",
                      itemCommand);

} // namespace
