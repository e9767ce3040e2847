// Opening a slip table of a million rows, moving to its last row and narrowing it to one
// day, as the slip screens do on a company's whole history.

#include <benchmark/benchmark.h>

#include <QDate>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>

#include "platform/dataset/TableDataset.h"
#include "platform/db/Database.h"
#include "platform/db/SqlQuote.h"
#include "platform/db/Statement.h"
#include "platform/db/TransactionGuard.h"

namespace vantir {
namespace {

constexpr int kSlips = 1'000'000;
constexpr int kSlipsPerDay = 900;  // about three years of slips

// The slip layout: 29 columns as the table declares them.
const char* const kCreateHitran1 =
    "CREATE TABLE HITRAN1 (HYMD VARCHAR(8), THYMD VARCHAR(8), CODE VARCHAR(6), "
    "SEKBN VARCHAR(1), DDAY VARCHAR(8), KCODE VARCHAR(6), KNAME VARCHAR(30), "
    "HATTI VARCHAR(20), THTTI VARCHAR(20), TON VARCHAR(4), UKING INT, YCODE VARCHAR(6), "
    "YNAME VARCHAR(30), SHBAN VARCHAR(4), YKING INT, SKING INT, BIKO VARCHAR(20), "
    "UHIYO INT, SHIYO INT, TANCOD VARCHAR(2), TANMEI VARCHAR(20), INKING INT, "
    "INSKING INT, SUB1 VARCHAR(10), SUBM VARCHAR(20), CHKDAY VARCHAR(8), SHOZEI INT, "
    "ZKING INT, GKING INT)";

struct SlipFile {
    QTemporaryDir dir;
    QString path;
    QStringList days;  // every dispatch date in the file, "yy/mm/dd"
};

QString dayText(int day) {
    return QDate(2003, 4, 1).addDays(day).toString(QStringLiteral("yy/MM/dd"));
}

void fillSlips(Connection& connection) {
    TransactionGuard guard(connection);
    QStringList marks;
    for (int i = 0; i < 29; ++i) marks << QStringLiteral("?");
    Statement insert = connection.prepare(QStringLiteral("INSERT INTO HITRAN1 VALUES (") +
                                          marks.join(QLatin1Char(',')) + QLatin1Char(')'));
    for (int i = 0; i < kSlips; ++i) {
        const QString hymd = dayText(i / kSlipsPerDay);
        const QString thymd = dayText(i / kSlipsPerDay + i % 2);
        const bool byUnloading = i % 5 == 0;
        const qint64 uking = 10000 + (i % 97) * 1000;
        const qint64 yking = uking * 8 / 10;
        const QVariantList row = {hymd,
                                  thymd,
                                  QString::number(i + 1),
                                  byUnloading ? "1" : "0",
                                  byUnloading ? thymd : hymd,
                                  QStringLiteral("%1").arg(i % 2000, 6, 10, QLatin1Char('0')),
                                  QStringLiteral("得意先%1").arg(i % 2000),
                                  QStringLiteral("東京都江東区"),
                                  QStringLiteral("大阪府堺市"),
                                  QStringLiteral("10"),
                                  uking,
                                  QStringLiteral("%1").arg(i % 300, 6, 10, QLatin1Char('0')),
                                  QStringLiteral("傭車先%1").arg(i % 300),
                                  QString::number(1000 + i % 9000),
                                  yking,
                                  yking,
                                  QStringLiteral("鋼材"),
                                  qint64(0),
                                  qint64(0),
                                  QStringLiteral("01"),
                                  QStringLiteral("山田"),
                                  qint64(0),
                                  qint64(0),
                                  QVariant(),
                                  QVariant(),
                                  QVariant(),
                                  qint64(10),
                                  uking / 10,
                                  uking + uking / 10};
        for (int c = 0; c < row.size(); ++c) insert.bind(c + 1, row[c]);
        insert.step();
        insert.reset();
    }
    guard.commit();
}

const SlipFile& slipFile() {
    static const std::unique_ptr<SlipFile> file = [] {
        auto made = std::make_unique<SlipFile>();
        made->path = made->dir.filePath(QStringLiteral("VANTIR.mdb"));
        QElapsedTimer timer;
        timer.start();
        Connection connection;
        connection.open(made->path, /*create=*/true);
        connection.execute(QString::fromUtf8(kCreateHitran1));
        fillSlips(connection);
        connection.close();
        for (int day = 0; day <= (kSlips - 1) / kSlipsPerDay; ++day) made->days << dayText(day);
        std::fprintf(stderr, "HITRAN1 of %d rows written in %.1f s\n", kSlips,
                     double(timer.elapsed()) / 1000.0);
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

// The same with an index on HYMD, which the engine then uses to find the day's rows.
// Runs last: the index stays in the file.
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
