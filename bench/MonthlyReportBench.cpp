// The extracts of the month-based reports of the slips and the aggregates, each on its own,
// on a sample company of 2,000 partners with 600,000 slips a year: the copy of the month's
// rows into the work table, its tax rate, and the list query opened on it. The monthly
// aggregation has stored the months of the fiscal year up to November first, so that the
// yearly sheets have their aggregates. Each extract starts from a fresh working copy, as a
// print does, but the working copy is marked as switched so that the print's refresh of
// it (a snapshot of the whole main database, measured on its own as
// BM_WorkingCopyRefresh) is made outside the timing and stays out of the figures.
//
// Run: VANTIR_TODAY is fixed at 2026-12-09 so that the company is the same on every day.

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdlib>
#include <memory>
#include <string>

#include "common/printing/PrintError.h"
#include "common/printing/PrintoutRegistry.h"
#include "data/AppState.h"
#include "data/DataModule1.h"
#include "data/DataModule2.h"
#include "data/DatabaseFiles.h"
#include "data/HookTargets.h"
#include "data/WorkingCopy.h"
#include "data/sample/SampleCompany.h"
#include "monthly/rules/MonthlyAggregation.h"
#include "monthly/rules/MonthlyReportPrintouts.h"
#include "platform/dataset/Dataset.h"

namespace vantir {
namespace {

// The sample company with its fiscal year aggregated up to November, made once.
struct Company {
    QTemporaryDir dir;
    AppState appState;
    HookTargets targets;
    std::unique_ptr<DataModule1> dm1;
    std::unique_ptr<DataModule2> dm2;
    PrintoutRegistry registry;
};

Company& company() {
    static std::unique_ptr<Company> made;
    if (made) return *made;
    made = std::make_unique<Company>();
    const QString main = DatabaseFiles::mainDatabase(made->dir.path());
    QDir().mkpath(QFileInfo(main).path());
    const Result created = SampleCompany::createFile(
        main, {.partners = 2000, .slips = 600'000, .months = 12, .seed = 1});
    if (!created) std::abort();
    made->dm1 = std::make_unique<DataModule1>(made->dir.path(), made->appState, made->targets);
    made->dm2 = std::make_unique<DataModule2>(made->dir.path(), made->appState, made->targets);
    if (!WorkingCopy::refresh(*made->dm1, *made->dm2)) std::abort();
    MonthlyAggregation aggregation(*made->dm1, *made->dm2, [](const QString&) {});
    for (const char* month :
         {"26/04", "26/05", "26/06", "26/07", "26/08", "26/09", "26/10", "26/11"})
        if (!aggregation.run(QStringLiteral("99"), QLatin1String(month), false)) std::abort();
    made->appState.WorkingCopyIsArchive = true;
    registerMonthlyReportPrintouts(made->registry);
    return *made;
}

void BM_Extract(benchmark::State& state, const char* report) {
    Company& c = company();
    PrintSelection selection;
    selection.sime = QStringLiteral("99");
    selection.month = QStringLiteral("26/11");
    const Printout& printout = c.registry.find(QLatin1String(report));
    int rows = 0;
    for (auto _ : state) {
        // Every print extracts from a fresh snapshot of the books.
        state.PauseTiming();
        if (!WorkingCopy::refresh(*c.dm1, *c.dm2)) state.SkipWithError("refresh failed");
        state.ResumeTiming();
        try {
            rows = printout.query({*c.dm1, *c.dm2}, selection).recordCount();
        } catch (const PrintError& error) {
            state.SkipWithError(error.message().toStdString().c_str());
        }
    }
    state.counters["rows"] = rows;
}

void BM_WorkingCopyRefresh(benchmark::State& state) {
    Company& c = company();
    for (auto _ : state)
        if (!WorkingCopy::refresh(*c.dm1, *c.dm2)) state.SkipWithError("refresh failed");
}

}  // namespace
}  // namespace vantir

BENCHMARK(vantir::BM_WorkingCopyRefresh)->Iterations(3)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    setenv("VANTIR_TODAY", "2026-12-09", 1);
    for (const char* report : {"QR_TK_SM", "QR_YS_SM", "QR_IN_SM", "QR_INS_SM", "QR_Rieki",
                               "QR_Eki_Tan", "QR_Uri_Nen", "QR_Sir_Nen"})
        benchmark::RegisterBenchmark((std::string("BM_Extract/") + report).c_str(),
                                     vantir::BM_Extract, report)
            ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
