#include "Command.h"

#include "base/MessageService.h"
#include "base/Password.h"
#include "base/TextHelpers.h"
#include "db/Database.h"
#include "db/Schema.h"
#include "tax/IncomeTaxCalculator.h"
#include "tax/TaxRates.h"
#include "tax/TaxTexts.h"

namespace {

// Only what the calculator's amount box lets through: digits with at most one decimal point.
std::optional<Money> readAmount(const QString &text)
{
    for (QChar c : text) {
        if (!(c.isDigit() || c == u'.')) {
            return std::nullopt;
        }
    }
    if (text.isEmpty() || text.count(u'.') > 1) {
        return std::nullopt;
    }
    return Money::parse(text);
}

int tax(CliContext &ctx)
{
    CliOptions args({QStringLiteral("--type"), QStringLiteral("--amount"),
                     QStringLiteral("--deduction"), QStringLiteral("--db")},
                    {QStringLiteral("--after-tax"), QStringLiteral("--foreign")});
    if (!ctx.parse(args)) {
        return 2;
    }
    if (!args.positional().isEmpty()) {
        ctx.err << "多余的参数: " << args.positional().join(u' ') << '\n';
        return 2;
    }

    CalculatorInput input;
    input.incomeType = args.value(QStringLiteral("--type"));
    if (!CalculatorIncomeTypes().contains(input.incomeType)) {
        ctx.err << "未知的收入类型: " << input.incomeType << "（可用: "
                << CalculatorIncomeTypes().join(QStringLiteral("、")) << "）\n";
        return 2;
    }
    const QString amountText = args.value(QStringLiteral("--amount"));
    const auto amount = readAmount(amountText);
    if (!amount) {
        ctx.err << "金额不是有效的数字: " << amountText << '\n';
        return 2;
    }
    // The after-tax routines can nearly double an amount; ten digits before the point and more
    // would leave the range of money values on the way and print nonsense.
    if (!MoneyTextFits(amountText)) {
        ctx.err << TaxText::amountTooLarge() << '\n';
        return 2;
    }
    input.amount = *amount;
    input.afterTax = args.has(QStringLiteral("--after-tax"));
    input.chinese = !args.has(QStringLiteral("--foreign"));
    const bool isWage = input.incomeType == CalculatorWageType();
    if (!isWage &&
        (args.has(QStringLiteral("--deduction")) || args.has(QStringLiteral("--foreign")))) {
        ctx.err << "--deduction 和 --foreign 只用于工资、薪金\n";
        return 2;
    }
    input.deduction = input.chinese ? Money::fromYuan(800) : Money::fromYuan(4000);
    if (args.has(QStringLiteral("--deduction"))) {
        const QString text = args.value(QStringLiteral("--deduction"));
        const auto deduction = readAmount(text);
        if (!deduction) {
            ctx.err << "起征点不是有效的数字: " << text << '\n';
            return 2;
        }
        if (!MoneyTextFits(text)) {
            ctx.err << TaxText::amountTooLarge() << '\n';
            return 2;
        }
        input.deduction = *deduction;
    }

    // Without --db the rates are those of a database as delivered, made in memory; with it,
    // those of that file (its deductions may have been changed).
    Database db;
    const QString path = args.value(QStringLiteral("--db"));
    const bool opened = path.isEmpty()
                            ? db.create(QStringLiteral(":memory:"), QString()) && Schema::createDatabase(db)
                            : db.open(path, DatabasePassword());
    if (!opened) {
        ctx.err << "打开数据库失败: " << db.lastError() << '\n';
        return 1;
    }
    TaxRates rates;
    const TaxRates::Kind kind = CalculatorRateKind(input);
    if (!rates.load(kind, db)) {
        ctx.err << TaxRates::failureMessage(kind) << '\n';
        return 1;
    }
    const auto result = CalculateIncomeTax(rates, input);
    if (!result) {
        ctx.err << TaxRates::failureMessage(kind) << '\n';
        return 1;
    }
    ctx.out << "应纳税金额: " << FormatMoney(result->tax) << '\n';
    ctx.out << (input.afterTax ? "税前收入: " : "税后收入: ") << FormatMoney(result->other) << '\n';
    return 0;
}

const CliCommand command(
    "tax",
    "tax --type 收入类型 --amount 金额 [--after-tax] [--foreign] [--deduction 金额] [--db 文件]\n"
    "                            所得税计算器：应纳税金额及税后（或税前）收入",
    tax);

} // namespace
