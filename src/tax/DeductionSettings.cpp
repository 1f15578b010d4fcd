#include "tax/DeductionSettings.h"

#include "base/Settings.h"
#include "base/TextHelpers.h"
#include "db/Database.h"
#include "tax/TaxTexts.h"

namespace {

const QString kTitleFile = QStringLiteral("title.ini");
const QString kTitleSection = QStringLiteral("title");

} // namespace

std::optional<DeductionBases> LoadDeductionBases(Database &db)
{
    const auto rows = db.query(
        QStringLiteral("select EmpType, BaseMoney from TaxBase where TaxType = ?"),
        {TaxText::wageTax()});
    if (!rows) {
        return std::nullopt;
    }
    DeductionBases bases;
    for (int r = 0; r < rows->rowCount(); ++r) {
        const QString empType = rows->text(r, 0);
        if (empType == TaxText::chinese()) {
            bases.chinese = rows->money(r, 1);
        } else if (empType == TaxText::foreign()) {
            bases.foreign = rows->money(r, 1);
        }
    }
    return bases;
}

bool SaveDeductionBases(Database &db, const DeductionBases &bases)
{
    Transaction tx(db);
    if (!tx.isActive()) {
        return false;
    }
    const QString wageTax = TaxText::wageTax();
    const QVariant chinese = QVariant::fromValue(bases.chinese);
    const QVariant foreign = QVariant::fromValue(bases.foreign);
    const QString insert = QStringLiteral(
        "insert into TaxBase (TaxType, EmpType, BaseMoney) values (?, ?, ?)");
    const QString update = QStringLiteral(
        "update TaxRate set BaseMoney = ? where TaxType = ? and EmpType = ?");
    const bool ok = db.exec(QStringLiteral("delete from TaxBase where TaxType = ?"), {wageTax})
                    && db.exec(insert, {wageTax, TaxText::chinese(), chinese})
                    && db.exec(insert, {wageTax, TaxText::foreign(), foreign})
                    && db.exec(update, {chinese, wageTax, TaxText::chinese()})
                    && db.exec(update, {foreign, wageTax, TaxText::foreign()});
    return ok && tx.commit();
}

namespace {

// One box: too long a whole part, then not a number. On success the box's two-decimal text.
std::optional<QString> checkBox(const QString &text, QString &message)
{
    if (!MoneyTextFits(text)) {
        message = TaxText::amountTooLarge();
        return std::nullopt;
    }
    const auto formatted = FormatMoneyText(text.trimmed());
    if (!formatted) {
        message = TaxText::notAnAmount(text);
        return std::nullopt;
    }
    return formatted;
}

} // namespace

DeductionInput CheckDeductionInput(const QString &chineseText, const QString &foreignText)
{
    DeductionInput in;
    in.chineseText = chineseText;
    in.foreignText = foreignText;
    const auto chinese = checkBox(chineseText, in.message);
    if (!chinese) {
        in.failed = DeductionInput::Failed::Chinese;
        return in;
    }
    in.chineseText = *chinese;
    const auto foreign = checkBox(foreignText, in.message);
    if (!foreign) {
        in.failed = DeductionInput::Failed::Foreign;
        return in;
    }
    in.foreignText = *foreign;
    in.bases.chinese = *TextToMoney(in.chineseText);
    in.bases.foreign = *TextToMoney(in.foreignText);
    return in;
}

PrintTitleSettings ReadPrintTitleSettings()
{
    PrintTitleSettings s;
    s.region = ReadIniValue(kTitleFile, kTitleSection, QStringLiteral("top"));
    s.printRegion = ReadIniValue(kTitleFile, kTitleSection, QStringLiteral("bltop"))
                    == QLatin1String("1");
    return s;
}

bool WritePrintTitleSettings(const PrintTitleSettings &settings)
{
    // Both keys are written even if the first fails, so a partial write leaves at most one stale.
    const bool top = WriteIniString(kTitleFile, kTitleSection, QStringLiteral("top"),
                                    settings.region);
    const bool bltop = WriteIniString(kTitleFile, kTitleSection, QStringLiteral("bltop"),
                                      settings.printRegion ? QStringLiteral("1")
                                                           : QStringLiteral("0"));
    return top && bltop;
}

QString ReturnTitle(const QString &formTitle)
{
    const PrintTitleSettings s = ReadPrintTitleSettings();
    return s.printRegion ? s.region + formTitle : formTitle;
}
