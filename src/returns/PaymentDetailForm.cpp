#include "returns/PaymentDetailForm.h"

#include "returns/FormCanvas.h"
#include "returns/PaymentDetailData.h"
#include "returns/ReturnTexts.h"

#include <array>

namespace {

using Col = PaymentDetail::Column;

struct PrintedColumn
{
    QStringList heading;
    int source; // -1: the remarks column, which stays empty
    Qt::Alignment align;
    double width; // mm
};

QStringList lines(std::initializer_list<const char16_t *> texts)
{
    QStringList l;
    for (const char16_t *t : texts) {
        l << QString::fromUtf16(t);
    }
    return l;
}

const std::array<PrintedColumn, 15> &printedColumns()
{
    const auto right = Qt::AlignRight;
    static const std::array<PrintedColumn, 15> columns{{
        {lines({u"姓 名"}), Col::EmpName, Qt::AlignLeft, 17.0},
        {lines({u"身份证", u"或", u"护  照"}), Col::EmpCardNo, Qt::AlignLeft, 31.2},
        {lines({u"收入额"}), Col::SumIncome, right, 17.8},
        {lines({u"工资", u"薪金"}), Col::wageIncome, right, 17.0},
        {lines({u"承包", u"经营"}), Col::ManageIncome, right, 16.8},
        {lines({u"劳务", u"报酬"}), Col::ServeIncome, right, 15.3},
        {lines({u"利息、", u"股息、", u"红利"}), Col::ContingencyIncome, right, 15.5},
        {lines({u"其他", u"款项"}), Col::OtherIncome, right, 15.5},
        {lines({u"代扣", u"税金"}), Col::Sumtax, right, 17.2},
        {lines({u"工资", u"薪金"}), Col::wageTaxMoney, right, 15.3},
        {lines({u"承包", u"经营"}), Col::ManageTaxMoney, right, 15.5},
        {lines({u"劳务", u"报酬"}), Col::ServeTaxMoney, right, 15.7},
        {lines({u"利息、", u"股息、", u"红利"}), Col::ContingencyTaxMoney, right, 15.5},
        {lines({u"其他", u"款项"}), Col::OtherTaxMoney, right, 15.7},
        {lines({u"备    注"}), -1, Qt::AlignLeft, 28.7},
    }};
    return columns;
}

// Columns 4-8 and 10-14 (0-based 3-7 and 9-13) stand under a common upper heading.
struct Group
{
    int first;
    int last;
    const char16_t *heading;
};
constexpr std::array<Group, 2> kGroups{{{3, 7, u"收 入 项 目"}, {9, 13, u"税 金 明 细"}}};

bool inGroup(int column)
{
    for (const Group &g : kGroups) {
        if (column >= g.first && column <= g.last) {
            return true;
        }
    }
    return false;
}

double columnX(int column)
{
    double x = 0;
    for (int c = 0; c < column; ++c) {
        x += printedColumns()[size_t(c)].width;
    }
    return x;
}

double tableWidth()
{
    return columnX(int(printedColumns().size()));
}

// Heights, millimetres.
constexpr double kTitle = 12;
constexpr double kHeaderLine = 6;
constexpr double kUpperHeading = 7;
constexpr double kLowerHeading = 16;
constexpr double kNumbers = 5;
constexpr double kRow = 8.1;
constexpr double kFooter = 6;
constexpr double kClosingGap = 2;
constexpr double kSignatures = 7;
constexpr double kNoteLine = 4.5;
constexpr int kBlankRows = 10;

const double kNormal = 9;
const double kTitleSize = 20;

QStringList notes()
{
    return {
        QStringLiteral("说明:一、\"收入项目\"栏填写金额,3=4+5+6+7+8."),
        QStringLiteral("     二、非本单位人员,非本期收入及其他有关事项在备注栏中注明."),
        QStringLiteral("     三、\"代扣税金\"栏填写本单位代扣的个人所得税税金的合计金额"
                       "9=10+11+12+13+14."),
        QStringLiteral("     四、\"审核人\"指单位的财务部门负责人."),
        QStringLiteral("     五、\"支付时间\"填写支付个人收入的所属月份."),
    };
}

} // namespace

PaymentDetailForm::PaymentDetailForm(ReturnHeading heading, std::optional<FormTable> rows)
    : m_heading(std::move(heading)), m_rows(std::move(rows))
{
    layOut();
}

QString PaymentDetailForm::jobTitle() const
{
    return ReturnText::paymentDetailTitle();
}

QMarginsF PaymentDetailForm::margins() const
{
    return isBlank() ? QMarginsF(12, 10, 1, 10) : QMarginsF(12, 5, 0, 5);
}

int PaymentDetailForm::rowCount() const
{
    return isBlank() ? kBlankRows : m_rows->rowCount();
}

RowLimits PaymentDetailForm::rowLimits() const
{
    return isBlank() ? RowLimits{kBlankRows, kBlankRows} : RowLimits{15, 14};
}

double PaymentDetailForm::headerHeight(bool) const
{
    return kTitle + kHeaderLine + kUpperHeading + kLowerHeading + kNumbers;
}

double PaymentDetailForm::rowHeight() const
{
    return kRow;
}

double PaymentDetailForm::closingHeight() const
{
    return kClosingGap + kSignatures + kNoteLine * double(notes().size());
}

double PaymentDetailForm::footerHeight() const
{
    return isBlank() ? 0 : kFooter;
}

void PaymentDetailForm::drawHeader(FormCanvas &canvas, int) const
{
    canvas.text(QRectF(0, 0, tableWidth(), kTitle), m_heading.title, Qt::AlignCenter,
                FormFont(kTitleSize, true));
    drawHeaderLine(canvas, kTitle);
    drawColumnHeadings(canvas, kTitle + kHeaderLine);
}

void PaymentDetailForm::drawHeaderLine(FormCanvas &canvas, double y) const
{
    const QFont font = FormFont(kNormal);
    const double width = tableWidth();
    const QRectF line(0, y, width, kHeaderLine - 1);
    const Qt::Alignment bottomLeft = Qt::AlignLeft | Qt::AlignBottom;
    canvas.text(line, QStringLiteral("金额：元(人民币)"), Qt::AlignRight | Qt::AlignBottom, font);
    if (isBlank()) {
        canvas.text(line, QStringLiteral("单位名称"), bottomLeft, font);
        canvas.text(line.adjusted(30, 0, 0, 0), QStringLiteral("(盖章)："), bottomLeft, font);
        canvas.text(line.adjusted(70, 0, 0, 0), QStringLiteral("扣缴义务人编码："), bottomLeft,
                    font);
        canvas.text(line.adjusted(150, 0, 0, 0), QStringLiteral("所属时期："), bottomLeft, font);
        return;
    }
    canvas.text(line, QStringLiteral("单位名称：(盖章)"), bottomLeft, font);
    // The agent's number may be long: it is fitted to the room left of the month.
    canvas.cellText(QRectF(39, y, 86, kHeaderLine - 1),
                    QStringLiteral("扣缴义务人编号：") + m_heading.agent.number, bottomLeft, font);
    const QString period = QString::number(m_heading.period.year) + QStringLiteral("年") +
                           QString::number(m_heading.period.month) + QStringLiteral("月");
    canvas.text(QRectF(width / 2 - 20, y, 40, kHeaderLine - 1), period,
                Qt::AlignHCenter | Qt::AlignBottom, font);
}

void PaymentDetailForm::drawColumnHeadings(FormCanvas &canvas, double y) const
{
    const QFont font = FormFont(kNormal);
    const double both = kUpperHeading + kLowerHeading;
    const auto &columns = printedColumns();
    for (const Group &g : kGroups) {
        const QRectF upper(columnX(g.first), y, columnX(g.last + 1) - columnX(g.first),
                           kUpperHeading);
        canvas.rect(upper);
        canvas.text(upper, QString::fromUtf16(g.heading), Qt::AlignCenter, font);
    }
    for (int c = 0; c < int(columns.size()); ++c) {
        const PrintedColumn &col = columns[size_t(c)];
        const double x = columnX(c);
        const QRectF cell = inGroup(c) ? QRectF(x, y + kUpperHeading, col.width, kLowerHeading)
                                       : QRectF(x, y, col.width, both);
        canvas.rect(cell);
        QStringList heading = col.heading;
        if (col.source < 0 && isBlank()) {
            heading = {QStringLiteral("备     注")};
        }
        canvas.centredLines(cell, heading, font);
        const QRectF number(x, y + both, col.width, kNumbers);
        canvas.rect(number);
        canvas.text(number, QString::number(c + 1), Qt::AlignCenter, font);
    }
}

void PaymentDetailForm::drawRow(FormCanvas &canvas, int row, double y) const
{
    const QFont font = FormFont(kNormal);
    canvas.rect(QRectF(0, y, tableWidth(), kRow));
    double x = 0;
    for (const PrintedColumn &c : printedColumns()) {
        if (x > 0) {
            canvas.line(x, y, x, y + kRow);
        }
        if (!isBlank() && c.source >= 0) {
            canvas.cellText(QRectF(x, y, c.width, kRow), m_rows->text(row, c.source), c.align,
                            font);
        }
        x += c.width;
    }
}

void PaymentDetailForm::drawClosing(FormCanvas &canvas, double y) const
{
    const QFont font = FormFont(kNormal);
    y += kClosingGap;
    const QRectF line(0, y, tableWidth(), kSignatures);
    const Qt::Alignment left = Qt::AlignLeft | Qt::AlignVCenter;
    canvas.text(line, QStringLiteral("制表人:"), left, font);
    canvas.text(line.adjusted(90, 0, 0, 0), QStringLiteral("审核人:"), left, font);
    canvas.text(line.adjusted(180, 0, 0, 0),
                QStringLiteral("制表日期:  ") + FormDateText(m_heading.filledOn), left, font);
    y += kSignatures;
    for (const QString &note : notes()) {
        canvas.text(QRectF(0, y, tableWidth(), kNoteLine), note, left, font);
        y += kNoteLine;
    }
}

void PaymentDetailForm::drawFooter(FormCanvas &canvas, int pageNo, double bottom) const
{
    if (isBlank()) {
        return;
    }
    canvas.text(QRectF(0, bottom - kFooter, tableWidth(), kFooter),
                QString::number(pageNo) + QStringLiteral("页") + QStringLiteral("/总页数") +
                    QString::number(countedPages()),
                Qt::AlignCenter, FormFont(kNormal));
}
