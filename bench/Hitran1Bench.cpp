// The dispatch slip table at the size of many years of a busy office: HITRAN1 with a
// million slips, opened through DataModule1 as the slip screens open it, moved to its
// last row, and narrowed to one day as the slip entry does when the working date is set.

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDate>
#include <QTemporaryDir>
#include <cstdio>

#include "data/AppState.h"
#include "data/DataModule1.h"
#include "data/DatabaseFiles.h"
#include "data/FreshDatabase.h"
#include "data/HookTargets.h"
#include "platform/dataset/TableDataset.h"
#include "platform/dates/DateText.h"
#include "platform/db/Connection.h"
#include "platform/db/Statement.h"
#include "platform/db/TransactionGuard.h"

namespace vantir {
namespace {

constexpr int kSlips = 1'000'000;
constexpr int kSlipsPerDay = 400;  // about seven years of working days
const QDate kFirstDay(2020, 4, 1);

// Slips numbered 1..count, kSlipsPerDay to a day, for ten customers and carriers.
void seedDispatchSlips(Connection& connection, int count) {
    TransactionGuard guard(connection);
    Statement insert = connection.prepare(QStringLiteral(
        "INSERT INTO HITRAN1 (HYMD,THYMD,CODE,SEKBN,DDAY,KCODE,KNAME,HATTI,THTTI,TON,UKING,"
        "YCODE,YNAME,SHBAN,YKING,SKING,UHIYO,SHIYO,TANCOD,TANMEI,INKING,INSKING) VALUES "
        "(:DAY,:DAY,:CODE,'0',:DAY,:KCODE,:KNAME,'東京','大阪','10',:UKING,:YCODE,:YNAME,"
        "'1234',:YKING,:YKING,0,0,'01','山田',0,0)"));
    for (int slip = 1; slip <= count; ++slip) {
        const int partner = slip % 10 + 1;
        insert.bind(QStringLiteral("DAY"),
                    formatYyMmDd(kFirstDay.addDays((slip - 1) / kSlipsPerDay)));
        insert.bind(QStringLiteral("CODE"), QString::number(slip));
        insert.bind(QStringLiteral("KCODE"),
                    QStringLiteral("%1").arg(partner, 6, 10, QLatin1Char('0')));
        insert.bind(QStringLiteral("KNAME"), QStringLiteral("得意先%1").arg(partner));
        insert.bind(QStringLiteral("UKING"), qint64(30000 + slip % 7 * 1000));
        insert.bind(QStringLiteral("YCODE"),
                    QStringLiteral("%1").arg(partner + 100, 6, 10, QLatin1Char('0')));
        insert.bind(QStringLiteral("YNAME"), QStringLiteral("傭車先%1").arg(partner));
        insert.bind(QStringLiteral("YKING"), qint64(25000 + slip % 5 * 1000));
        insert.step();
        insert.reset();
    }
    guard.commit();
}

// One program directory with the million slips, made once for every benchmark.
struct SlipDirectory {
    SlipDirectory() {
        const QString path = DatabaseFiles::mainDatabase(dir.path());
        if (!FreshDatabase::createFile(path)) std::abort();
        Connection connection;
        connection.open(path, /*create=*/false);
        seedDispatchSlips(connection, kSlips);
    }
    QTemporaryDir dir;
};

SlipDirectory& slipDirectory() {
    static SlipDirectory directory;
    return directory;
}

void BM_OpenHitran1AndMoveToLast(benchmark::State& state) {
    AppState appState;
    HookTargets targets;
    DataModule1 dm1(slipDirectory().dir.path(), appState, targets);
    Dataset& slips = dm1.view(QStringLiteral("HITRAN1"));
    for (auto _ : state) {
        slips.open();
        slips.last();
        benchmark::DoNotOptimize(slips.text(QStringLiteral("CODE")));
        slips.close();
    }
    state.counters["rows"] = kSlips;
}
BENCHMARK(BM_OpenHitran1AndMoveToLast)->Unit(benchmark::kMillisecond);

// The working date set on an open slip table: one filter text after another, as the
// entry screen does when the user moves from day to day.
void BM_Hitran1OneDayFilter(benchmark::State& state) {
    AppState appState;
    HookTargets targets;
    DataModule1 dm1(slipDirectory().dir.path(), appState, targets);
    Dataset& slips = dm1.view(QStringLiteral("HITRAN1"));
    slips.open();
    slips.setFilter(QStringLiteral("HYMD = '%1'").arg(formatYyMmDd(kFirstDay)));
    slips.setFiltered(true);
    int day = 0;
    for (auto _ : state) {
        day = (day + 1) % (kSlips / kSlipsPerDay);
        slips.setFilter(QStringLiteral("HYMD = '%1'").arg(formatYyMmDd(kFirstDay.addDays(day))));
        slips.first();
        if (slips.recordCount() != kSlipsPerDay) state.SkipWithError("wrong day's slips");
    }
}
BENCHMARK(BM_Hitran1OneDayFilter)->Unit(benchmark::kMillisecond);

// Switching the filter off again brings back the whole table.
void BM_Hitran1FilterOnAndOff(benchmark::State& state) {
    AppState appState;
    HookTargets targets;
    DataModule1 dm1(slipDirectory().dir.path(), appState, targets);
    Dataset& slips = dm1.view(QStringLiteral("HITRAN1"));
    slips.open();
    slips.setFilter(QStringLiteral("HYMD = '%1'").arg(formatYyMmDd(kFirstDay)));
    for (auto _ : state) {
        slips.setFiltered(true);
        slips.setFiltered(false);
        slips.last();
    }
}
BENCHMARK(BM_Hitran1FilterOnAndOff)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vantir

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    std::fprintf(stderr, "seeding %d dispatch slips...\n", vantir::kSlips);
    vantir::slipDirectory();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
