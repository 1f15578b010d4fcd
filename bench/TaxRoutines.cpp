// How long the tax routines take for the rows of a large wage sheet (each row computes wage tax
// and bonus tax), and one calculator-style after-tax computation.

#include "tax/TaxRoutines.h"

#include <benchmark/benchmark.h>

namespace {

RateSet wageRates()
{
    const struct
    {
        int low, noLow, rateBp, quick;
    } rows[] = {{0, 0, 500, 0},          {500, 475, 1000, 25},      {2000, 1825, 1500, 125},
                {5000, 4375, 2000, 375}, {20000, 16375, 2500, 1375}, {40000, 31375, 3000, 3375},
                {60000, 45375, 3500, 6375}, {80000, 58375, 4000, 10375},
                {100000, 70375, 4500, 15375}};
    QList<RateRow> list;
    for (const auto &r : rows) {
        RateRow row;
        row.levelLow = Money::fromYuan(r.low);
        row.NoLevelLow = Money::fromYuan(r.noLow);
        row.LevelRate = Money::fromRaw(r.rateBp);
        row.QuickDeduct = Money::fromYuan(r.quick);
        row.BaseMoney = Money::fromYuan(800);
        list.append(row);
    }
    return RateSet::loadedWith(list);
}

void WageSheetRows(benchmark::State &state)
{
    const RateSet rates = wageRates();
    const int rows = int(state.range(0));
    for (auto _ : state) {
        Money total;
        for (int i = 0; i < rows; ++i) {
            const Money pay = Money::fromCents(50000 + (i * 7919) % 5000000);
            total += CalcWageTaxDetail(rates, pay)->TaxMoney;
            total += *CalcBonusTax(rates, Money::fromCents((i * 104729) % 2000000), pay, Money());
        }
        benchmark::DoNotOptimize(total);
    }
    state.SetItemsProcessed(state.iterations() * rows);
}
BENCHMARK(WageSheetRows)->Arg(100000)->Unit(benchmark::kMillisecond);

void WageFromNet(benchmark::State &state)
{
    const RateSet rates = wageRates();
    Money net = Money::fromYuan(5000);
    for (auto _ : state) {
        benchmark::DoNotOptimize(CalcWageTaxFromNet(rates, net, Money::fromYuan(800)));
    }
}
BENCHMARK(WageFromNet);

} // namespace

BENCHMARK_MAIN();
