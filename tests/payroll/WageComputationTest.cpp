// The computation of one row, with figures worked out by hand on the delivered brackets
// (Chinese deduction 800.00, foreign 4000.00; 5% to 500, 10% less 25 to 2000, 15% less 125 to
// 5000, 20% less 375 to 20000, ...).

#include "../tax/TaxTestRates.h"

#include "payroll/WageComputation.h"
#include "payroll/WageRow.h"
#include "payroll/WageSheetLayout.h"

#include <gtest/gtest.h>

// gtest finds it by the argument's namespace.
inline void PrintTo(const WageFigures &f, std::ostream *os)
{
    *os << "{gross " << qPrintable(f.gross.toPlainString()) << ", taxable "
        << qPrintable(f.taxablePay.toPlainString()) << ", deduction "
        << qPrintable(f.deduction.toPlainString()) << ", income "
        << qPrintable(f.taxableIncome.toPlainString()) << ", rate "
        << qPrintable(f.rate.toPlainString()) << ", quick "
        << qPrintable(f.quickDeduct.toPlainString()) << ", tax "
        << qPrintable(f.tax.toPlainString()) << ", net " << qPrintable(f.net.toPlainString())
        << '}';
}

namespace {

WageFigures figures(const char *gross, const char *taxable, const char *deduction,
                    const char *income, const char *rate, const char *quick, const char *tax,
                    const char *net)
{
    return {M(gross), M(taxable), M(deduction), M(income), M(rate), M(quick), M(tax), M(net)};
}

WageInputs inputs(const char *s1, const char *s2, const char *s3, const char *s4, const char *s5,
                  const char *bonus, const char *type = "中方")
{
    return {M(s1), M(s2), M(s3), M(s4), M(s5), M(bonus), QString::fromUtf8(type)};
}

struct Case
{
    const char *what;
    WageInputs in;
    WageFigures out;
};

TEST(ComputeWageFigures, HandWorkedRows)
{
    const TaxRates rates = handRates();
    const Case cases[] = {
        // 3000 taxable, 200 tax-free, 100 pre-tax, 50 after-tax, 600 funds: W = 2300, taxed
        // 1500 at 10% less 25.
        {"every kind of item", inputs("3000", "200", "100", "50", "600", "0"),
         figures("3100", "2300", "800", "1500", "0.10", "25", "125", "2325")},
        // Tax-free pay raises gross and net by the same 200 and leaves the tax alone.
        {"without the tax-free item", inputs("3000", "0", "100", "50", "600", "0"),
         figures("2900", "2300", "800", "1500", "0.10", "25", "125", "2125")},
        // The after-tax deduction lowers only the net pay.
        {"without the after-tax deduction", inputs("3000", "200", "100", "0", "600", "0"),
         figures("3100", "2300", "800", "1500", "0.10", "25", "125", "2375")},
        // Deductions above the taxable items: taxable pay stops at 0, gross and net go negative.
        {"negative taxable pay", inputs("1000", "0", "1500", "0", "500", "0"),
         figures("-500", "0", "800", "0", "0", "0", "0", "-1000")},
        // Taxable pay equal to the deduction: nothing to tax.
        {"pay equal to the deduction", inputs("800", "0", "0", "0", "0", "0"),
         figures("800", "800", "800", "0", "0", "0", "0", "800")},
        // Bonus with the month's pay above the deduction: the wage taxed as usual (4200 at 15%
        // less 125 = 505), the bonus on its own bracket (6000 at 20% less 375 = 825).
        {"bonus above the deduction", inputs("5000", "0", "0", "0", "0", "6000"),
         figures("11000", "5000", "800", "4200", "0.15", "125", "1330", "9670")},
        // Bonus with pay 300 short of the deduction: 3000 - 300 = 2700 taxed at 15% less 125;
        // the wage figures stay 0.
        {"bonus below the deduction", inputs("500", "0", "0", "0", "0", "3000"),
         figures("3500", "500", "800", "0", "0", "0", "280", "3220")},
        // Foreign staff: 10000 - 4000 = 6000 at 20% less 375.
        {"foreign staff", inputs("10000", "0", "0", "0", "0", "0", "外方"),
         figures("10000", "10000", "4000", "6000", "0.20", "375", "825", "9175")},
        // Any other type: no wage tax, no deduction; the bonus is taxed on the foreign set
        // (1000 at 10% less 25; the pay of 10000 uses up the deduction of 4000).
        {"unknown employee type", inputs("10000", "0", "0", "0", "0", "1000", "港方"),
         figures("11000", "10000", "0", "0", "0", "0", "75", "10925")},
    };
    for (const Case &c : cases) {
        const auto f = ComputeWageFigures(c.in, rates);
        ASSERT_TRUE(f.has_value()) << c.what;
        EXPECT_EQ(*f, c.out) << c.what;
    }
}

TEST(ComputeWageFigures, NothingWithoutTheRateSetTheRowNeeds)
{
    TaxRates rates = handRates();
    rates.setRates(TaxRates::Kind::Foreign, RateSet());
    EXPECT_FALSE(ComputeWageFigures(inputs("3000", "0", "0", "0", "0", "0", "外方"), rates));
    // Chinese staff do not need the foreign set; other types need it only for a bonus.
    EXPECT_TRUE(ComputeWageFigures(inputs("3000", "0", "0", "0", "0", "0"), rates));
    EXPECT_TRUE(ComputeWageFigures(inputs("3000", "0", "0", "0", "0", "0", "港方"), rates));
    EXPECT_FALSE(ComputeWageFigures(inputs("3000", "0", "0", "0", "0", "10", "港方"), rates));
}

RdWageItem item(const char *name, const char *type)
{
    return {QString::fromUtf8(name), QString::fromUtf8(type), true, false, QString()};
}

TEST(ComputeWageRow, CountsEachColumnInItsOwnGroupByExactName)
{
    // 奖金 is a taxable item, 年终奖金 a tax-free one: neither may be counted in the other's
    // group because one name holds the other.
    const WageSheetLayout layout({item("年终奖金", "工资薪金所得免税项"),
                                  item("奖金", "工资薪金所得纳税项"),
                                  item("基本工资", "工资薪金所得纳税项")});
    WageRow row;
    row.setTexts({QStringView(u"部门一"), QStringView(u"张三"), QStringView(),
                  QStringView(u"草稿中"), QStringView(u"E1"), QStringView(u"中方")});
    row.resetAmounts(layout.columnCount());
    row.setAmount(layout.indexOf(QStringLiteral("奖金")), M("100"));
    row.setAmount(layout.indexOf(QStringLiteral("年终奖金")), M("1000"));
    row.setAmount(layout.indexOf(QStringLiteral("基本工资")), M("3000"));
    ASSERT_TRUE(ComputeWageRow(layout, handRates(), row));
    const auto at = [&](WageResult r) { return row.amount(layout.column(r)); };
    // S1 = 3100, S2 = 1000: taxable pay 3100, 2300 taxed at 15% less 125.
    EXPECT_EQ(at(WageResult::Gross), M("4100"));
    EXPECT_EQ(at(WageResult::Taxable), M("3100"));
    EXPECT_EQ(at(WageResult::TaxableIncome), M("2300"));
    EXPECT_EQ(at(WageResult::Tax), M("220"));
    EXPECT_EQ(at(WageResult::Net), M("3880"));
}

TEST(WageSheetLayout, ShowsTheGroupsAndResultsInTheSheetsOrder)
{
    const WageSheetLayout layout({item("养老保险金", "免税扣除项"), item("工会费", "税后列支项"),
                                  item("基本工资", "工资薪金所得纳税项"),
                                  item("病假", "税前列支项"), item("交通费", "工资薪金所得免税项"),
                                  item("岗位", "工资薪金所得纳税项"), item("旧项", "已停用的类型"),
                                  item("纳税额", "工资薪金所得纳税项"),
                                  item("基本工资", "税前列支项")});
    const QStringList expected{"基本工资",     "岗位",     "交通费",     "病假",     "应发工资",
                               "应税工资",     "工会费",   "养老保险金", "实发工资", "减除费用",
                               "应纳税所得额", "适用税率", "速算扣除数", "纳税额",   "一次性奖金"};
    EXPECT_EQ(layout.names(), expected);
    EXPECT_TRUE(layout.isEditable(layout.indexOf(QStringLiteral("一次性奖金"))));
    EXPECT_FALSE(layout.isEditable(layout.indexOf(QStringLiteral("应发工资"))));
    EXPECT_TRUE(layout.isBlankInTotals(layout.column(WageResult::Rate)));
}

} // namespace
