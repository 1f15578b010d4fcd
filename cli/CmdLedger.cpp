// corvane-cli ledger list: a month's rows of the tax ledger, every column under its table name.

#include "CliSupport.h"

#include "db/Database.h"
#include "db/Sql.h"

namespace {

const QString kUsage = QStringLiteral("ledger list 年 月 [--csv]  [--db 文件]");

QString valueText(const QVariant &v)
{
    if (v.metaType() == QMetaType::fromType<Money>()) {
        return v.value<Money>().toString(2);
    }
    return v.toString();
}

int ledgerCommand(CliContext &ctx)
{
    if (!CliSupport::onlyKnownOptions(ctx, {"--db", "--csv"})) {
        return 2;
    }
    const QStringList pos = CliArgs::positional(ctx.args, {"--db"});
    int year = 0;
    int month = 0;
    if (pos.value(0) != QLatin1String("list") || pos.size() != 3) {
        return CliSupport::usage(ctx, kUsage);
    }
    if (!CliSupport::parsePeriod(ctx, pos[1], pos[2], year, month)) {
        return 2;
    }
    Database db;
    if (!CliSupport::openDatabase(ctx, db)) {
        return 1;
    }
    const QStringList columns = db.columns(QStringLiteral("TaxIncome"));
    const auto r = db.query(QStringLiteral("select ") + QuoteIdents(columns) +
                                QStringLiteral(" from TaxIncome where TaxYear = ? and "
                                               "TaxMonth = ? order by ID"),
                            {year, month});
    if (columns.isEmpty() || !r) {
        ctx.err << "查询数据库失败！\n" << db.lastError() << '\n';
        return 1;
    }
    QList<QStringList> rows;
    rows.reserve(r->rowCount());
    for (const QVariantList &row : r->rows()) {
        QStringList values;
        for (const QVariant &v : row) {
            values << valueText(v);
        }
        rows << values;
    }
    CliSupport::printListing(ctx.out, columns, rows, CliArgs::flag(ctx.args, "--csv"));
    return 0;
}

const CliCommand ledger("ledger", "ledger list 年 月 [--csv]  纳税台账", ledgerCommand);

} // namespace
