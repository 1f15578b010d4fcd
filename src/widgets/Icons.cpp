#include "widgets/Icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

// Everything is drawn on a 32×32 grid and scaled.
void page(QPainter &p, const QColor &lines)
{
    p.setPen(QPen(QColor(0x55, 0x55, 0x55), 1.2));
    p.setBrush(Qt::white);
    QPainterPath path;
    path.moveTo(7, 3);
    path.lineTo(21, 3);
    path.lineTo(26, 8);
    path.lineTo(26, 29);
    path.lineTo(7, 29);
    path.closeSubpath();
    p.drawPath(path);
    p.setPen(QPen(lines, 1.6));
    for (int y = 11; y <= 25; y += 4) {
        p.drawLine(10, y, 23, y);
    }
}

void coin(QPainter &p, QPointF c, double r, const QColor &colour)
{
    p.setPen(QPen(colour.darker(150), 1.2));
    p.setBrush(colour);
    p.drawEllipse(c, r, r);
    p.setPen(QPen(colour.darker(180), 1.6));
    QFont f(QStringLiteral("Noto Sans CJK SC"));
    f.setPixelSize(int(r * 1.4));
    f.setBold(true);
    p.setFont(f);
    p.drawText(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), Qt::AlignCenter, QStringLiteral("¥"));
}

void calculator(QPainter &p, const QColor &body)
{
    p.setPen(QPen(body.darker(160), 1.2));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(6, 2, 20, 28), 3, 3);
    p.setBrush(QColor(0xD8, 0xF0, 0xD0));
    p.drawRect(QRectF(9, 5, 14, 6));
    p.setBrush(Qt::white);
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c) {
            p.drawRect(QRectF(9 + c * 5, 14 + r * 5, 3.5, 3.5));
        }
    }
}

void person(QPainter &p, QPointF at, const QColor &colour)
{
    p.setPen(QPen(colour.darker(150), 1));
    p.setBrush(colour);
    p.drawEllipse(at, 4.5, 4.5);
    QPainterPath body;
    body.moveTo(at.x() - 8, at.y() + 15);
    body.quadTo(at.x() - 8, at.y() + 6, at.x(), at.y() + 6);
    body.quadTo(at.x() + 8, at.y() + 6, at.x() + 8, at.y() + 15);
    body.closeSubpath();
    p.drawPath(body);
}

void draw(QPainter &p, const QString &name)
{
    const QColor blue(0x2F, 0x6F, 0xC0), green(0x3A, 0x9A, 0x48), gold(0xF0, 0xC0, 0x30),
        red(0xC0, 0x30, 0x30), grey(0x80, 0x88, 0x90);
    if (name == u"wage") {
        page(p, blue);
        coin(p, {22, 22}, 7.5, gold);
    } else if (name == u"post") {
        p.setPen(QPen(QColor(0x70, 0x50, 0x20), 1.2));
        p.setBrush(QColor(0xE8, 0xC8, 0x88));
        p.drawRect(QRectF(4, 6, 24, 22));
        p.setBrush(QColor(0xB0, 0x40, 0x30));
        p.drawRect(QRectF(4, 6, 5, 22));
        p.setPen(QPen(green, 3));
        p.drawPolyline(QPolygonF({{12, 17}, {17, 22}, {26, 11}}));
    } else if (name == u"otherpay") {
        coin(p, {12, 13}, 8, gold);
        coin(p, {21, 20}, 8, QColor(0xE0, 0xA0, 0x40));
    } else if (name == u"report" || name == u"detail" || name == u"slip") {
        page(p, name == u"report" ? red : name == u"detail" ? green : blue);
        p.setPen(Qt::NoPen);
        p.setBrush(name == u"report" ? red : name == u"detail" ? green : blue);
        p.drawRect(QRectF(7, 3, 4, 26));
    } else if (name == u"calculator") {
        calculator(p, QColor(0x70, 0x78, 0x88));
    } else if (name == u"taxcalc") {
        calculator(p, blue);
        coin(p, {24, 24}, 6.5, gold);
    } else if (name == u"exit") {
        p.setPen(QPen(QColor(0x60, 0x40, 0x20), 1.2));
        p.setBrush(QColor(0xA0, 0x70, 0x40));
        p.drawRect(QRectF(5, 3, 15, 26));
        p.setBrush(gold);
        p.drawEllipse(QPointF(16, 17), 1.5, 1.5);
        p.setPen(QPen(red, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(QPointF(18, 16), QPointF(29, 16));
        p.drawPolyline(QPolygonF({{25, 11}, {29.5, 16}, {25, 21}}));
    } else if (name == u"users") {
        person(p, {11, 10}, QColor(0x60, 0x90, 0xD0));
        person(p, {21, 12}, green);
    } else if (name == u"password" || name == u"login") {
        p.setPen(QPen(QColor(0x90, 0x70, 0x10), 3));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(9, 3, 14, 16), 0, 180 * 16);
        p.drawLine(QPointF(9, 11), QPointF(9, 15));
        p.drawLine(QPointF(23, 11), QPointF(23, 15));
        p.setPen(QPen(QColor(0x90, 0x70, 0x10), 1.2));
        p.setBrush(gold);
        p.drawRoundedRect(QRectF(5, 14, 22, 15), 2, 2);
        p.setBrush(QColor(0x50, 0x40, 0x10));
        p.drawEllipse(QPointF(16, 20.5), 2, 2);
        p.drawRect(QRectF(15.2, 21, 1.6, 4));
    } else if (name == u"items") {
        p.setPen(QPen(grey.darker(), 1.2));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(3, 5, 26, 22));
        p.setPen(QPen(blue, 1.2));
        for (int y = 10; y < 27; y += 5) {
            p.drawLine(3, y, 29, y);
        }
        p.drawLine(12, 5, 12, 27);
        p.setPen(Qt::NoPen);
        p.setBrush(blue);
        p.drawRect(QRectF(3.6, 5.6, 24.8, 4.4));
    } else if (name == u"dept") {
        p.setPen(QPen(grey.darker(), 1.5));
        p.drawLine(16, 9, 16, 15);
        p.drawLine(7, 15, 25, 15);
        p.drawLine(7, 15, 7, 20);
        p.drawLine(25, 15, 25, 20);
        p.setBrush(blue);
        p.drawRect(QRectF(11, 3, 10, 7));
        p.setBrush(green);
        p.drawRect(QRectF(2, 20, 10, 8));
        p.drawRect(QRectF(20, 20, 10, 8));
    } else if (name == u"corp") {
        p.setPen(QPen(QColor(0x50, 0x50, 0x60), 1.2));
        p.setBrush(QColor(0xC8, 0xD4, 0xE8));
        p.drawRect(QRectF(6, 4, 20, 25));
        p.setBrush(blue);
        for (int r = 0; r < 4; ++r) {
            p.drawRect(QRectF(9, 7 + r * 5, 4, 3));
            p.drawRect(QRectF(19, 7 + r * 5, 4, 3));
        }
        p.setBrush(QColor(0x60, 0x40, 0x20));
        p.drawRect(QRectF(14, 23, 4, 6));
    } else if (name == u"backup") {
        p.setPen(QPen(QColor(0x30, 0x40, 0x60), 1.2));
        p.setBrush(QColor(0x70, 0x90, 0xC0));
        p.drawEllipse(QRectF(5, 3, 18, 7));
        p.drawRect(QRectF(5, 6.5, 18, 16));
        p.drawEllipse(QRectF(5, 19, 18, 7));
        p.setPen(QPen(green, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawArc(QRectF(16, 14, 13, 13), 90 * 16, -270 * 16);
        p.drawPolyline(QPolygonF({{19, 13}, {22.5, 14}, {21, 17.5}}));
    } else if (name == u"help" || name == u"about") {
        p.setPen(QPen(blue.darker(140), 1.2));
        p.setBrush(blue);
        p.drawEllipse(QPointF(16, 16), 13, 13);
        QFont f(QStringLiteral("Noto Sans CJK SC"));
        f.setPixelSize(20);
        f.setBold(true);
        p.setFont(f);
        p.setPen(Qt::white);
        p.drawText(QRectF(3, 3, 26, 26), Qt::AlignCenter,
                   name == u"help" ? QStringLiteral("?") : QStringLiteral("i"));
    } else if (name == u"bank") {
        p.setPen(QPen(QColor(0x50, 0x50, 0x50), 1.2));
        p.setBrush(QColor(0xD8, 0xD8, 0xD0));
        p.drawPolygon(QPolygonF({{3, 11}, {16, 3}, {29, 11}}));
        for (int x = 6; x <= 24; x += 6) {
            p.drawRect(QRectF(x, 12, 3, 12));
        }
        p.drawRect(QRectF(3, 25, 26, 4));
    } else if (name == u"query") {
        page(p, grey);
        p.setPen(QPen(QColor(0x30, 0x30, 0x30), 2.5));
        p.setBrush(QColor(0xD0, 0xE8, 0xFF, 200));
        p.drawEllipse(QPointF(18, 18), 6, 6);
        p.drawLine(QPointF(22.5, 22.5), QPointF(29, 29));
    } else if (name == u"setup") {
        p.setPen(QPen(grey.darker(), 1.2));
        p.setBrush(grey);
        QPainterPath gear;
        for (int i = 0; i < 8; ++i) {
            p.save();
            p.translate(16, 16);
            p.rotate(i * 45);
            p.drawRect(QRectF(-2.5, -14, 5, 6));
            p.restore();
        }
        p.drawEllipse(QPointF(16, 16), 10, 10);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(16, 16), 4, 4);
    } else { // app
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x80, 0x10, 0x20));
        p.drawRoundedRect(QRectF(2, 2, 28, 28), 6, 6);
        QFont f(QStringLiteral("Noto Serif CJK SC"));
        f.setPixelSize(22);
        f.setBold(true);
        p.setFont(f);
        p.setPen(Qt::white);
        p.drawText(QRectF(2, 2, 28, 28), Qt::AlignCenter, QStringLiteral("C"));
    }
}

QPixmap render(const QString &name, int size)
{
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(size / 32.0, size / 32.0);
    draw(p, name);
    return pm;
}

} // namespace

QStringList ProgramIconNames()
{
    return {QStringLiteral("wage"),   QStringLiteral("post"),     QStringLiteral("otherpay"),
            QStringLiteral("report"), QStringLiteral("detail"),   QStringLiteral("calculator"),
            QStringLiteral("taxcalc"), QStringLiteral("exit"),    QStringLiteral("users"),
            QStringLiteral("password"), QStringLiteral("items"),  QStringLiteral("dept"),
            QStringLiteral("corp"),   QStringLiteral("backup"),   QStringLiteral("help"),
            QStringLiteral("about"),  QStringLiteral("slip"),     QStringLiteral("bank"),
            QStringLiteral("query"),  QStringLiteral("setup"),    QStringLiteral("login"),
            QStringLiteral("app")};
}

QIcon ProgramIcon(const QString &name)
{
    QIcon icon;
    for (int size : {16, 22, 32, 48}) {
        icon.addPixmap(render(name, size));
    }
    return icon;
}
