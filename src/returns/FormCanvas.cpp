#include "returns/FormCanvas.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>

namespace {

constexpr double kMmPerInch = 25.4;
constexpr double kPadding = 0.8;         // mm between a cell's text and its lines
constexpr double kLineWidth = 0.2;       // mm
constexpr double kSmallestSize = 5.5;    // points: below this a printed figure cannot be read
constexpr double kSmallestOneLine = 6.5; // points: smaller than this, two lines read better

} // namespace

QString FormFontFamily()
{
    static const QString family = [] {
        const QStringList installed = QFontDatabase::families();
        for (const QString &name : {QStringLiteral("SimSun"), QStringLiteral("宋体")}) {
            if (installed.contains(name)) {
                return name;
            }
        }
        return QStringLiteral("Noto Serif CJK SC");
    }();
    return family;
}

QFont FormFont(double pointSize, bool bold)
{
    QFont font(FormFontFamily());
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

FormCanvas::FormCanvas(QPainter &painter)
    : m_painter(painter), m_scale(painter.device()->logicalDpiX() / kMmPerInch)
{
    m_painter.setPen(QPen(Qt::black, px(kLineWidth)));
    m_painter.setBrush(Qt::NoBrush);
}

QRectF FormCanvas::toDevice(const QRectF &mm) const
{
    return {px(mm.x()), px(mm.y()), px(mm.width()), px(mm.height())};
}

void FormCanvas::line(double x1, double y1, double x2, double y2)
{
    m_painter.drawLine(QPointF(px(x1), px(y1)), QPointF(px(x2), px(y2)));
}

void FormCanvas::rect(const QRectF &mm)
{
    m_painter.drawRect(toDevice(mm));
}

double FormCanvas::width(const QString &text, const QFont &font) const
{
    return QFontMetricsF(font, m_painter.device()).horizontalAdvance(text) / m_scale;
}

double FormCanvas::lineHeight(const QFont &font) const
{
    return QFontMetricsF(font, m_painter.device()).height() / m_scale;
}

void FormCanvas::text(double x, double y, const QString &text, const QFont &font)
{
    m_painter.setFont(font);
    const QFontMetricsF metrics(font, m_painter.device());
    m_painter.drawText(QPointF(px(x), px(y) + metrics.ascent()), text);
}

void FormCanvas::text(const QRectF &mm, const QString &text, Qt::Alignment align, const QFont &font)
{
    m_painter.setFont(font);
    m_painter.drawText(toDevice(mm), int(align) | Qt::TextSingleLine, text);
}

void FormCanvas::cellText(const QRectF &mm, const QString &text, Qt::Alignment align,
                          const QFont &font)
{
    if (text.trimmed().isEmpty()) {
        return;
    }
    const QRectF inner = mm.adjusted(kPadding, 0, -kPadding, 0);
    const Qt::Alignment vertical = Qt::AlignVCenter;
    const double base = font.pointSizeF();
    QFont f = font;
    const auto oneLine = [&](double from, double to) {
        for (double size = from; size >= to; size -= 0.5) {
            f.setPointSizeF(size);
            if (width(text, f) <= inner.width()) {
                this->text(inner, text, align | vertical, f);
                return true;
            }
        }
        return false;
    };
    // Somewhat smaller on one line reads best; then two lines, but only for words (an amount
    // or a number broken in two could be misread); then smaller still.
    if (oneLine(base, kSmallestOneLine)) {
        return;
    }
    const bool words = std::any_of(text.begin(), text.end(),
                                   [](QChar c) { return c.unicode() > 0xFF || c.isSpace(); });
    for (double size = base; words && size >= kSmallestSize; size -= 0.5) {
        f.setPointSizeF(size);
        const QFontMetricsF metrics(f, m_painter.device());
        const int flags = int(align) | Qt::TextWordWrap;
        const QRectF bounds = metrics.boundingRect(
            QRectF(0, 0, px(inner.width()), px(inner.height()) * 4), flags, text);
        if (bounds.height() <= px(inner.height()) && bounds.width() <= px(inner.width())) {
            m_painter.setFont(f);
            m_painter.drawText(toDevice(inner), flags | int(vertical), text);
            return;
        }
    }
    if (oneLine(kSmallestOneLine - 0.5, kSmallestSize)) {
        return;
    }
    f.setPointSizeF(kSmallestSize);
    const QFontMetricsF metrics(f, m_painter.device());
    this->text(inner, metrics.elidedText(text, Qt::ElideRight, px(inner.width())), align | vertical,
               f);
}

void FormCanvas::centredLines(const QRectF &mm, const QStringList &lines, const QFont &font)
{
    const double step = lineHeight(font);
    double y = mm.center().y() - step * double(lines.size()) / 2;
    for (const QString &l : lines) {
        text(QRectF(mm.x(), y, mm.width(), step), l, Qt::AlignCenter, font);
        y += step;
    }
}
