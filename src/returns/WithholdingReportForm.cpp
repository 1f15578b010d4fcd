#include "returns/WithholdingReportForm.h"

#include "returns/FormCanvas.h"
#include "returns/ReturnTexts.h"
#include "returns/WithholdingReportData.h"

#include <array>

namespace {

using Col = WithholdingReport::Column;

struct PrintedColumn
{
    QStringList heading;
    Col source;
    Qt::Alignment align;
    double width; // mm
};

const std::array<PrintedColumn, 13> &printedColumns()
{
    static const std::array<PrintedColumn, 13> columns{{
        {{QStringLiteral("纳税义务人"), QStringLiteral("姓  名")},
         Col::EmpName,
         Qt::AlignLeft,
         18.1},
        {{QStringLiteral("纳税人编码")}, Col::EmpCardNo, Qt::AlignLeft, 30.9},
        {{QStringLiteral("工作单位及地址")}, Col::Address, Qt::AlignLeft, 27.8},
        {{QStringLiteral("所得项目")}, Col::TaxType, Qt::AlignLeft, 21.5},
        {{QStringLiteral("所得期间")}, Col::IncomePeriod, Qt::AlignLeft, 18.2},
        {{QStringLiteral("收入额")}, Col::Income, Qt::AlignRight, 18.2},
        {{QStringLiteral("减费用额")}, Col::MinusFare, Qt::AlignRight, 19.5},
        {{QStringLiteral("应纳税"), QStringLiteral("所得额")},
         Col::TaxIncome,
         Qt::AlignRight,
         20.3},
        {{QStringLiteral("税率")}, Col::TaxRate, Qt::AlignHCenter, 12.7},
        {{QStringLiteral("速算"), QStringLiteral("扣除数")},
         Col::TakeOutMoney,
         Qt::AlignRight,
         18.3},
        {{QStringLiteral("已扣缴税额")}, Col::TaxMoney, Qt::AlignRight, 20.6},
        {{QStringLiteral("完税证字号")}, Col::TaxNumber, Qt::AlignLeft, 23.3},
        {{QStringLiteral("纳税日期")}, Col::TaxDate, Qt::AlignRight, 18.4},
    }};
    return columns;
}

double tableWidth()
{
    double w = 0;
    for (const PrintedColumn &c : printedColumns()) {
        w += c.width;
    }
    return w;
}

// Heights, millimetres.
constexpr double kTitle = 12;
constexpr double kAgentLine = 5;
constexpr double kDateLine = 6;
constexpr double kHeading = 11;
constexpr double kRow = 7.9;
constexpr double kFooter = 6;
constexpr double kNoteLine = 4.3;
constexpr double kCopiesLine = 7;
constexpr double kDeclaration = 15;
constexpr double kSignatures = 9;
constexpr double kOfficeLabel = 6;
constexpr double kOfficeTop = 8;
constexpr double kOfficeBottom = 22;
constexpr double kNotesGap = 2;
constexpr int kBlankRows = 3;

const double kNormal = 9;
const double kTitleSize = 20;

QStringList notes()
{
    return {
        QStringLiteral("填表说明："),
        QStringLiteral(
            "1、本表适用于扣缴义务人填写、扣缴义务人应将本月扣缴的税款在次月七日内缴入国库，"
            "并向当地主管地税务机关报送报表。"),
        QStringLiteral(
            "2、负有扣缴义务的单位或个人不能按规定期限报送本表时，应当在规定的报送期限内提出"
            "申请，经当地税务机关批准，可以适当延长期限。"),
        QStringLiteral(
            "3、未按规定期限内向税务机关报送本表的，依照税收征管发第三十九条的规定，予以处罚。"),
        QStringLiteral("4、本表以下栏次填写如下："),
        QStringLiteral("(1)扣缴义务人编码：填写个人所得税代扣代缴证书号"),
        QStringLiteral("(2)填表日期：填写办理扣缴报告表的实际日期"),
        QStringLiteral(
            "(3)所得项目：按照税法第二条规定的所得项目分别填写。同一所得项目取得时期不相同的，"
            "仍填入同一行，并在“所得期间”栏内分别注明。"),
        QStringLiteral("(4)所得期间：填写支付的所得的所属时间。"),
        QStringLiteral(
            "(5)减除费用额：按照税法第六条的规定应减除的费用额填入本栏。不减除费用的不填写。"),
        QStringLiteral(
            "(6)已扣缴税款：如纳税义务人在同一所得期间取得所得已被扣缴的税款，填写此栏。"),
        QStringLiteral(
            "(7)声明人：填写扣缴义务人单位负责人或财务负责人姓名。如扣缴人是个人，也可填写扣缴人"
            "姓名。"),
    };
}

} // namespace

WithholdingReportForm::WithholdingReportForm(ReturnHeading heading, std::optional<FormTable> rows)
    : m_heading(std::move(heading)), m_rows(std::move(rows))
{
    layOut();
}

QString WithholdingReportForm::jobTitle() const
{
    return ReturnText::withholdingTitle();
}

QMarginsF WithholdingReportForm::margins() const
{
    return isBlank() ? QMarginsF(12, 8, 2, 10) : QMarginsF(12, 10, 0, 10);
}

int WithholdingReportForm::rowCount() const
{
    return isBlank() ? kBlankRows : m_rows->rowCount();
}

RowLimits WithholdingReportForm::rowLimits() const
{
    return isBlank() ? RowLimits{kBlankRows, kBlankRows} : RowLimits{18, 17};
}

double WithholdingReportForm::headerHeight(bool firstPage) const
{
    return kTitle + (firstPage ? 2 * kAgentLine : 0) + kDateLine + kHeading;
}

double WithholdingReportForm::rowHeight() const
{
    return kRow;
}

double WithholdingReportForm::closingHeight() const
{
    return kCopiesLine + kDeclaration + kSignatures + kOfficeLabel + kOfficeTop + kOfficeBottom +
           kNotesGap + kNoteLine * double(notes().size());
}

double WithholdingReportForm::footerHeight() const
{
    return isBlank() ? 0 : kFooter;
}

void WithholdingReportForm::drawHeader(FormCanvas &canvas, int pageNo) const
{
    const double width = tableWidth();
    const QFont font = FormFont(kNormal);
    canvas.text(QRectF(0, 0, width, kTitle), m_heading.title, Qt::AlignCenter,
                FormFont(kTitleSize, true));
    double y = kTitle;
    if (pageNo == 1) {
        canvas.text(0, y, QStringLiteral("扣缴义务人名称：") + m_heading.agent.name, font);
        canvas.text(0, y + kAgentLine, QStringLiteral("扣缴义务人编号：") + m_heading.agent.number,
                    font);
        y += 2 * kAgentLine;
    }
    const QRectF dateLine(0, y, width, kDateLine - 1);
    canvas.text(dateLine, QStringLiteral("填表日期：") + FormDateText(m_heading.filledOn),
                Qt::AlignLeft | Qt::AlignBottom, font);
    canvas.text(dateLine, QStringLiteral("金额单位：元"), Qt::AlignRight | Qt::AlignBottom, font);
    drawColumnHeadings(canvas, y + kDateLine);
}

void WithholdingReportForm::drawColumnHeadings(FormCanvas &canvas, double y) const
{
    const QFont font = FormFont(kNormal);
    double x = 0;
    for (const PrintedColumn &c : printedColumns()) {
        canvas.rect(QRectF(x, y, c.width, kHeading));
        canvas.centredLines(QRectF(x, y, c.width, kHeading), c.heading, font);
        x += c.width;
    }
}

void WithholdingReportForm::drawRow(FormCanvas &canvas, int row, double y) const
{
    const QFont font = FormFont(kNormal);
    canvas.rect(QRectF(0, y, tableWidth(), kRow));
    double x = 0;
    for (const PrintedColumn &c : printedColumns()) {
        if (x > 0) {
            canvas.line(x, y, x, y + kRow);
        }
        if (!isBlank()) {
            canvas.cellText(QRectF(x, y, c.width, kRow), m_rows->text(row, c.source), c.align,
                            font);
        }
        x += c.width;
    }
}

void WithholdingReportForm::drawClosing(FormCanvas &canvas, double y) const
{
    const double width = tableWidth();
    const QFont font = FormFont(kNormal);
    canvas.text(QRectF(0, y, width, kCopiesLine),
                QStringLiteral("如果由扣缴义务人填写完税证，应在报送此表时附完税证副联       份"),
                Qt::AlignLeft | Qt::AlignVCenter, font);
    y += kCopiesLine;

    // The agent's declaration.
    const double labelWidth = 36;
    canvas.rect(QRectF(0, y, labelWidth, kDeclaration));
    canvas.rect(QRectF(labelWidth, y, width - labelWidth, kDeclaration));
    canvas.text(QRectF(0, y, labelWidth, kDeclaration), QStringLiteral("扣缴义务人申明"),
                Qt::AlignCenter, font);
    canvas.text(labelWidth + 2, y + 2,
                QStringLiteral("我申明：此扣款申报表是根据《中华人民共和国所得税法》的规定填报的，"
                               "我确信它是正确的、可靠的、完整的。"),
                font);
    canvas.text(width - 80, y + kDeclaration - 6, QStringLiteral("申明人签字："), font);
    y += kDeclaration;

    const double promptY = y + 2.5;
    canvas.text(0, promptY, QStringLiteral("会计主管人签字："), font);
    canvas.text(width / 2 - 30, promptY, QStringLiteral("财务负责人签字："), font);
    canvas.text(width - 95, promptY, QStringLiteral("扣缴单位（或个人）盖章："), font);
    y += kSignatures;

    canvas.text(QRectF(0, y, width, kOfficeLabel), QStringLiteral("以下由税务机关填写"),
                Qt::AlignLeft | Qt::AlignVCenter, font);
    y += kOfficeLabel;
    y = drawTaxOfficeBox(canvas, y) + kNotesGap;

    for (const QString &line : notes()) {
        canvas.text(QRectF(0, y, width, kNoteLine), line, Qt::AlignLeft | Qt::AlignVCenter, font);
        y += kNoteLine;
    }
}

double WithholdingReportForm::drawTaxOfficeBox(FormCanvas &canvas, double y) const
{
    const double width = tableWidth();
    const QFont font = FormFont(kNormal);
    // The upper row: label, space, label, space, label, space.
    const std::array<std::pair<const char16_t *, double>, 6> cells{
        {{u"收到日期", 24}, {u"", 40}, {u"接收人", 20}, {u"", 40}, {u"审核日期", 24}, {u"", 40}}};
    double x = 0;
    for (const auto &[label, w] : cells) {
        canvas.rect(QRectF(x, y, w, kOfficeTop));
        canvas.text(QRectF(x, y, w, kOfficeTop), QString::fromUtf16(label), Qt::AlignCenter, font);
        x += w;
    }
    const double left = x; // where the stamp cell begins
    // The lower row: the record's narrow label cell beside one wide empty cell.
    const double narrow = 10;
    const double lowerY = y + kOfficeTop;
    canvas.rect(QRectF(0, lowerY, narrow, kOfficeBottom));
    canvas.rect(QRectF(narrow, lowerY, left - narrow, kOfficeBottom));
    canvas.centredLines(
        QRectF(0, lowerY, narrow, kOfficeBottom),
        {QStringLiteral("审"), QStringLiteral("核"), QStringLiteral("记"), QStringLiteral("录")},
        font);
    // The stamp cell spans both rows.
    const QRectF stamp(left, y, width - left, kOfficeTop + kOfficeBottom);
    canvas.rect(stamp);
    canvas.text(QRectF(stamp.x(), y + 3, stamp.width(), kNoteLine),
                QStringLiteral("主管税务机关盖章"), Qt::AlignCenter, font);
    canvas.text(QRectF(stamp.x(), stamp.bottom() - 3 - kNoteLine, stamp.width(), kNoteLine),
                QStringLiteral("主管税务官员签字"), Qt::AlignCenter, font);
    return stamp.bottom();
}

void WithholdingReportForm::drawFooter(FormCanvas &canvas, int pageNo, double bottom) const
{
    if (isBlank()) {
        return;
    }
    canvas.text(QRectF(0, bottom - kFooter, tableWidth(), kFooter),
                QString::number(pageNo) + QStringLiteral("页/") + QStringLiteral("总页数") +
                    QString::number(countedPages()),
                Qt::AlignCenter, FormFont(kNormal));
}
