#include "LedgerFixture.h"

#include "db/Database.h"
#include "returns/FormCanvas.h"

#include <QGuiApplication>
#include <QHash>
#include <QProcess>
#include <QRawFont>
#include <QRegularExpression>

#include <gtest/gtest.h>

Money M(const char *text)
{
    return *Money::parse(QString::fromLatin1(text));
}

void AddLedgerRow(Database &db, const LedgerRow &r)
{
    const bool ok =
        db.exec(QStringLiteral("insert into TaxIncome (TaxYear, TaxMonth, TaxType, EmpId, EmpName, "
                               "EmpCardNo, EmpType, DeptID, Address, Income, MinusFare, TaxIncome, "
                               "TaxRate, TakeOutMoney, TaxMoney, TaxNumber, TaxDate) values "
                               "(?, ?, ?, ?, ?, ?, ?, '0001', ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                {r.year, r.month, r.taxType, r.empId, r.empName, r.cardNo, r.empType, r.address,
                 QVariant::fromValue(M(r.income)), QVariant::fromValue(M(r.minusFare)),
                 QVariant::fromValue(M(r.taxIncome)), QVariant::fromValue(M(r.rate)),
                 QVariant::fromValue(M(r.takeOut)), QVariant::fromValue(M(r.taxMoney)), r.taxNumber,
                 r.taxDate.isEmpty() ? QVariant() : QVariant(r.taxDate)});
    EXPECT_TRUE(ok) << db.lastError().toStdString();
}

void AddTaxedRows(Database &db, int n, const QString &empType)
{
    for (int i = 1; i < n; ++i) {
        LedgerRow r;
        r.empId = QStringLiteral("E%1").arg(i, 5, 10, QLatin1Char('0'));
        r.empName = QStringLiteral("职员%1").arg(i);
        r.cardNo = QStringLiteral("1101%1").arg(i, 8, 10, QLatin1Char('0'));
        r.empType = empType;
        r.income = "1000";
        r.taxIncome = "1000";
        r.rate = "0.1";
        r.taxMoney = "100";
        AddLedgerRow(db, r);
    }
}

namespace {

// The radicals that the form's face draws with an ideograph's glyph, mapped to that ideograph.
const QHash<QChar, QChar> &radicals()
{
    static const QHash<QChar, QChar> map = [] {
        QHash<QChar, QChar> m;
        const QRawFont font = QRawFont::fromFont(FormFont(9));
        QHash<quint32, QChar> ideographs;
        for (char16_t c = 0x4E00; c <= 0x9FFF; ++c) {
            const auto glyphs = font.glyphIndexesForString(QString(QChar(c)));
            if (!glyphs.isEmpty() && glyphs.first() != 0 && !ideographs.contains(glyphs.first())) {
                ideographs.insert(glyphs.first(), QChar(c));
            }
        }
        for (char16_t c = 0x2E80; c <= 0x2FDF; ++c) {
            const auto glyphs = font.glyphIndexesForString(QString(QChar(c)));
            if (!glyphs.isEmpty() && ideographs.contains(glyphs.first())) {
                m.insert(QChar(c), ideographs.value(glyphs.first()));
            }
        }
        return m;
    }();
    return map;
}

QString run(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    EXPECT_TRUE(p.waitForFinished(60000)) << program.toStdString();
    EXPECT_EQ(p.exitCode(), 0) << program.toStdString() << ": "
                               << p.readAllStandardError().toStdString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace

QString PdfText(const QString &path)
{
    EnsureGuiApplication();
    QString text =
        run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    const auto &map = radicals();
    for (QChar &c : text) {
        c = map.value(c, c);
    }
    return text;
}

int PdfPageCount(const QString &path)
{
    const QString info = run(QStringLiteral("pdfinfo"), {path});
    const auto m = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

void EnsureGuiApplication()
{
    if (QGuiApplication::instance()) {
        return;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    static int argc = 1;
    static char name[] = "test_returns";
    static char *argv[] = {name, nullptr};
    // Left to the end of the process: fonts cached by the renderer outlive every test.
    new QGuiApplication(argc, argv);
}
