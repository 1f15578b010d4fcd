// corvane-cli report …: the monthly withholding returns, as PDF or as their rows.
//
//   report withholding|payment-detail YEAR MONTH [--foreign] (--pdf FILE | --csv) [--db FILE]
//   report blank-withholding|blank-payment-detail --pdf FILE
//
// The PDF is the printed form page for page. --csv gives the form's rows as they print (the
// total row, then the listed rows; no filler rows), every column of the form's result set
// under its name, values as the form shows them.

#include "Command.h"

#include "base/Password.h"
#include "db/Database.h"
#include "maintenance/CorpInfoStore.h"
#include "returns/FormOutput.h"
#include "returns/ReturnBuilder.h"
#include "returns/ReturnTexts.h"

namespace {

const char *kUsage =
    "report withholding|payment-detail 年 月 [--foreign] (--pdf 文件 | --csv) [--db 文件]\n"
    "  report blank-withholding|blank-payment-detail --pdf 文件\n"
    "                            扣缴个人所得税报告表、支付个人收入明细表及其空白表";

struct FormChoice
{
    ReturnKind kind;
    bool blank;
};

std::optional<FormChoice> formNamed(const QString &name)
{
    if (name == u"withholding") {
        return FormChoice{ReturnKind::Withholding, false};
    }
    if (name == u"payment-detail") {
        return FormChoice{ReturnKind::PaymentDetail, false};
    }
    if (name == u"blank-withholding") {
        return FormChoice{ReturnKind::Withholding, true};
    }
    if (name == u"blank-payment-detail") {
        return FormChoice{ReturnKind::PaymentDetail, true};
    }
    return std::nullopt;
}

// RFC 4180: a value with a comma, quote or line break in double quotes, quotes doubled.
QString csvField(const QString &value)
{
    if (!value.contains(u',') && !value.contains(u'"') && !value.contains(u'\n') &&
        !value.contains(u'\r')) {
        return value;
    }
    QString quoted = value;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

void printCsvLine(QTextStream &out, const QStringList &values)
{
    QStringList fields;
    for (const QString &v : values) {
        fields << csvField(v);
    }
    out << fields.join(u',') << "\r\n";
}

int refuse(CliContext &ctx, const QString &text)
{
    ctx.err << text << '\n';
    return 2;
}

// The period as the period dialog allows it: a year from 1900 to 2500, a month from 1 to 12.
std::optional<ReturnPeriod> readPeriod(const QString &yearText, const QString &monthText)
{
    bool yearOk = false;
    bool monthOk = false;
    const int year = yearText.toInt(&yearOk);
    const int month = monthText.toInt(&monthOk);
    if (!yearOk || !monthOk || year < 1900 || year > 2500 || month < 1 || month > 12) {
        return std::nullopt;
    }
    return ReturnPeriod{year, month};
}

std::optional<WithholdingAgent> readAgent(Database &db)
{
    const auto record = CorpInfoStore(db).load();
    if (!record) {
        return std::nullopt;
    }
    return *record ? WithholdingAgent{(*record)->corpName, (*record)->obligorNo}
                   : WithholdingAgent{};
}

int writePdf(CliContext &ctx, const ReturnForm &form, const QString &path)
{
    if (!WriteFormPdf(form, path)) {
        ctx.err << "PDF文件保存失败！" << '\n';
        return 1;
    }
    return 0;
}

int report(CliContext &ctx)
{
    const QStringList &args = ctx.args;
    const QStringList valued{QStringLiteral("--pdf"), QStringLiteral("--db")};
    for (const QString &a : args) {
        if (a.startsWith(QLatin1String("--")) && !valued.contains(a) && a != u"--foreign" &&
            a != u"--csv") {
            return refuse(ctx, QStringLiteral("未知的选项: ") + a);
        }
    }
    const QStringList positional = CliArgs::positional(args, valued);
    const auto choice = formNamed(positional.value(0));
    if (!choice) {
        return refuse(ctx, QStringLiteral("用法: corvane-cli ") + QString::fromUtf8(kUsage));
    }
    const QString pdf = CliArgs::option(args, QStringLiteral("--pdf"));
    const bool csv = CliArgs::flag(args, QStringLiteral("--csv"));

    if (choice->blank) {
        if (positional.size() != 1 || csv || CliArgs::flag(args, QStringLiteral("--foreign")) ||
            pdf.isEmpty()) {
            return refuse(ctx, QStringLiteral("空白报表只输出PDF: --pdf 文件"));
        }
        const auto form =
            MakeReturnForm(choice->kind, BlankReturnHeading(ReturnFormTitle(choice->kind)));
        return writePdf(ctx, *form, pdf);
    }

    if (positional.size() != 3) {
        return refuse(ctx, QStringLiteral("请给出报表的年份和月份"));
    }
    const auto period = readPeriod(positional.at(1), positional.at(2));
    if (!period) {
        return refuse(ctx, QStringLiteral("年份应在1900到2500之间，月份在1到12之间"));
    }
    if (csv == !pdf.isEmpty()) {
        return refuse(ctx, QStringLiteral("请给出 --pdf 文件 或 --csv 之一"));
    }

    Database db;
    if (!db.open(CliArgs::databasePath(args), DatabasePassword())) {
        ctx.err << "打开数据库失败: " << db.lastError() << '\n';
        return 1;
    }
    const bool foreign = CliArgs::flag(args, QStringLiteral("--foreign"));
    std::optional<FormTable> rows = LoadReturnRows(db, choice->kind, *period, foreign);
    if (!rows) {
        ctx.err << ReturnText::noData() << '\n';
        return 1;
    }
    if (csv) {
        printCsvLine(ctx.out, rows->columns());
        for (int r = 0; r < rows->dataRowCount(); ++r) {
            printCsvLine(ctx.out, rows->rowTexts(r));
        }
        return 0;
    }
    const auto agent = readAgent(db);
    if (!agent) {
        ctx.err << "读取企业基本信息失败: " << db.lastError() << '\n';
        return 1;
    }
    const auto form = MakeReturnForm(
        choice->kind, MakeReturnHeading(ReturnFormTitle(choice->kind), *agent, *period),
        std::move(rows));
    return writePdf(ctx, *form, pdf);
}

const CliCommand command("report", kUsage, report, true);

} // namespace
