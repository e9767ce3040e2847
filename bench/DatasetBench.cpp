// Opening a slip table of a million rows, moving to its last row and narrowing it to one
// day, as the slip screens do on a company's whole history, on a sample company.

#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>

#include "data/sample/SampleCompany.h"
#include "platform/dataset/TableDataset.h"
#include "platform/db/Connection.h"
#include "platform/db/Database.h"
#include "platform/db/SqlQuote.h"
#include "platform/db/Statement.h"

namespace vantir {
namespace {

// About three and a half years of a sample company's slips, some 900 a working day; a
// million less one, as slip numbers have six digits.
constexpr int kSlips = 999'999;
constexpr int kMonths = 42;

struct SlipFile {
    QTemporaryDir dir;
    QString path;
    QStringList days;  // every dispatch date in the file, "yy/mm/dd"
};

const SlipFile& slipFile() {
    static const std::unique_ptr<SlipFile> file = [] {
        auto made = std::make_unique<SlipFile>();
        made->path = made->dir.filePath(QStringLiteral("VANTIR.mdb"));
        QElapsedTimer timer;
        timer.start();
        SampleCompanyOptions options;
        options.partners = 2300;
        options.slips = kSlips;
        options.months = kMonths;
        const Result created = SampleCompany::createFile(made->path, options);
        if (!created) qFatal("%s", qPrintable(created.message));
        std::fprintf(stderr, "a sample company with %d slips written in %.1f s\n", kSlips,
                     double(timer.elapsed()) / 1000.0);
        Connection connection;
        connection.open(made->path, /*create=*/false);
        // The day filters are measured first without the indexes a fresh database has.
        connection.execute(QStringLiteral("DROP INDEX HITRAN1_HYMD"));
        connection.execute(QStringLiteral("DROP INDEX HITRAN1_DDAY"));
        Statement days = connection.prepare(QStringLiteral("SELECT DISTINCT HYMD FROM HITRAN1"));
        while (days.step()) made->days << days.value(0).toString();
        return made;
    }();
    return *file;
}

// A connected data source, so that the figures leave out opening the file.
struct Connected {
    Database database{QStringLiteral("VANTIR"), slipFile().path};
    Connected() { database.connection(); }
};

// Opening reads the ordered row ids; moving to the last row then reads one block of rows.
void BM_OpenTable(benchmark::State& state, const char* index, bool moveLast) {
    Connected source;
    for (auto _ : state) {
        TableDataset slips(source.database, QStringLiteral("HITRAN1"), QStringLiteral("HITRAN1"),
                           QString::fromLatin1(index));
        slips.open();
        if (moveLast) slips.last();
        benchmark::DoNotOptimize(slips.text(QStringLiteral("CODE")));
    }
}

QString oneDay(int iteration) {
    const QStringList& days = slipFile().days;
    return QStringLiteral("HYMD = ") + sqlQuote(days[(iteration * 37) % days.size()]);
}

// A filter already in force replaced by another day's.
void BM_OneDayFilter(benchmark::State& state) {
    Connected source;
    TableDataset slips(source.database, QStringLiteral("HITRAN1"), QStringLiteral("HITRAN1"));
    slips.setFilter(oneDay(0));
    slips.setFiltered(true);
    slips.open();
    int iteration = 0;
    for (auto _ : state) {
        slips.setFilter(oneDay(++iteration));
        benchmark::DoNotOptimize(slips.text(QStringLiteral("KCODE")));
    }
    state.counters["rows"] = slips.recordCount();
}

// The slip entry's change of the set date: clear and switch off, set, switch on.
void BM_SlipScreenDayChange(benchmark::State& state) {
    Connected source;
    TableDataset slips(source.database, QStringLiteral("HITRAN1"), QStringLiteral("HITRAN1"));
    slips.open();
    int iteration = 0;
    for (auto _ : state) {
        slips.setFilter(QString());
        slips.setFiltered(false);
        slips.setFilter(oneDay(++iteration));
        slips.setFiltered(true);
        benchmark::DoNotOptimize(slips.text(QStringLiteral("KCODE")));
    }
}

// The same with the index on HYMD a fresh database has, which the engine then uses to
// find the day's rows. Runs last: the index stays in the file.
void BM_OneDayFilterWithHymdIndex(benchmark::State& state) {
    {
        Connected source;
        source.database.connection().execute(
            QStringLiteral("CREATE INDEX IF NOT EXISTS HITRAN1_HYMD ON HITRAN1 (HYMD)"));
    }
    BM_OneDayFilter(state);
}

BENCHMARK_CAPTURE(BM_OpenTable, stored_order, "", false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenTable, by_HYMD_CODE, "HYMD;CODE", false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenTable, stored_order_then_last, "", true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenTable, by_HYMD_CODE_then_last, "HYMD;CODE", true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OneDayFilter)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SlipScreenDayChange)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OneDayFilterWithHymdIndex)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vantir

BENCHMARK_MAIN();
