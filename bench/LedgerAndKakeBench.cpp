// The ledger reports and the receivable and payable reports on a sample company of 2,000
// partners and 600,000 slips a year, November aggregated (closing day 99): each report's
// extract into the work tables of the working copy and its list query, and the monthly
// sales ledger of the whole code range (about 50,000 lines) from its list query to a PDF.
// The working-copy refresh every print begins with is left out: it is the same for all.
//
// Run: VANTIR_TODAY is fixed at 2026-12-09 so that the company is the same on every day.

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdlib>
#include <memory>

#include "common/printing/PrintSelection.h"
#include "data/AppState.h"
#include "data/DataModule1.h"
#include "data/DataModule2.h"
#include "data/DatabaseFiles.h"
#include "data/HookTargets.h"
#include "data/sample/SampleCompany.h"
#include "monthly/rules/KakeReportExtract.h"
#include "monthly/rules/LedgerLayout.h"
#include "monthly/rules/LedgerReportExtract.h"
#include "monthly/rules/MonthlyAggregation.h"
#include "monthly/rules/MonthlyReportRun.h"
#include "monthly/rules/MonthlyWorkTables.h"
#include "platform/dataset/Dataset.h"
#include "platform/report/DatasetCursor.h"
#include "platform/report/ReportLayout.h"
#include "platform/report/ReportPdf.h"

namespace vantir {
namespace {

const QString kClosingDay = QStringLiteral("99");
const QString kMonth = QStringLiteral("26/11");

// The company, made once, with November aggregated so that the aggregate rows and the
// stored ledgers the reports join are there.
struct Company {
    QTemporaryDir dir;
    AppState state;
    HookTargets targets;
    std::unique_ptr<DataModule1> dm1;
    std::unique_ptr<DataModule2> dm2;

    Company() {
        const QString main = DatabaseFiles::mainDatabase(dir.path());
        QDir().mkpath(QFileInfo(main).path());
        if (!SampleCompany::createFile(
                main, {.partners = 2000, .slips = 600'000, .months = 12, .seed = 1}))
            std::abort();
        QFile::copy(main, DatabaseFiles::workingCopy(dir.path()));
        dm1 = std::make_unique<DataModule1>(dir.path(), state, targets);
        dm2 = std::make_unique<DataModule2>(dir.path(), state, targets);
        if (!MonthlyAggregation(*dm1, *dm2, [](const QString&) {}).run(kClosingDay, kMonth, false))
            std::abort();
    }

    MonthlyReportRun run(const QString& choice) {
        auto values = MonthlyRunValues::read(kClosingDay, kMonth, dm1->database().connection(),
                                             dm2->database().connection());
        if (!values) std::abort();
        MonthlyReportRun run;
        run.values = *values.value;
        run.from = QStringLiteral("0");
        run.to = QStringLiteral("999999");
        run.choice = choice;
        return run;
    }
};

Company& company() {
    static Company made;
    return made;
}

void BM_LedgerExtract(benchmark::State& state, const char* name, const char* choice) {
    Company& c = company();
    const LedgerReport& report = *LedgerReport::find(QString::fromLatin1(name));
    const MonthlyReportRun run = c.run(QString::fromLatin1(choice));
    MonthlyWorkTables tables(*c.dm2);
    for (auto _ : state)
        state.counters["lines"] = extractLedgerReport(tables, report, run).recordCount();
}

void BM_KakeExtract(benchmark::State& state, const char* name, const char* choice) {
    Company& c = company();
    const KakeReport& report = *KakeReport::find(QString::fromLatin1(name));
    const MonthlyReportRun run = c.run(QString::fromLatin1(choice));
    MonthlyWorkTables tables(*c.dm2);
    for (auto _ : state)
        state.counters["lines"] = extractKakeReport(tables, *report.side, run).recordCount();
}

// The sales ledger of November from its list query to the page model and on into a PDF.
void BM_MonthlySalesLedgerPdf(benchmark::State& state) {
    Company& c = company();
    const LedgerReport& report = *LedgerReport::find(QStringLiteral("QR_UriBKM"));
    MonthlyWorkTables tables(*c.dm2);
    const Dataset& rows = extractLedgerReport(tables, report, c.run(QStringLiteral("0")));
    const LedgerHeadings headings{QStringLiteral("26/11月分"), QStringLiteral("本社"),
                                  QStringLiteral("日付範囲 26/11/01 ～ 26/11/30"),
                                  QStringLiteral("末締")};
    QTemporaryDir out;
    const QString path = out.filePath(QStringLiteral("ledger.pdf"));
    for (auto _ : state) {
        DatasetCursor cursor(rows);
        const PageModel model = ReportLayout::run(
            ledgerLayout(report, PageSetup::a4(PageOrientation::Portrait, PageMargins::all(10)),
                         headings),
            cursor);
        ReportPdf::write(model, path);
        state.counters["pages"] = double(model.pages.size());
    }
    state.counters["lines"] = rows.recordCount();
}

BENCHMARK_CAPTURE(BM_LedgerExtract, QR_UriBKM, "QR_UriBKM", "0")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LedgerExtract, QR_UriBK, "QR_UriBK", "0")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LedgerExtract, QR_UriBKS, "QR_UriBKS", "2")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LedgerExtract, QR_SirBKM, "QR_SirBKM", "0")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LedgerExtract, QR_SirBK, "QR_SirBK", "0")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LedgerExtract, QR_SirBKS, "QR_SirBKS", "2")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_KakeExtract, QR_KakeUri, "QR_KakeUri", "")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_KakeExtract, QR_ChkUri, "QR_ChkUri", "")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_KakeExtract, QR_KakeSir, "QR_KakeSir", "1")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_KakeExtract, QR_ChkSir, "QR_ChkSir", "2")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MonthlySalesLedgerPdf)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
}  // namespace vantir

// PDFs are written with the fonts of a GUI application; no display is needed.
int main(int argc, char** argv) {
    setenv("VANTIR_TODAY", "2026-12-09", 1);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
