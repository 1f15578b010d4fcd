#include "maintenance/CorpInfoStore.h"

#include "db/Database.h"

namespace {

CorpInfo trimmed(const CorpInfo &in)
{
    return {in.corpName.trimmed(), in.obligorNo.trimmed(), in.address.trimmed(), in.tel.trimmed(),
            in.fax.trimmed(),      in.postalCode.trimmed(), in.taxNo.trimmed()};
}

} // namespace

std::optional<std::optional<CorpInfo>> CorpInfoStore::load()
{
    const auto rows = m_db.query(QStringLiteral(
        "select CorpName, ObligorNo, Address, Tel, Fax, PostalCode, TaxNo from CorpInfo order by rowid limit 1"));
    if (!rows) {
        return std::nullopt;
    }
    if (rows->isEmpty()) {
        return std::optional<CorpInfo>();
    }
    return std::optional<CorpInfo>(CorpInfo{rows->text(0, 0), rows->text(0, 1), rows->text(0, 2),
                                            rows->text(0, 3), rows->text(0, 4), rows->text(0, 5),
                                            rows->text(0, 6)});
}

bool CorpInfoStore::save(const CorpInfo &info)
{
    const CorpInfo t = trimmed(info);
    const QVariantList values{t.corpName, t.obligorNo, t.address, t.tel, t.fax, t.postalCode, t.taxNo};
    Transaction tx(m_db);
    const auto first = m_db.scalar(QStringLiteral("select min(rowid) from CorpInfo"));
    if (!tx.isActive() || !first) {
        return false;
    }
    bool ok = false;
    if (first->isNull()) {
        ok = m_db.exec(QStringLiteral("insert into CorpInfo (CorpName, ObligorNo, Address, Tel, Fax, "
                                      "PostalCode, TaxNo) values (?, ?, ?, ?, ?, ?, ?)"),
                       values);
    } else {
        ok = m_db.exec(QStringLiteral("update CorpInfo set CorpName = ?, ObligorNo = ?, Address = ?, "
                                      "Tel = ?, Fax = ?, PostalCode = ?, TaxNo = ? where rowid = ?"),
                       values + QVariantList{*first});
    }
    return ok && tx.commit();
}

CorpField CheckCorpInfo(const CorpInfo &info)
{
    const std::pair<const QString *, CorpField> order[] = {
        {&info.corpName, CorpField::CorpName},     {&info.obligorNo, CorpField::ObligorNo},
        {&info.address, CorpField::Address},       {&info.taxNo, CorpField::TaxNo},
        {&info.postalCode, CorpField::PostalCode}, {&info.tel, CorpField::Tel},
        {&info.fax, CorpField::Fax}};
    for (const auto &[text, field] : order) {
        if (text->trimmed().isEmpty()) {
            return field;
        }
    }
    return CorpField::None;
}

QString CorpInfoMessage(CorpField field)
{
    switch (field) {
    case CorpField::CorpName:
        return QStringLiteral("请输入扣缴义务人名称！");
    case CorpField::ObligorNo:
        return QStringLiteral("请输入扣缴义务人编码！");
    case CorpField::Address:
        return QStringLiteral("请输入地址！");
    case CorpField::TaxNo:
        return QStringLiteral("请输入税号！");
    case CorpField::PostalCode:
        return QStringLiteral("请输入邮政编码！");
    case CorpField::Tel:
        return QStringLiteral("请输入电话！");
    case CorpField::Fax:
        return QStringLiteral("请输入传真！");
    case CorpField::None:
        break;
    }
    return {};
}

std::optional<CorpInfo> SaveCorpInfo(Database &db, const CorpInfo &info)
{
    if (!CorpInfoStore(db).save(info)) {
        return std::nullopt;
    }
    return trimmed(info);
}
