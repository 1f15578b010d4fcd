#include "tax/TaxRates.h"

#include "base/MessageService.h"
#include "db/Database.h"
#include "tax/TaxTexts.h"

namespace {

const char *const kColumns = "select levelLow, LevelHigh, NoLevelLow, NoLevelHigh, LevelRate, "
                             "QuickDeduct, BaseMoney from TaxRate ";

std::optional<RateSet> readSet(Database &db, const QString &sql, const QVariantList &params,
                               bool withType)
{
    const auto result = db.query(sql, params);
    if (!result) {
        return std::nullopt;
    }
    QList<RateRow> rows;
    rows.reserve(result->rowCount());
    for (int r = 0; r < result->rowCount(); ++r) {
        RateRow row;
        row.levelLow = result->money(r, 0);
        row.LevelHigh = result->money(r, 1);
        row.NoLevelLow = result->money(r, 2);
        row.NoLevelHigh = result->money(r, 3);
        row.LevelRate = result->money(r, 4);
        row.QuickDeduct = result->money(r, 5);
        if (withType) {
            row.TaxType = result->text(r, 6);
            row.BaseMoney = result->money(r, 7);
        } else {
            row.BaseMoney = result->money(r, 6);
        }
        rows.append(row);
    }
    return RateSet::loadedWith(std::move(rows));
}

} // namespace

RateSet RateSet::loadedWith(QList<RateRow> rows)
{
    RateSet s;
    s.m_loaded = true;
    s.m_rows = std::move(rows);
    return s;
}

std::optional<RateRow> RateSet::first() const
{
    if (m_rows.isEmpty()) {
        return std::nullopt;
    }
    return m_rows.first();
}

Money RateSet::baseMoney() const
{
    return m_rows.isEmpty() ? Money() : m_rows.first().BaseMoney;
}

std::optional<RateRow> RateSet::bracket(Money amount) const
{
    std::optional<RateRow> found;
    for (const RateRow &row : m_rows) {
        if (row.levelLow < amount) {
            found = row;
        }
    }
    return found;
}

std::optional<RateRow> RateSet::netBracket(Money amount) const
{
    std::optional<RateRow> found;
    for (const RateRow &row : m_rows) {
        if (row.NoLevelLow < amount) {
            found = row;
        }
    }
    return found;
}

RateSet RateSet::ofType(const QString &taxType) const
{
    RateSet s;
    s.m_loaded = m_loaded;
    for (const RateRow &row : m_rows) {
        if (row.TaxType == taxType) {
            s.m_rows.append(row);
        }
    }
    return s;
}

const RateSet &TaxRates::wageFor(const QString &empType) const
{
    return empType == TaxText::chinese() ? wage() : foreign();
}

QString TaxRates::failureMessage(Kind kind)
{
    switch (kind) {
    case Kind::Wage:
        return QStringLiteral("获取中方工资薪金税率错误！");
    case Kind::Foreign:
        return QStringLiteral("获取外方工资薪金税率错误！");
    case Kind::Contract:
        return QStringLiteral("获取税前承包经营收入税率错误！");
    case Kind::Service:
        return QStringLiteral("获取劳务报酬收入税率错误！");
    case Kind::NetService:
        return QStringLiteral("获取不含税劳务报酬收入税率错误！");
    case Kind::Other:
        return QStringLiteral("获取其他税率错误！");
    }
    return {};
}

bool TaxRates::load(Kind kind, Database &db)
{
    std::optional<RateSet> loaded;
    const QString byType = QString::fromLatin1(kColumns)
                           + QStringLiteral("where TaxType = ? and EmpType = ? order by levelLow, rowid");
    switch (kind) {
    case Kind::Wage:
        loaded = readSet(db, byType, {TaxText::wageTax(), TaxText::chinese()}, false);
        break;
    case Kind::Foreign:
        loaded = readSet(db, byType, {TaxText::wageTax(), TaxText::foreign()}, false);
        break;
    case Kind::Contract:
        loaded = readSet(db, byType, {TaxText::contract(), TaxText::contract()}, false);
        break;
    case Kind::Service:
        loaded = readSet(db, byType, {TaxText::service(), TaxText::service()}, false);
        break;
    case Kind::NetService:
        loaded = readSet(db, byType, {TaxText::netService(), TaxText::netService()}, false);
        break;
    case Kind::Other:
        loaded = readSet(db,
                         QStringLiteral("select levelLow, LevelHigh, NoLevelLow, NoLevelHigh, "
                                        "LevelRate, QuickDeduct, TaxType, BaseMoney from TaxRate "
                                        "where TaxType in (?, ?, ?, ?) order by levelLow, rowid"),
                         {TaxText::royalty(), TaxText::royaltyReduction(),
                          TaxText::franchiseLease(), TaxText::interest()},
                         true);
        break;
    }
    m_sets[std::size_t(kind)] = loaded ? std::move(*loaded) : RateSet();
    return loaded.has_value();
}

bool TaxRates::LoadWageTaxRates(Database &db) { return load(Kind::Wage, db); }
bool TaxRates::LoadForeignTaxRates(Database &db) { return load(Kind::Foreign, db); }
bool TaxRates::LoadContractTaxRates(Database &db) { return load(Kind::Contract, db); }
bool TaxRates::LoadServiceTaxRates(Database &db) { return load(Kind::Service, db); }
bool TaxRates::LoadNetServiceTaxRates(Database &db) { return load(Kind::NetService, db); }
bool TaxRates::LoadOtherTaxRates(Database &db) { return load(Kind::Other, db); }

bool LoadAllTaxRates(Database &db, TaxRates &rates, MessageService &messages)
{
    bool all = true;
    for (int k = 0; k < TaxRates::kKindCount; ++k) {
        const auto kind = TaxRates::Kind(k);
        if (!rates.load(kind, db)) {
            messages.showError(TaxRates::failureMessage(kind));
            all = false;
        }
    }
    return all;
}

bool ReloadWageTaxRates(Database &db, TaxRates &rates, MessageService &messages)
{
    bool all = true;
    for (const auto kind : {TaxRates::Kind::Wage, TaxRates::Kind::Foreign}) {
        if (!rates.load(kind, db)) {
            messages.showError(TaxRates::failureMessage(kind));
            all = false;
        }
    }
    return all;
}
