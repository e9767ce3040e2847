// The monthly aggregation of one month (closing day 99, November, eight months into the
// fiscal year) on a sample company of 2,000 partners with a year of slips, receipts and
// payments: the program's set-based run, working-copy refresh, pushes and ledger rebuild
// included, at 60,000 and 600,000 slips a year; and the statement-by-statement reference
// run on the same data. Both store the same four tables (the agreement test checks it).
//
// Run: VANTIR_TODAY is fixed at 2026-12-09 so that the company is the same on every day.

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdlib>
#include <map>
#include <memory>

#include "LiteralMonthlyRun.h"
#include "data/AppState.h"
#include "data/DataModule1.h"
#include "data/DataModule2.h"
#include "data/DatabaseFiles.h"
#include "data/HookTargets.h"
#include "data/WorkingCopy.h"
#include "data/sample/SampleCompany.h"
#include "monthly/rules/MonthlyAggregation.h"
#include "platform/db/Connection.h"

namespace vantir {
namespace {

constexpr int kPartners = 2000;
const QString kClosingDay = QStringLiteral("99");
const QString kMonth = QStringLiteral("26/11");

// One program directory per slip count, made once: the sample company in the main
// database and a working copy of it, as after a start.
struct Company {
    QTemporaryDir dir;
    QString main() const { return DatabaseFiles::mainDatabase(dir.path()); }
    QString work() const { return DatabaseFiles::workingCopy(dir.path()); }
};

Company& company(int slips) {
    static std::map<int, std::unique_ptr<Company>> made;
    auto& slot = made[slips];
    if (!slot) {
        slot = std::make_unique<Company>();
        QDir().mkpath(QFileInfo(slot->main()).path());
        const Result created = SampleCompany::createFile(
            slot->main(), {.partners = kPartners, .slips = slips, .months = 12, .seed = 1});
        if (!created) std::abort();
        QFile::copy(slot->main(), slot->work());
    }
    return *slot;
}

void BM_MonthlyRun(benchmark::State& state) {
    Company& c = company(int(state.range(0)));
    AppState appState;
    HookTargets targets;
    DataModule1 dm1(c.dir.path(), appState, targets);
    DataModule2 dm2(c.dir.path(), appState, targets);
    MonthlyAggregation aggregation(dm1, dm2, [](const QString&) {});
    for (auto _ : state) {
        const Result result = aggregation.run(kClosingDay, kMonth, false);
        if (!result) state.SkipWithError(result.message.toStdString().c_str());
    }
    state.counters["slips"] = double(state.range(0));
}

// The part of the run that does not grow with the month's slips: the working copy taken
// anew from the main database.
void BM_WorkingCopyRefresh(benchmark::State& state) {
    Company& c = company(int(state.range(0)));
    AppState appState;
    HookTargets targets;
    DataModule1 dm1(c.dir.path(), appState, targets);
    DataModule2 dm2(c.dir.path(), appState, targets);
    for (auto _ : state) {
        const Result result = WorkingCopy::refresh(dm1, dm2);
        if (!result) state.SkipWithError(result.message.toStdString().c_str());
    }
    state.counters["MB"] = double(QFileInfo(c.main()).size()) / 1e6;
}

// The reference on a copy of the company, each statement written at once as it always
// was, with the disk's flush per statement turned off (it would only add waiting).
void BM_LiteralMonthlyRun(benchmark::State& state) {
    Company& c = company(int(state.range(0)));
    QTemporaryDir copy;
    const QString main = copy.filePath(QStringLiteral("main.mdb"));
    const QString work = copy.filePath(QStringLiteral("work.mdb"));
    QFile::copy(c.main(), main);
    QFile::copy(c.main(), work);
    Connection mainDb, workDb;
    mainDb.open(main, false);
    workDb.open(work, false);
    for (Connection* connection : {&mainDb, &workDb})
        connection->execute(QStringLiteral("PRAGMA synchronous = OFF"));
    for (auto _ : state) test::LiteralMonthlyRun(mainDb, workDb).run(kClosingDay, kMonth);
    state.counters["slips"] = double(state.range(0));
}

}  // namespace
}  // namespace vantir

BENCHMARK(vantir::BM_MonthlyRun)->Arg(60'000)->Arg(600'000)->Unit(benchmark::kMillisecond);
BENCHMARK(vantir::BM_WorkingCopyRefresh)
    ->Arg(60'000)
    ->Arg(600'000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(vantir::BM_LiteralMonthlyRun)
    ->Arg(60'000)
    ->Arg(600'000)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    setenv("VANTIR_TODAY", "2026-12-09", 1);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
