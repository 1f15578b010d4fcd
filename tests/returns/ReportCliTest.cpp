#include "CliRunner.h"
#include "LedgerFixture.h"
#include "TestApp.h"

#include <gtest/gtest.h>

namespace {

CliRun cli(const TestApp &app, const QStringList &args)
{
    return CliRunner().db(app.dbPath()).run(args);
}

void addRows(TestApp &app)
{
    LedgerRow r;
    r.empId = QStringLiteral("E1");
    r.empName = QStringLiteral("张三");
    r.cardNo = QStringLiteral("110101197001010011");
    r.address = QStringLiteral("北京市东城区, \"某\"胡同");
    r.income = "0.5";
    r.taxIncome = "0.5";
    r.rate = "0.2";
    r.taxMoney = "0.1";
    r.taxDate = QStringLiteral("2005-10-07");
    AddLedgerRow(app.db(), r);
    r.taxMoney = "0"; // not listed, but paid
    r.income = "1234.5";
    AddLedgerRow(app.db(), r);
}

TEST(ReportCli, CsvGivesTheRowsAsTheyPrintWithoutFillerRows)
{
    TestApp app;
    addRows(app);
    CliRun r = cli(app, {"report", "withholding", "2005", "9", "--csv"});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(r.out,
              QStringLiteral(
                  "IncomePeriod,TaxType,EmpName,EmpCardNo,EmpType,DeptID,Address,ChinaIncome,"
                  "ForeignIncome,MoneyType,ForeignExchange,ForeignToChinaIncome,Income,TaxIncome,"
                  "TaxRate,TakeOutMoney,ReceiveTaxMoney,MinusFare,TaxMoney,OughtTaxMoney,"
                  "TaxNumber,TaxDate\r\n"
                  " , ,合  计, , , , , , , , ,-,.50,.50, ,-,-,-,.10,-, , \r\n"
                  " 2005-9,工资所得税,张三,110101197001010011,中方,0001,"
                  "\"北京市东城区, \"\"某\"\"胡同\",-,-,,0,-,.50,.50, 20%,-,-,-,.10,-,,"
                  "2005-10-07\r\n"));

    r = cli(app, {"report", "payment-detail", "2005", "9", "--csv"});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    const QStringList lines = r.out.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[1], QStringLiteral("AA, 合 计 , ,1235.00,.10,1235.00,.10,-,-,-,-,-,-,-,-"));
    EXPECT_EQ(lines[2], QStringLiteral("E1,张三,110101197001010011,1235.00,.10,1235.00,.10,-,-,-,"
                                       "-,-,-,-,-"));
    // The foreign staff's statement of the month: the total line alone.
    r = cli(app, {"report", "payment-detail", "2005", "9", "--foreign", "--csv"});
    EXPECT_EQ(r.out.count(QStringLiteral("\r\n")), 2);
}

TEST(ReportCli, ThePdfCarriesTheCompanyRecord)
{
    TestApp app;
    addRows(app);
    app.exec(QStringLiteral(
        "insert into CorpInfo (CorpName, ObligorNo) values ('北方机械厂', '110101')"));
    const QString pdf = app.dir() + QStringLiteral("report.pdf");
    const CliRun r = cli(app, {"report", "withholding", "2005", "9", "--pdf", pdf});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
    EXPECT_EQ(PdfPageCount(pdf), 2);
    const QString text = PdfText(pdf);
    EXPECT_TRUE(text.contains(QStringLiteral("北方机械厂")));
    EXPECT_TRUE(text.contains(QStringLiteral("110101")));
}

TEST(ReportCli, BlankFormsArePdfOnly)
{
    TestApp app;
    const QString pdf = app.dir() + QStringLiteral("blank.pdf");
    EXPECT_EQ(cli(app, {"report", "blank-payment-detail", "--pdf", pdf}).code, 0);
    EXPECT_EQ(PdfPageCount(pdf), 1);
    EXPECT_EQ(cli(app, {"report", "blank-withholding", "--csv"}).code, 2);
}

TEST(ReportCli, RefusalsAndFailures)
{
    TestApp app;
    const QStringList refused[] = {
        {"report", "withholding", "2005", "13", "--csv"},
        {"report", "withholding", "1899", "1", "--csv"},
        {"report", "withholding", "2005", "--csv"},
        {"report", "withholding", "2005", "9"},
        {"report", "withholding", "2005", "9", "--csv", "--pdf", "x.pdf"},
        {"report", "withholding", "2005", "9", "--csv", "--landscape"},
        {"report", "annual", "2005", "9", "--csv"},
    };
    for (const QStringList &args : refused) {
        const CliRun r = cli(app, args);
        EXPECT_EQ(r.code, 2) << args.join(u' ').toStdString();
        EXPECT_FALSE(r.err.isEmpty());
        EXPECT_TRUE(r.out.isEmpty());
    }
    app.exec(QStringLiteral("drop table TaxIncome"));
    const CliRun r = cli(app, {"report", "payment-detail", "2005", "9", "--csv"});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err, QStringLiteral("没有任何数据存在！\n"));
}

} // namespace
