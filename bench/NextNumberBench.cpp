// Proposing the next slip number on a slip table of a million rows, as the slip entry does
// each time the cursor enters the number field: from the number indexes, and by reading
// every stored number as the reference rule does.

#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>

#include "common/rules/NextNumber.h"
#include "common/rules/NextNumberReference.h"
#include "data/AppState.h"
#include "data/DataModule1.h"
#include "data/DatabaseFiles.h"
#include "data/FreshDatabase.h"
#include "data/HookTargets.h"
#include "platform/db/Connection.h"
#include "platform/db/Statement.h"
#include "platform/db/TransactionGuard.h"

namespace vantir {
namespace {

constexpr int kSlips = 1'000'000;

// Every number from 1 up, so that "999999" sorts after "1000000" as text, with the odd
// ones a company's history holds among them: numbers keyed with a full-width space, with
// spaces or leading zeros, and slips appended without a number.
QVariant storedNumber(int i) {
    const QString number = QString::number(i + 1);
    switch (i % 50'000) {
        case 7:
            return QString(QStringLiteral("　") + number.left(4));
        case 11:
            return QString(QLatin1Char(' ') + number);
        case 13:
            return QString(QStringLiteral("00") + number.left(4));
        case 17:
            return QVariant();
        default:
            return number;
    }
}

void fillSlips(Connection& connection) {
    TransactionGuard guard(connection);
    Statement insert = connection.prepare(QStringLiteral(
        "INSERT INTO HITRAN1 (HYMD, THYMD, CODE, SEKBN, DDAY, KCODE, KNAME, UKING, YCODE, "
        "YNAME, YKING, SKING, TANCOD, TANMEI) VALUES (?, ?, ?, '0', ?, ?, ?, ?, ?, ?, ?, ?, "
        "'01', '山田')"));
    for (int i = 0; i < kSlips; ++i) {
        const QString day = QStringLiteral("%1/%2/%3")
                                .arg(3 + i / 300'000, 2, 10, QLatin1Char('0'))
                                .arg(1 + i / 25'000 % 12, 2, 10, QLatin1Char('0'))
                                .arg(1 + i / 900 % 28, 2, 10, QLatin1Char('0'));
        const qint64 uking = 10000 + (i % 97) * 1000;
        const QVariantList row = {day,
                                  day,
                                  storedNumber(i),
                                  day,
                                  QStringLiteral("%1").arg(i % 2000, 6, 10, QLatin1Char('0')),
                                  QStringLiteral("得意先%1").arg(i % 2000),
                                  uking,
                                  QStringLiteral("%1").arg(i % 300, 6, 10, QLatin1Char('0')),
                                  QStringLiteral("傭車先%1").arg(i % 300),
                                  uking * 8 / 10,
                                  uking * 8 / 10};
        for (int c = 0; c < row.size(); ++c) insert.bind(c + 1, row[c]);
        insert.step();
        insert.reset();
    }
    guard.commit();
}

// A program directory whose main database is a fresh one (with its number indexes)
// holding the million slips.
struct SlipProgramDir {
    QTemporaryDir dir;
    SlipProgramDir() {
        QElapsedTimer timer;
        timer.start();
        const QString path = DatabaseFiles::mainDatabase(dir.path());
        FreshDatabase::createFile(path);
        Connection connection;
        connection.open(path, /*create=*/false);
        fillSlips(connection);
        connection.close();
        std::fprintf(stderr, "HITRAN1 of %d slips written in %.1f s\n", kSlips,
                     double(timer.elapsed()) / 1000.0);
    }
};

const SlipProgramDir& slipProgramDir() {
    static const std::unique_ptr<SlipProgramDir> made = std::make_unique<SlipProgramDir>();
    return *made;
}

// The main data module over that directory, connected, so that the figures leave out
// opening the file.
struct Module {
    AppState state;
    HookTargets targets;
    DataModule1 data{slipProgramDir().dir.path(), state, targets};
    Module() { data.database().connection(); }
};

void checkSameAnswer(benchmark::State& state, Module& module) {
    const NumberProposal fast = NextNumber(module.data, NextNumber::kSlips).proposal();
    const NumberProposal literal = literalNextNumber(module.data, NextNumber::kSlips);
    if (!(fast == literal) || !fast.ok()) {
        state.SkipWithError("the rule and the reference disagree");
        return;
    }
    state.SetLabel("next " + fast.number.toStdString());
}

void BM_NextNumber(benchmark::State& state) {
    Module module;
    checkSameAnswer(state, module);
    const NextNumber numbering(module.data, NextNumber::kSlips);
    for (auto _ : state) benchmark::DoNotOptimize(numbering.proposal());
}

void BM_LiteralNextNumber(benchmark::State& state) {
    Module module;
    for (auto _ : state) {
        benchmark::DoNotOptimize(literalNextNumber(module.data, NextNumber::kSlips));
    }
}

BENCHMARK(BM_NextNumber)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LiteralNextNumber)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vantir

BENCHMARK_MAIN();
