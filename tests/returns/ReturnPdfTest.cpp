#include "LedgerFixture.h"
#include "TestApp.h"

#include "returns/FormOutput.h"
#include "returns/ReturnBuilder.h"
#include "returns/ReturnTexts.h"
#include "tax/DeductionSettings.h"

#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

const WithholdingAgent kAgent{QStringLiteral("北京某某有限公司"), QStringLiteral("110000123")};

// pdftotext spaces the words of a line as it likes: texts are compared without blanks.
QString squeezed(QString text)
{
    text.remove(QRegularExpression(QStringLiteral("\\s")));
    return text;
}

bool holds(const QString &pdfText, const char *expected)
{
    return squeezed(pdfText).contains(squeezed(QString::fromUtf8(expected)));
}

QString writePdf(TestApp &app, ReturnKind kind, ReturnPeriod period, bool blank = false)
{
    EnsureGuiApplication();
    const QString title = ReturnFormTitle(kind);
    std::unique_ptr<ReturnForm> form;
    if (blank) {
        form = MakeReturnForm(kind, BlankReturnHeading(title));
    } else {
        auto rows = LoadReturnRows(app.db(), kind, period, false);
        EXPECT_TRUE(rows);
        form = MakeReturnForm(kind, MakeReturnHeading(title, kAgent, period), std::move(rows));
    }
    const QString path = app.dir() + QStringLiteral("form.pdf");
    EXPECT_TRUE(WriteFormPdf(*form, path));
    return path;
}

TEST(ReturnTitle, TheRegionPrintsOnlyWhenAskedForAndGiven)
{
    TestApp app;
    const QString form = ReturnText::withholdingTitle();
    EXPECT_EQ(MakeReturnHeading(form, kAgent).title, form); // no title.ini
    ASSERT_TRUE(WritePrintTitleSettings({QStringLiteral("上海市"), true}));
    EXPECT_EQ(MakeReturnHeading(form, kAgent).title, QStringLiteral("上海市") + form);
    EXPECT_EQ(BlankReturnHeading(form).title, QStringLiteral("上海市") + form);
    ASSERT_TRUE(WritePrintTitleSettings({QStringLiteral("上海市"), false}));
    EXPECT_EQ(MakeReturnHeading(form, kAgent).title, form);
    ASSERT_TRUE(WritePrintTitleSettings({QString(), true}));
    EXPECT_EQ(MakeReturnHeading(form, kAgent).title, form);
}

TEST(ReturnPdf, TheWithholdingReportPrintsItsRowsHeadingsAndPageNumbers)
{
    TestApp app; // today is 2005-03-15
    ASSERT_TRUE(WritePrintTitleSettings({QStringLiteral("北京市"), true}));
    AddTaxedRows(app.db(), 3); // two rows of 1000.00 with 100.00 tax
    const QString path = writePdf(app, ReturnKind::Withholding, {2005, 9});
    EXPECT_EQ(PdfPageCount(path), 2);
    const QString text = PdfText(path);
    for (const char *expected : {"北京市代扣代缴个人所得税报告表",
                                 "扣缴义务人名称：北京某某有限公司",
                                 "扣缴义务人编号：110000123",
                                 "填表日期：2005-03-15",
                                 "金额单位：元",
                                 "纳税人编码",
                                 "工作单位及地址",
                                 "已扣缴税额",
                                 "2000.00",
                                 "200.00",
                                 "1000.00",
                                 "100.00",
                                 " 10%",
                                 "2005-9",
                                 "职员1",
                                 "110100000001",
                                 "1页/总页数2",
                                 "2页/总页数2",
                                 "扣缴义务人申明",
                                 "申明人签字：",
                                 "扣缴单位（或个人）盖章：",
                                 "以下由税务机关填写",
                                 "主管税务机关盖章",
                                 "主管税务官员签字",
                                 "填表说明：",
                                 "(7)声明人：填写扣缴义务人单位负责人或财务负责人姓名。"}) {
        EXPECT_TRUE(holds(text, expected)) << expected;
    }
    // The agent's lines are on the first page only.
    EXPECT_EQ(text.count(QStringLiteral("扣缴义务人名称")), 1);
    EXPECT_EQ(squeezed(text).count(QStringLiteral("填表日期：2005-03-15")), 2);
}

TEST(ReturnPdf, ThePaymentDetailPrintsTheMonthAndTheNotes)
{
    TestApp app;
    AddTaxedRows(app.db(), 3);
    const QString path = writePdf(app, ReturnKind::PaymentDetail, {2005, 9});
    EXPECT_EQ(PdfPageCount(path), 1);
    const QString text = PdfText(path);
    for (const char *expected :
         {"支付个人收入及代扣税金明细表", "单位名称：(盖章)", "扣缴义务人编号：110000123",
          "2005年9月", "金额：元(人民币)", "收 入 项 目", "税 金 明 细", "2000.00", "200.00",
          "制表日期:  2005-03-15", "说明:一、\"收入项目\"栏填写金额,3=4+5+6+7+8.",
          "五、\"支付时间\"填写支付个人收入的所属月份.", "1页/总页数1"}) {
        EXPECT_TRUE(holds(text, expected)) << expected;
    }
}

TEST(ReturnPdf, BlankFormsCarryTheLabelsAlone)
{
    TestApp app;
    AddTaxedRows(app.db(), 3);
    QString path = writePdf(app, ReturnKind::Withholding, {}, true);
    EXPECT_EQ(PdfPageCount(path), 1);
    QString text = PdfText(path);
    EXPECT_TRUE(text.contains(QStringLiteral("扣缴义务人名称：")));
    EXPECT_FALSE(text.contains(QStringLiteral("北京某某有限公司")));
    EXPECT_FALSE(text.contains(QStringLiteral("总页数")));
    EXPECT_FALSE(text.contains(QStringLiteral("1000.00")));
    EXPECT_TRUE(text.contains(QStringLiteral("填表说明：")));

    path = writePdf(app, ReturnKind::PaymentDetail, {}, true);
    EXPECT_EQ(PdfPageCount(path), 1);
    text = PdfText(path);
    for (const char *expected : {"单位名称", "(盖章)：", "扣缴义务人编码：", "所属时期：",
                                 "金额：元(人民币)", "备     注", "制表日期:"}) {
        EXPECT_TRUE(holds(text, expected)) << expected;
    }
    EXPECT_FALSE(text.contains(QStringLiteral("总页数")));
    EXPECT_FALSE(text.contains(QStringLiteral("2005-03-15")));
}

TEST(ReturnPdf, AFileThatCannotBeWrittenFailsAndLeavesNothing)
{
    TestApp app;
    EnsureGuiApplication();
    const auto form =
        MakeReturnForm(ReturnKind::Withholding, BlankReturnHeading(ReturnText::withholdingTitle()));
    const QString path = app.dir() + QStringLiteral("missing/form.pdf");
    EXPECT_FALSE(WriteFormPdf(*form, path));
    EXPECT_FALSE(QFile::exists(path));
}

} // namespace
