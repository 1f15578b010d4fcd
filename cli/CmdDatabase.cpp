#include "Command.h"

#include "base/Password.h"
#include "db/Database.h"
#include "db/Schema.h"

#include <QFileInfo>

namespace {

int createDatabase(CliContext &ctx)
{
    CliOptions options({});
    if (!ctx.parse(options)) {
        return 2;
    }
    const QStringList paths = options.positional();
    if (paths.size() != 1 || paths.first().trimmed().isEmpty()) {
        return ctx.usageError();
    }
    const QString path = paths.first();
    if (QFileInfo::exists(path)) {
        ctx.err << "文件已存在: " << path << '\n';
        return 2;
    }
    Database db;
    if (!db.create(path, DatabasePassword())) {
        ctx.err << "创建数据库失败: " << db.lastError() << '\n';
        return 1;
    }
    if (!Schema::createDatabase(db)) {
        ctx.err << "创建数据库失败: " << db.lastError() << '\n';
        db.close();
        QFile::remove(path); // made by create() above
        return 1;
    }
    ctx.out << "已创建 " << path << '\n';
    return 0;
}

int checkDatabase(CliContext &ctx)
{
    CliOptions options({QStringLiteral("--db")});
    if (!ctx.parse(options)) {
        return 2;
    }
    const QStringList paths = options.positional();
    if (paths.size() > 1 || (!paths.isEmpty() && options.has(QStringLiteral("--db")))) {
        return ctx.usageError();
    }
    const QString path = paths.isEmpty() ? CliArgs::databasePath(options) : paths.first();
    Database db;
    // An inspection changes nothing, not even a journal left by a crash.
    if (!db.open(path, DatabasePassword(), Database::Access::ReadOnly)) {
        ctx.err << "打开数据库失败: " << db.lastError() << '\n';
        return 1;
    }
    const auto check = db.scalar(QStringLiteral("pragma integrity_check"));
    const auto tables = db.query(QStringLiteral(
        "select name from sqlite_master where type = 'table' and name not like 'sqlite%' order by name"));
    ctx.out << "版本: " << db.userVersion() << '\n';
    if (tables) {
        for (int i = 0; i < tables->rowCount(); ++i) {
            ctx.out << "表: " << tables->text(i, 0) << '\n';
        }
    }
    ctx.out << "检查: " << (check ? check->toString() : db.lastError()) << '\n';
    return (check && check->toString() == QLatin1String("ok")) ? 0 : 1;
}

const CliCommand create("create-database", "create-database 文件      创建一个交付状态的新数据库",
                        createDatabase);
const CliCommand check("check-database", "check-database [文件]      打开数据库，列出其表和版本并检查完整性",
                       checkDatabase);

} // namespace
