#pragma once

#include <QString>

#include <optional>

class Database;

// The company record (table CorpInfo, one row).
struct CorpInfo
{
    QString corpName;
    QString obligorNo;
    QString address;
    QString tel;
    QString fax;
    QString postalCode;
    QString taxNo;
};

class CorpInfoStore
{
public:
    explicit CorpInfoStore(Database &db) : m_db(db) {}

    // The first row; an empty optional inside when there is none; nothing on failure.
    std::optional<std::optional<CorpInfo>> load();
    // Writes the record, every text trimmed: updates the first row, or inserts the row when
    // the table is empty. abName is never touched.
    bool save(const CorpInfo &info);

private:
    Database &m_db;
};

// The dialog's required boxes in the order they are checked.
enum class CorpField { None, CorpName, ObligorNo, Address, TaxNo, PostalCode, Tel, Fax };
// The first box that is empty after trimming, or None.
CorpField CheckCorpInfo(const CorpInfo &info);
QString CorpInfoMessage(CorpField field);

// Saves the record; on success the values as saved (trimmed), which the caller makes the run's
// company values.
std::optional<CorpInfo> SaveCorpInfo(Database &db, const CorpInfo &info);
