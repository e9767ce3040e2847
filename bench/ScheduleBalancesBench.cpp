// The receivables and payables list QR_Kake_Rep on a sample company of 2,000 partners with
// a year of monthly aggregates (HIMAS31 and HIMAS32 written directly, about 17,000 rows
// each): the print's work tables (working-copy refresh, the copies into HWRK31 and HWRK32,
// HIMAS33) for December and for January (the whole year copied); HIMAS33 alone from
// December's work tables, grouped, and by the per-partner statements the tests hold as the
// reference (the agreement test checks they store the same rows).
//
// Run: VANTIR_TODAY is fixed at 2026-12-20 so that the company is the same on every day.

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdlib>

#include "LiteralScheduleBalances.h"
#include "ScheduleAggregates.h"
#include "data/AppState.h"
#include "data/DataModule1.h"
#include "data/DataModule2.h"
#include "data/DatabaseFiles.h"
#include "data/HookTargets.h"
#include "data/sample/SampleCompany.h"
#include "ledgers/rules/ScheduleBalances.h"
#include "ledgers/rules/ScheduleWorkTables.h"
#include "platform/db/Connection.h"

namespace vantir {
namespace {

constexpr int kPartners = 2000;
// The month printed: the last of the year, as the dialog opens in the next month, or the
// first, which takes the whole year into the work tables.
QString month(const benchmark::State& state) {
    return QStringLiteral("26/%1").arg(state.range(0), 2, 10, QLatin1Char('0'));
}

// The program directory, made once: the company with its slips and a year of aggregates.
struct Company {
    Company() {
        const QString main = DatabaseFiles::mainDatabase(dir.path());
        QDir().mkpath(QFileInfo(main).path());
        const Result created = SampleCompany::createFile(
            main, {.partners = kPartners, .slips = 60'000, .months = 12, .seed = 1});
        if (!created) std::abort();
        Connection connection;
        connection.open(main, false);
        test::writeScheduleAggregates(connection, 12, 1);
        connection.close();
        dm1 = std::make_unique<DataModule1>(dir.path(), state, targets);
        dm2 = std::make_unique<DataModule2>(dir.path(), state, targets);
        ScheduleWorkTables({*dm1, *dm2}, QStringLiteral("26/12")).balances();
    }
    Connection& work() { return dm2->database().connection(); }

    QTemporaryDir dir;
    AppState state;
    HookTargets targets;
    std::unique_ptr<DataModule1> dm1;
    std::unique_ptr<DataModule2> dm2;
};

Company& company() {
    static Company made;
    return made;
}

void BM_KakeRepWorkTables(benchmark::State& state) {
    Company& c = company();
    for (auto _ : state) ScheduleWorkTables({*c.dm1, *c.dm2}, month(state)).balances();
}

void BM_ScheduleBalances(benchmark::State& state) {
    Company& c = company();
    for (auto _ : state) ScheduleBalances::rebuild(c.work(), QStringLiteral("26/12/31"), 10);
}

void BM_LiteralScheduleBalances(benchmark::State& state) {
    Company& c = company();
    for (auto _ : state) test::literalScheduleBalances(c.work(), QStringLiteral("26/12/31"), 10);
}

}  // namespace
}  // namespace vantir

BENCHMARK(vantir::BM_KakeRepWorkTables)->Arg(12)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(vantir::BM_ScheduleBalances)->Unit(benchmark::kMillisecond);
BENCHMARK(vantir::BM_LiteralScheduleBalances)->Iterations(3)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    setenv("VANTIR_TODAY", "2026-12-20", 1);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
