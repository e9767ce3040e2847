// The slip entry's rules on a year of slips: a million slips over 365 days, 10,000
// partners and 100 staff members. Each figure is one step the clerk's Enter key runs:
// leaving the day box (the slips narrowed to the set date), entering the number, leaving
// the billing kind, the partner and staff codes (zero-fill and name lookup), the costs
// (carrier total), and registering the slip. Beside them the old way of changing the
// day's filter, cleared and switched off first, which reads every row id in between.

#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>

#include "data/AppState.h"
#include "data/DataModule1.h"
#include "data/DatabaseFiles.h"
#include "data/FreshDatabase.h"
#include "data/HookTargets.h"
#include "platform/dataset/TableDataset.h"
#include "platform/db/Connection.h"
#include "platform/db/Statement.h"
#include "platform/db/TransactionGuard.h"
#include "platform/system/Messages.h"
#include "slips/rules/SlipEntryRules.h"

namespace vantir {
namespace {

constexpr int kSlips = 1'000'000;
constexpr int kPartners = 10'000;
constexpr int kDays = 365;

QString dayOf(int day) {
    return QStringLiteral("03/%1/%2")
        .arg(1 + day / 31 % 12, 2, 10, QLatin1Char('0'))
        .arg(1 + day % 31, 2, 10, QLatin1Char('0'));
}

QString code(int i) { return QStringLiteral("%1").arg(i, 6, 10, QLatin1Char('0')); }

void fill(Connection& connection) {
    TransactionGuard guard(connection);
    Statement partner = connection.prepare(
        QStringLiteral("INSERT INTO HIMAS3 (KY_KBN, KCODE, YCODE, KNAME) VALUES ('0', ?, ?, ?)"));
    for (int i = 1; i <= kPartners; ++i) {
        partner.bind(1, code(i));
        partner.bind(2, code(i));
        partner.bind(3, QStringLiteral("取引先%1").arg(i));
        partner.step();
        partner.reset();
    }
    Statement staff =
        connection.prepare(QStringLiteral("INSERT INTO HIMAS2 (TANCOD, TANMEI) VALUES (?, ?)"));
    for (int i = 0; i < 100; ++i) {
        staff.bind(1, QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0')));
        staff.bind(2, QStringLiteral("担当%1").arg(i));
        staff.step();
        staff.reset();
    }
    Statement slip = connection.prepare(QStringLiteral(
        "INSERT INTO HITRAN1 (HYMD, THYMD, CODE, SEKBN, DDAY, KCODE, KNAME, HATTI, THTTI, TON, "
        "UKING, YCODE, YNAME, YKING, SKING, TANCOD, TANMEI, BIKO) VALUES (?, ?, ?, '0', ?, ?, "
        "'取引先', '東京', '大阪', '10', 50000, ?, '傭車先', 40000, 40000, '01', '担当1', "
        "'定期')"));
    for (int i = 0; i < kSlips; ++i) {
        const QString day = dayOf(i % kDays);
        // CODE holds six digits: the numbers stop short of 999999 so that a next one fits.
        const QVariantList row{day,
                               day,
                               QString::number(1 + i % 999'000),
                               day,
                               code(1 + i % kPartners),
                               code(1 + (i * 7) % kPartners)};
        for (int c = 0; c < row.size(); ++c) slip.bind(c + 1, row[c]);
        slip.step();
        slip.reset();
    }
    guard.commit();
}

struct ProgramDir {
    QTemporaryDir dir;
    ProgramDir() {
        QElapsedTimer timer;
        timer.start();
        const QString path = DatabaseFiles::mainDatabase(dir.path());
        FreshDatabase::createFile(path);
        Connection connection;
        connection.open(path, /*create=*/false);
        fill(connection);
        connection.close();
        std::fprintf(stderr, "%d slips and %d partners written in %.1f s\n", kSlips, kPartners,
                     double(timer.elapsed()) / 1000.0);
    }
};

const ProgramDir& programDir() {
    static const std::unique_ptr<ProgramDir> made = std::make_unique<ProgramDir>();
    return *made;
}

// No question comes up on these paths; one that did would be answered No.
class SilentMessages : public Messages {
  public:
    void notice(const QString&) override {}
    bool question(const QString&, const QString&) override { return false; }
    void error(const QString&) override {}
};

// The entry as the clerk has it: opened on all slips, the day box left once, a slip
// appended on the set date with its remembered fields registered once before.
struct Entry {
    AppState state;
    HookTargets targets;
    SilentMessages messages;
    DataModule1 data{programDir().dir.path(), state, targets};
    SlipEntryRules rules{data, targets, state, messages};

    Entry() {
        state.EditPName = SlipEntryRules::kModeName;
        rules.open();
        rules.dayLeft({"03", "06", "15"});
    }
    SlipRules& slip() { return rules.slip(); }
    Dataset& slips() { return rules.slips(); }
    void append() {
        slip().appendSlip();
        slip().dateEntered(QStringLiteral("HYMD"));
        slip().dateEntered(QStringLiteral("THYMD"));
    }
};

void BM_DayLeft(benchmark::State& state) {
    Entry entry;
    int day = 0;
    for (auto _ : state) {
        entry.rules.dayLeft(
            {"03", "05", QStringLiteral("%1").arg(1 + day++ % 28, 2, 10, QLatin1Char('0'))});
    }
    state.SetLabel(std::to_string(entry.slips().recordCount()) + " slips of the day");
}

// The day's filter as it used to change: cleared and switched off, then set and on.
void BM_DayFilterClearedFirst(benchmark::State& state) {
    Entry entry;
    int day = 0;
    for (auto _ : state) {
        Dataset& slips = entry.slips();
        slips.setFilter(QString());
        slips.setFiltered(false);
        slips.setFilter(
            QStringLiteral("HYMD = '03/05/%1'").arg(1 + day++ % 28, 2, 10, QLatin1Char('0')));
        slips.setFiltered(true);
    }
}

void BM_CodeEntered(benchmark::State& state) {
    Entry entry;
    entry.append();
    Result numbered;
    for (auto _ : state) {
        entry.slips().clear(QStringLiteral("CODE"));
        numbered = entry.slip().codeEntered();
    }
    state.SetLabel(numbered ? "next " + entry.slips().text(QStringLiteral("CODE")).toStdString()
                            : numbered.message.toStdString());
}

void BM_BillingKindLeft(benchmark::State& state) {
    Entry entry;
    entry.append();
    for (auto _ : state) {
        entry.slips().clear(QStringLiteral("SEKBN"));
        benchmark::DoNotOptimize(entry.slip().billingKindLeft());
    }
}

// Leaving a partner or staff code: the typed code filled and its name looked up.
template <typename Left>
void codeLeft(benchmark::State& state, const char* column, Left left) {
    Entry entry;
    entry.append();
    int i = 0;
    for (auto _ : state) {
        entry.slips().setValue(QString::fromLatin1(column), QString::number(1 + i++ % 9999));
        benchmark::DoNotOptimize(left(entry.slip()));
    }
}

void BM_CustomerCodeLeft(benchmark::State& state) {
    codeLeft(state, "KCODE", [](SlipRules& slip) { return slip.customerCodeLeft(); });
}
void BM_CarrierCodeLeft(benchmark::State& state) {
    codeLeft(state, "YCODE", [](SlipRules& slip) { return slip.carrierCodeLeft(); });
}

void BM_StaffCodeLeft(benchmark::State& state) {
    Entry entry;
    entry.append();
    int i = 0;
    for (auto _ : state) {
        // Setting the code looks the name up too, as every change of it does.
        entry.slips().setValue(QStringLiteral("TANCOD"),
                               QStringLiteral("%1").arg(i++ % 100, 2, 10, QLatin1Char('0')));
        benchmark::DoNotOptimize(entry.slip().staffCodeLeft());
    }
}

void BM_PurchaseCostLeft(benchmark::State& state) {
    Entry entry;
    entry.append();
    entry.slips().setValue(QStringLiteral("YKING"), qint64(30000));
    for (auto _ : state) {
        entry.slips().clear(QStringLiteral("SHIYO"));
        entry.slips().clear(QStringLiteral("SKING"));
        benchmark::DoNotOptimize(entry.slip().purchaseCostLeft());
    }
}

// F1 on a filled slip, then F3 for the next: the post and the day's rows read again.
void BM_RegisterAndAppend(benchmark::State& state) {
    Entry entry;
    for (auto _ : state) {
        state.PauseTiming();
        entry.append();
        for (const char* column : {"KCODE", "HATTI", "THTTI", "TON", "YCODE", "TANCOD", "BIKO"})
            entry.slips().setValue(QString::fromLatin1(column), QStringLiteral("1"));
        state.ResumeTiming();
        benchmark::DoNotOptimize(entry.slip().registerSlip());
    }
}

BENCHMARK(BM_DayLeft)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DayFilterClearedFirst)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CodeEntered)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BillingKindLeft)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CustomerCodeLeft)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CarrierCodeLeft)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StaffCodeLeft)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PurchaseCostLeft)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RegisterAndAppend)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vantir

BENCHMARK_MAIN();
