// corvane-cli otherpay …: other taxable payments (contract income, labour remuneration,
// interest and the like) of a month, with the same checks, tax and messages as the window
// "其他支付". A refusal prints the window's message on standard error and exits with 2; a
// database failure exits with 1.

#include "CliSupport.h"
#include "Command.h"

#include "base/AppEnv.h"
#include "base/MessageService.h"
#include "base/Password.h"
#include "base/TextHelpers.h"
#include "db/Database.h"
#include "org/EmpRules.h"
#include "otherpay/OtherPayListModel.h"
#include "otherpay/OtherPayStore.h"
#include "otherpay/OtherPayTexts.h"
#include "otherpay/OtherTax.h"
#include "otherpay/PaymentRules.h"
#include "tax/TaxRates.h"

namespace {

const char *const kUsage =
    "otherpay add 年 月 员工编号 --type 收入类型 --income 金额 [--deduction 金额] "
    "[--date yyyy-mm-dd] [--receipt 完税证字号] | list 年 月 [--csv] | edit ID [--type 收入类型] "
    "[--income 金额] [--deduction 金额] [--date yyyy-mm-dd] [--receipt 完税证字号] | delete ID"
    "  [--db 文件]  其他支付";
const QStringList kInputOptions{"--type", "--income", "--deduction", "--date", "--receipt"};

int usage(CliContext &ctx)
{
    return CliSupport::usage(ctx, QString::fromUtf8(kUsage));
}

// The options a sub-command takes (with --db); anything else is refused.
CliOptions subOptions(const QString &sub)
{
    const QString db = QStringLiteral("--db");
    if (sub == QLatin1String("add") || sub == QLatin1String("edit")) {
        return CliOptions(QStringList{db} + kInputOptions);
    }
    if (sub == QLatin1String("list")) {
        return CliOptions({db}, {QStringLiteral("--csv")});
    }
    return CliOptions({db});
}

bool openDb(CliContext &ctx, const CliOptions &opts, Database &db)
{
    if (!db.open(CliArgs::databasePath(opts), DatabasePassword())) {
        ctx.err << "打开数据库失败: " << db.lastError() << '\n';
        return false;
    }
    return true;
}

// Only what the amount fields let through: digits with at most one decimal point.
bool typable(const QString &amount)
{
    for (QChar c : amount) {
        if (!(c.isDigit() || c == u'.')) {
            return false;
        }
    }
    return amount.count(u'.') <= 1;
}

// The type, amounts, date and receipt of the command line as the panel would hold them,
// starting from `base` (an edited row's values, or an empty panel).
std::optional<PaymentInput> readInput(CliContext &ctx, const CliOptions &opts, Database &db,
                                      PaymentInput base)
{
    if (opts.has(QStringLiteral("--type"))) {
        const QString type = opts.value(QStringLiteral("--type")).trimmed();
        const auto types = OtherPayStore(db).incomeTypes();
        if (!types) {
            ctx.err << OtherPayText::OpenFailed << '\n';
            return std::nullopt;
        }
        if (!type.isEmpty() && !types->contains(type)) {
            ctx.err << "未知的收入类型: " << type << "（可用: " << types->join(QStringLiteral("、"))
                    << "）\n";
            return std::nullopt;
        }
        if (type != base.taxType) {
            // A new type clears the amounts, as choosing it in the window does.
            base.taxType = type;
            base.incomeText.clear();
            base.deductionText.clear();
        }
    }
    for (const char *name : {"--income", "--deduction"}) {
        const QString option = QString::fromLatin1(name);
        if (!opts.has(option)) {
            continue;
        }
        const QString text = opts.value(option).trimmed();
        if (!typable(text)) {
            ctx.err << "金额不是有效的数字: " << text << '\n';
            return std::nullopt;
        }
        (option == QLatin1String("--income") ? base.incomeText : base.deductionText) = text;
    }
    // Only a contract's deduction is typed; the other types' deduction is computed.
    if (opts.has(QStringLiteral("--deduction")) && base.taxType != OtherPayText::Contract) {
        ctx.err << "--deduction 只用于" << OtherPayText::Contract << '\n';
        return std::nullopt;
    }
    if (opts.has(QStringLiteral("--date"))) {
        base.taxDate = QDate::fromString(opts.value(QStringLiteral("--date")), Qt::ISODate);
        if (!base.taxDate.isValid()) {
            ctx.err << "日期格式应为yyyy-mm-dd！\n";
            return std::nullopt;
        }
    }
    if (opts.has(QStringLiteral("--receipt"))) {
        base.taxNumber = opts.value(QStringLiteral("--receipt"));
    }
    return base;
}

int saveExit(const PaymentSaveResult &r)
{
    switch (r.check.check) {
    case PaymentCheck::Ok:
        return 0;
    case PaymentCheck::RatesMissing:
    case PaymentCheck::SaveFailed:
        return 1;
    default:
        return 2;
    }
}

// The rate set the payment's type needs (the others are not read).
TaxRates ratesFor(Database &db, const QString &taxType)
{
    TaxRates rates;
    if (const auto kind = OtherTaxRateKind(taxType)) {
        rates.load(*kind, db);
    }
    return rates;
}

// Saves the command line's values over `shown` (what the panel holds) with the window's checks
// and tax; `saved` reports the saved payment.
template <typename Saved>
int save(CliContext &ctx, const CliOptions &opts, Database &db, const PaymentInput &shown,
         const PaymentTarget &target, Saved &&saved)
{
    const auto input = readInput(ctx, opts, db, shown);
    if (!input) {
        return 2;
    }
    OtherPayStore store(db);
    StderrMessageService messages;
    const TaxRates rates = ratesFor(db, input->taxType);
    const PaymentSaveResult r = SavePayment(store, rates, messages, target, *input);
    if (r.ok()) {
        saved(r);
    }
    return saveExit(r);
}

int add(CliContext &ctx, const CliOptions &opts, const QStringList &pos)
{
    if (pos.size() != 4) {
        return usage(ctx);
    }
    int year = 0;
    int month = 0;
    if (!CliSupport::parsePeriod(ctx, pos[1], pos[2], year, month)) {
        return 2;
    }
    if (!opts.has(QStringLiteral("--type")) || !opts.has(QStringLiteral("--income"))) {
        return usage(ctx);
    }
    Database db;
    if (!openDb(ctx, opts, db)) {
        return 1;
    }
    OtherPayStore store(db);
    const auto person = store.person(pos[3].trimmed());
    if (!person) {
        ctx.err << EmpText::QueryFailed << '\n';
        return 1;
    }
    if (person->isEmpty()) {
        return CliSupport::refuse(ctx, EmpText::NotFound);
    }
    PaymentInput empty;
    empty.taxDate = Today();
    const PaymentTarget target{year, month, 0, person->first()};
    return save(ctx, opts, db, empty, target,
                [&](const PaymentSaveResult &r) { ctx.out << r.id << '\n'; });
}

QList<QStringList> listRows(const QList<OtherPayment> &payments)
{
    QList<QStringList> rows;
    rows.reserve(payments.size());
    for (const OtherPayment &p : payments) {
        QStringList row;
        for (int c = 0; c < OtherPayListModel::ColumnCount; ++c) {
            // Rates and quick deductions with two decimals, like every amount on the command line.
            row << (c == OtherPayListModel::TaxRate        ? FormatMoney(p.taxRate)
                    : c == OtherPayListModel::TakeOutMoney ? FormatMoney(p.takeOutMoney)
                                                           : OtherPayListModel::cellText(p, c));
        }
        rows << row;
    }
    return rows;
}

int list(CliContext &ctx, const CliOptions &opts, const QStringList &pos)
{
    if (pos.size() != 3) {
        return usage(ctx);
    }
    int year = 0;
    int month = 0;
    if (!CliSupport::parsePeriod(ctx, pos[1], pos[2], year, month)) {
        return 2;
    }
    Database db;
    if (!openDb(ctx, opts, db)) {
        return 1;
    }
    const auto payments = OtherPayStore(db).list(year, month);
    if (!payments) {
        ctx.err << OtherPayText::OpenFailed << '\n';
        return 1;
    }
    QStringList header;
    for (int c = 0; c < OtherPayListModel::ColumnCount; ++c) {
        header << OtherPayListModel::columnName(c);
    }
    CliSupport::printListing(ctx.out, header, listRows(*payments),
                             opts.has(QStringLiteral("--csv")));
    return 0;
}

// The steps of the commands on one payment named by its ID: the database opened, the payment
// found (refused with `nothing` when there is none, or the ID is not a number); then `fn` goes
// on with it.
template <typename Fn>
int withPayment(CliContext &ctx, const CliOptions &opts, const QStringList &pos,
                const QString &nothing, Fn &&fn)
{
    if (pos.size() != 2) {
        return usage(ctx);
    }
    Database db;
    if (!openDb(ctx, opts, db)) {
        return 1;
    }
    bool ok = false;
    const qint64 id = pos[1].toLongLong(&ok);
    const auto found = ok ? OtherPayStore(db).byId(id) : QList<OtherPayment>();
    if (!found) {
        ctx.err << OtherPayText::OpenFailed << '\n';
        return 1;
    }
    if (found->isEmpty()) {
        return CliSupport::refuse(ctx, nothing);
    }
    return fn(db, found->first());
}

// The panel as it shows a stored payment.
PaymentInput shownOf(const OtherPayment &p)
{
    PaymentInput shown;
    shown.taxType = p.taxType;
    shown.incomeText = FormatMoney(p.income);
    shown.deductionText = FormatMoney(p.minusFare);
    shown.taxDate = p.taxDate.isEmpty() ? Today() : QDate::fromString(p.taxDate, Qt::ISODate);
    shown.taxNumber = p.taxNumber;
    return shown;
}

int edit(CliContext &ctx, const CliOptions &opts, const QStringList &pos)
{
    const auto edited = [&](Database &db, const OtherPayment &p) {
        return save(ctx, opts, db, shownOf(p), PaymentTarget{p.taxYear, p.taxMonth, p.id, {}},
                    [&](const PaymentSaveResult &) { ctx.out << "已修改 " << p.id << '\n'; });
    };
    return withPayment(ctx, opts, pos, OtherPayText::NothingToEdit, edited);
}

int remove(CliContext &ctx, const CliOptions &opts, const QStringList &pos)
{
    const auto deleted = [&](Database &db, const OtherPayment &p) {
        OtherPayStore store(db);
        StderrMessageService messages;
        if (!DeletePayment(store, messages, p.id)) {
            return 1;
        }
        ctx.out << "已删除 " << p.id << '\n';
        return 0;
    };
    return withPayment(ctx, opts, pos, OtherPayText::NothingToDelete, deleted);
}

int otherPay(CliContext &ctx)
{
    // Any option of the group may stand before the sub-command.
    const CliOptions any(QStringList{QStringLiteral("--db")} + kInputOptions,
                         {QStringLiteral("--csv")});
    const auto opts = CliSupport::parseSubCommand(ctx, any, subOptions);
    if (!opts) {
        return 2;
    }
    const QStringList &pos = opts->positional();
    const QString sub = pos.value(0);
    if (sub == QLatin1String("add")) {
        return add(ctx, *opts, pos);
    }
    if (sub == QLatin1String("list")) {
        return list(ctx, *opts, pos);
    }
    if (sub == QLatin1String("edit")) {
        return edit(ctx, *opts, pos);
    }
    if (sub == QLatin1String("delete")) {
        return remove(ctx, *opts, pos);
    }
    return usage(ctx);
}

const CliCommand command("otherpay", kUsage, otherPay);

} // namespace
