#pragma once

#include "base/Money.h"

#include <QList>
#include <QString>

#include <array>
#include <optional>

class Database;
class MessageService;

// One row of TaxRate as the tax routines see it. TaxType is filled only in the set that mixes
// several income types (royalties, franchise/lease, interest).
struct RateRow
{
    Money levelLow;
    Money LevelHigh;
    Money NoLevelLow;
    Money NoLevelHigh;
    Money LevelRate;
    Money QuickDeduct;
    Money BaseMoney;
    QString TaxType;
};

// One rate set, read once and never changed afterwards: rows ascending by levelLow. A set whose
// loading failed is "not loaded" and holds no rows; the routines refuse to compute from it, so a
// missing set can never pass for a set without brackets.
class RateSet
{
public:
    RateSet() = default; // not loaded
    static RateSet loadedWith(QList<RateRow> rows);

    bool isLoaded() const { return m_loaded; }
    bool isEmpty() const { return m_rows.isEmpty(); }
    const QList<RateRow> &rows() const { return m_rows; }
    std::optional<RateRow> first() const;
    // The deduction of the set (BaseMoney of its first row); 0 when it has no rows.
    Money baseMoney() const;

    // The bracket of a pre-tax amount: the last row whose levelLow lies strictly below it, so an
    // amount equal to a lower bound belongs to the bracket below. Nothing when no row qualifies.
    std::optional<RateRow> bracket(Money amount) const;
    // The same on the after-tax bounds (NoLevelLow).
    std::optional<RateRow> netBracket(Money amount) const;
    // The rows of one income type, in the same order (for the mixed set).
    RateSet ofType(const QString &taxType) const;

private:
    bool m_loaded = false;
    QList<RateRow> m_rows;
};

// The six rate sets of the run. Loaded at start-up; only the two wage sets are loaded again,
// after the deduction settings have been saved.
class TaxRates
{
public:
    enum class Kind { Wage, Foreign, Contract, Service, NetService, Other };
    static constexpr int kKindCount = 6;

    const RateSet &set(Kind kind) const { return m_sets[std::size_t(kind)]; }
    const RateSet &wage() const { return set(Kind::Wage); }
    const RateSet &foreign() const { return set(Kind::Foreign); }
    const RateSet &contract() const { return set(Kind::Contract); }
    const RateSet &service() const { return set(Kind::Service); }
    const RateSet &netService() const { return set(Kind::NetService); }
    const RateSet &other() const { return set(Kind::Other); }
    // The wage set of an employee type ("中方" gives the Chinese-staff set, anything else the
    // foreign-staff set).
    const RateSet &wageFor(const QString &empType) const;

    // The message shown when the set cannot be loaded.
    static QString failureMessage(Kind kind);

    // Each loader replaces its set; on failure the set becomes "not loaded". True on success.
    bool LoadWageTaxRates(Database &db);
    bool LoadForeignTaxRates(Database &db);
    bool LoadContractTaxRates(Database &db);
    bool LoadServiceTaxRates(Database &db);
    bool LoadNetServiceTaxRates(Database &db);
    bool LoadOtherTaxRates(Database &db);
    bool load(Kind kind, Database &db);

    // Replaces a set directly (tests and tools that do not read a database).
    void setRates(Kind kind, RateSet rates) { m_sets[std::size_t(kind)] = std::move(rates); }

private:
    std::array<RateSet, kKindCount> m_sets;
};

// Start-up: runs the six loaders in their order, showing each failing loader's message as an
// error. Returns true when all six loaded; the run goes on either way, without the failed sets.
bool LoadAllTaxRates(Database &db, TaxRates &rates, MessageService &messages);

// After the deduction settings were saved: loads the two wage sets again so that the new
// deductions take effect at once. A failure shows that set's message. True when both loaded.
bool ReloadWageTaxRates(Database &db, TaxRates &rates, MessageService &messages);
