#include "CliRunner.h"
#include "TaxTestRates.h"
#include "TestApp.h"

#include "tax/IncomeTaxCalculator.h"

#include <gtest/gtest.h>

namespace {

CalculatorInput input(const char *type, const char *amount, bool afterTax = false,
                      bool chinese = true, const char *deduction = "800")
{
    CalculatorInput in;
    in.incomeType = QString::fromUtf8(type);
    in.amount = M(amount);
    in.afterTax = afterTax;
    in.chinese = chinese;
    in.deduction = M(deduction);
    return in;
}

TEST(Calculator, EveryIncomeTypeReachesItsRoutineAndSet)
{
    const TaxRates rates = handRates();
    struct Case
    {
        CalculatorInput in;
        const char *tax, *other;
    } cases[] = {
        {input("工资、薪金", "800", false, true, "800"), "0", "800"},
        {input("工资、薪金", "9000", false, false, "4000"), "625", "8375"},
        // Both boxes unticked keep the last deduction and take the foreign set.
        {input("工资、薪金", "3000", false, false, "800"), "205", "2795"},
        {input("工资、薪金", "5000", true, false, "4000"), "83.33", "5083.33"},
        {input("承包经营", "30000"), "4750", "25250"}, // the whole amount, no deduction
        {input("劳务报酬", "30000"), "5200", "24800"},
        {input("劳务报酬", "24800", true), "5200", "30000"},
        {input("稿酬所得", "5000"), "560", "4440"},
        {input("稿酬所得", "4440", true), "560", "5000"},
        {input("特许权使用费", "5000"), "800", "4200"},
        {input("财产租赁", "4200", true), "800", "5000"},
        {input("利息、股息、红利", "100"), "20", "80"},
        {input("财产转让", "100"), "20", "80"},
        {input("偶然所得", "80", true), "20", "100"},
        {input("其他所得", "1000"), "200", "800"},
    };
    for (const Case &c : cases) {
        const auto r = CalculateIncomeTax(rates, c.in);
        ASSERT_TRUE(r.has_value()) << qPrintable(c.in.incomeType);
        EXPECT_EQ(r->tax, M(c.tax)) << qPrintable(c.in.incomeType) << ' ' << c.tax;
        EXPECT_EQ(r->other, M(c.other)) << qPrintable(c.in.incomeType) << ' ' << c.other;
    }
}

TEST(Calculator, AfterTaxWagesUseTheChineseBracketsForEveryone)
{
    TaxRates rates = handRates();
    // Make the foreign set different: after tax it must not be read.
    rates.setRates(TaxRates::Kind::Foreign, handSet({{"0", "0", "0.5", "0", "4000"}}));
    EXPECT_EQ(CalculatorRateKind(input("工资、薪金", "5000", true, false)), TaxRates::Kind::Wage);
    EXPECT_EQ(CalculateIncomeTax(rates, input("工资、薪金", "5000", true, false, "4000"))->tax,
              M("83.33"));
    EXPECT_EQ(CalculatorRateKind(input("劳务报酬", "1", true)), TaxRates::Kind::NetService);
    EXPECT_EQ(CalculatorRateKind(input("劳务报酬", "1", false)), TaxRates::Kind::Service);
}

TEST(Calculator, UnknownTypeOrMissingSetGivesNothing)
{
    TaxRates rates = handRates();
    EXPECT_FALSE(CalculateIncomeTax(rates, input("工资", "100")).has_value());
    rates.setRates(TaxRates::Kind::Other, RateSet());
    EXPECT_FALSE(CalculateIncomeTax(rates, input("偶然所得", "100")).has_value());
    EXPECT_TRUE(CalculateIncomeTax(rates, input("劳务报酬", "100")).has_value());
}

// corvane-cli tax, run as the user runs it.
CliRun runCli(const QString &home, const QStringList &args)
{
    return CliRunner().home(home).run(args);
}

TEST(CliTax, PrintsTaxAndTheOtherSide)
{
    TestApp app;
    app.db().close();
    const auto r = runCli(app.dir(), {"tax", "--type", "劳务报酬", "--amount", "30000"});
    EXPECT_EQ(r.code, 0) << qPrintable(r.err);
    EXPECT_EQ(r.out, QStringLiteral("应纳税金额: 5200.00\n税后收入: 24800.00\n"));
    const auto w = runCli(app.dir(), {"tax", "--type", "工资、薪金", "--amount", "5000",
                                      "--after-tax", "--foreign"});
    EXPECT_EQ(w.code, 0) << qPrintable(w.err);
    EXPECT_EQ(w.out, QStringLiteral("应纳税金额: 83.33\n税前收入: 5083.33\n"));
    const auto d = runCli(app.dir(), {"tax", "--type", "工资、薪金", "--amount", "3000",
                                      "--deduction", "0"});
    EXPECT_EQ(d.out, QStringLiteral("应纳税金额: 325.00\n税后收入: 2675.00\n"));
    // Nine digits before the point is the largest amount taken.
    const auto big = runCli(app.dir(), {"tax", "--type", "利息、股息、红利", "--amount",
                                        "999999999.99", "--after-tax"});
    EXPECT_EQ(big.out, QStringLiteral("应纳税金额: 250000000.00\n税前收入: 1249999999.99\n"));
}

TEST(CliTax, EveryTypeAnswersInBothDirections)
{
    TestApp app;
    app.db().close();
    for (const QString &type : CalculatorIncomeTypes()) {
        for (bool after : {false, true}) {
            QStringList args{"tax", "--type", type, "--amount", "12345.67"};
            if (after) {
                args << "--after-tax";
            }
            const auto r = runCli(app.dir(), args);
            EXPECT_EQ(r.code, 0) << qPrintable(type) << qPrintable(r.err);
            EXPECT_TRUE(r.out.startsWith(QStringLiteral("应纳税金额: "))) << qPrintable(r.out);
            EXPECT_TRUE(r.out.contains(after ? QStringLiteral("\n税前收入: ")
                                             : QStringLiteral("\n税后收入: ")));
        }
    }
}

TEST(CliTax, BadInputIsRefusedWithExitCode2)
{
    TestApp app;
    app.db().close();
    const QList<QStringList> bad = {
        {"tax", "--type", "工资", "--amount", "1"},
        {"tax", "--type", "劳务报酬", "--amount", "."},
        {"tax", "--type", "劳务报酬", "--amount", "12a"},
        {"tax", "--type", "劳务报酬", "--amount", "-5"},
        {"tax", "--type", "劳务报酬"},
        {"tax", "--type", "劳务报酬", "--amount", "5", "--deduction", "800"},
        {"tax", "--type", "工资、薪金", "--amount", "5", "--deduction", "x"},
        // Ten digits before the point: the after-tax wage routine would overflow on 9e14.
        {"tax", "--type", "工资、薪金", "--amount", "900000000000000", "--after-tax"},
        {"tax", "--type", "工资、薪金", "--amount", "5", "--deduction", "1234567890"},
    };
    for (const QStringList &args : bad) {
        const auto r = runCli(app.dir(), args);
        EXPECT_EQ(r.code, 2) << qPrintable(args.join(u' '));
        EXPECT_EQ(r.out, QString()) << qPrintable(args.join(u' '));
        EXPECT_EQ(r.err.count(u'\n'), 1) << qPrintable(r.err);
    }
    // An option the command does not know is refused with the usage line after the reason.
    const auto r = runCli(app.dir(), {"tax", "--type", "工资、薪金", "--amount", "5", "--bogus"});
    EXPECT_EQ(r.code, 2);
    EXPECT_TRUE(r.err.startsWith(QStringLiteral("未知的选项: --bogus\n用法: corvane-cli tax ")))
        << qPrintable(r.err);
}

TEST(CliTax, DeliveredRatesByDefaultAndAFilesRatesWithDb)
{
    TestApp app;
    app.exec(QStringLiteral("update TaxRate set LevelRate = ? where TaxType = '劳务报酬收入' and levelLow = 0"),
             {QVariant::fromValue(*Money::parse(u"0.1"))});
    app.db().close();
    // (3000 - 800) x 20%, and x 10% with the file's changed rate.
    const auto delivered = runCli(app.dir(), {"tax", "--type", "劳务报酬", "--amount", "3000"});
    EXPECT_EQ(delivered.out, QStringLiteral("应纳税金额: 440.00\n税后收入: 2560.00\n"));
    const auto own = runCli(app.dir(), {"tax", "--type", "劳务报酬", "--amount", "3000", "--db",
                                        app.dbPath()});
    EXPECT_EQ(own.out, QStringLiteral("应纳税金额: 220.00\n税后收入: 2780.00\n"));
    const auto missing = runCli(app.dir(), {"tax", "--type", "工资、薪金", "--amount", "3000", "--db",
                                            app.dir() + QStringLiteral("none.mdb")});
    EXPECT_EQ(missing.code, 1);
}

TEST(CliTax, AMissingRateSetIsAFailureNotAZero)
{
    TestApp app;
    app.exec(QStringLiteral("alter table TaxRate rename to Gone"));
    app.db().close();
    const auto r = runCli(app.dir(), {"tax", "--type", "偶然所得", "--amount", "100", "--db",
                                      app.dbPath()});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.out, QString());
    EXPECT_EQ(r.err, QStringLiteral("获取其他税率错误！\n"));
}

} // namespace
