#pragma once

#include <QFont>
#include <QRectF>
#include <QString>

class QPainter;

// The serif face the returns print in: SimSun where it is installed, else the CJK serif face
// that is (Noto Serif CJK SC). Named outright, so that no Chinese character is left to a
// fallback face that the PDF might not carry.
QString FormFontFamily();
QFont FormFont(double pointSize, bool bold = false);

// Draws a form in millimetres, measured from the top left corner of the printable area (the
// painter's origin on a printer or PDF writer), whatever the device's resolution.
class FormCanvas
{
public:
    explicit FormCanvas(QPainter &painter);

    QPainter &painter() { return m_painter; }
    double px(double mm) const { return mm * m_scale; }

    void line(double x1, double y1, double x2, double y2);
    void rect(const QRectF &mm);
    // The text inside the rectangle (a cell), kept 0.8 mm from its sides. Text that does not
    // fit on one line at the font's size is drawn somewhat smaller, then (words only, never
    // a figure) on two lines, then smaller still; it is elided only below a size that can
    // still be read.
    void cellText(const QRectF &mm, const QString &text, Qt::Alignment align, const QFont &font);
    // Text lines one under the other, centred in the rectangle (headings).
    void centredLines(const QRectF &mm, const QStringList &lines, const QFont &font);
    // A single line as it is, from a point (top left of the line), or aligned in a rectangle.
    void text(double x, double y, const QString &text, const QFont &font);
    void text(const QRectF &mm, const QString &text, Qt::Alignment align, const QFont &font);
    // The width of the text in millimetres.
    double width(const QString &text, const QFont &font) const;
    double lineHeight(const QFont &font) const;

private:
    QRectF toDevice(const QRectF &mm) const;

    QPainter &m_painter;
    double m_scale; // device pixels per millimetre
};
