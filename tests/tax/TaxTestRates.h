#pragma once

// The delivered rate rows, written out again by hand so that the routines' tables are checked
// against figures worked out on paper, and the delivered database against this copy.

#include "base/Money.h"
#include "tax/TaxRates.h"
#include "tax/TaxRoutines.h"

#include <QString>

#include <initializer_list>
#include <ostream>

inline Money M(const char *text)
{
    return *Money::parse(QString::fromLatin1(text));
}

inline void PrintTo(const Money &m, std::ostream *os)
{
    *os << qPrintable(m.toPlainString());
}
inline void PrintTo(const TaxResult &r, std::ostream *os)
{
    *os << '{' << qPrintable(r.BaseMoney.toPlainString()) << ", "
        << qPrintable(r.TaxableIncome.toPlainString()) << ", "
        << qPrintable(r.TaxRate.toPlainString()) << ", " << qPrintable(r.QuickDeduct.toPlainString())
        << ", " << qPrintable(r.TaxMoney.toPlainString()) << '}';
}
inline void PrintTo(const GrossAndTax &r, std::ostream *os)
{
    *os << "{gross " << qPrintable(r.gross.toPlainString()) << ", tax "
        << qPrintable(r.tax.toPlainString()) << '}';
}

inline GrossAndTax GT(const char *gross, const char *tax)
{
    return {M(gross), M(tax)};
}

struct HandRow
{
    const char *low, *noLow, *rate, *quick, *base;
    const char *type = "";
};

inline RateSet handSet(std::initializer_list<HandRow> rows)
{
    QList<RateRow> list;
    for (const HandRow &h : rows) {
        RateRow r;
        r.levelLow = M(h.low);
        r.NoLevelLow = M(h.noLow);
        r.LevelRate = M(h.rate);
        r.QuickDeduct = M(h.quick);
        r.BaseMoney = M(h.base);
        r.TaxType = QString::fromUtf8(h.type);
        list.append(r);
    }
    return RateSet::loadedWith(list);
}

inline RateSet wageSet(const char *base)
{
    return handSet({{"0", "0", "0.05", "0", base},
                    {"500", "475", "0.10", "25", base},
                    {"2000", "1825", "0.15", "125", base},
                    {"5000", "4375", "0.20", "375", base},
                    {"20000", "16375", "0.25", "1375", base},
                    {"40000", "31375", "0.30", "3375", base},
                    {"60000", "45375", "0.35", "6375", base},
                    {"80000", "58375", "0.40", "10375", base},
                    {"100000", "70375", "0.45", "15375", base}});
}
inline RateSet chineseWage() { return wageSet("800"); }
inline RateSet foreignWage() { return wageSet("4000"); }

inline RateSet contractSet()
{
    return handSet({{"0", "0", "0.05", "0", "0"},
                    {"5000", "4750", "0.10", "250", "0"},
                    {"10000", "9250", "0.20", "1250", "0"},
                    {"30000", "25250", "0.30", "4250", "0"},
                    {"50000", "39250", "0.35", "6750", "0"}});
}

inline RateSet serviceSet()
{
    return handSet({{"0", "0", "0.20", "0", "800"},
                    {"20000", "16000", "0.30", "2000", "800"},
                    {"50000", "37000", "0.40", "7000", "800"}});
}

inline RateSet netServiceSet()
{
    return handSet({{"0", "0", "0.20", "0", "800"},
                    {"4000", "3360", "0.20", "0", "800"},
                    {"25000", "21000", "0.30", "2000", "800"},
                    {"62500", "49500", "0.40", "7000", "800"}});
}

// In levelLow order, as the loader reads it (rows of equal levelLow in delivery order).
inline RateSet otherSet()
{
    return handSet({{"0", "0", "0.20", "800", "800", "稿酬"},
                    {"0", "0", "0.30", "0", "0", "稿酬减免"},
                    {"0", "0", "0.20", "800", "800", "特许权财产租赁"},
                    {"0", "0", "0.20", "0", "0", "利息股息偶然所得"},
                    {"4000", "3552", "0.20", "0.20", "800", "稿酬"}});
}

inline TaxRates handRates()
{
    TaxRates t;
    t.setRates(TaxRates::Kind::Wage, chineseWage());
    t.setRates(TaxRates::Kind::Foreign, foreignWage());
    t.setRates(TaxRates::Kind::Contract, contractSet());
    t.setRates(TaxRates::Kind::Service, serviceSet());
    t.setRates(TaxRates::Kind::NetService, netServiceSet());
    t.setRates(TaxRates::Kind::Other, otherSet());
    return t;
}
