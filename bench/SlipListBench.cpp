// The dispatch check list of a day of 10,000 slips (about 300 pages), from the database to
// a PDF and to the text dump of its pages, as `vantir-cli print QR_Vantir` writes them.
// Run one benchmark at a time under /usr/bin/time -v to see the peak memory, e.g.
//   /usr/bin/time -v bench/SlipListBench --benchmark_filter=Pdf/10000

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QTemporaryDir>
#include <map>
#include <memory>

#include "common/printing/PrintRunner.h"
#include "common/printing/PrintoutRegistry.h"
#include "data/AppState.h"
#include "data/DataModule1.h"
#include "data/DataModule2.h"
#include "data/DatabaseFiles.h"
#include "data/FreshDatabase.h"
#include "data/HookTargets.h"
#include "platform/db/Connection.h"
#include "platform/db/Statement.h"
#include "platform/db/TransactionGuard.h"
#include "slips/rules/SlipPrintouts.h"

namespace vantir {
namespace {

const QString kDay = QStringLiteral("26/12/09");

// A day of slips as a busy office keys them: names and places of full length, amounts of
// every size, a note on most.
void fillDay(Connection& connection, int slips) {
    TransactionGuard guard(connection);
    Statement insert = connection.prepare(QStringLiteral(
        "INSERT INTO HITRAN1 (HYMD, THYMD, CODE, SEKBN, DDAY, KCODE, KNAME, HATTI, THTTI, TON, "
        "UKING, UHIYO, YCODE, YNAME, SHBAN, SKING, SHIYO, BIKO) VALUES (?, ?, ?, '0', ?, ?, ?, "
        "?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    for (int i = 0; i < slips; ++i) {
        const qint64 uking = 10000 + (i % 97) * 1370;
        const QVariantList row = {
            kDay,
            kDay,
            QString::number(i + 1),
            kDay,
            QStringLiteral("%1").arg(i % 2000, 6, 10, QLatin1Char('0')),
            QStringLiteral("入江運送株式会社%1").arg(i % 2000),
            QStringLiteral("西宮市鳴尾浜%1").arg(i % 50),
            QStringLiteral("ﾖｺﾊﾏ港第%1埠頭").arg(i % 9),
            QString::number(4 + i % 20),
            uking,
            i % 7 == 0 ? 1500 : 0,
            QStringLiteral("%1").arg(i % 300, 6, 10, QLatin1Char('0')),
            QStringLiteral("北星物流%1").arg(i % 300),
            QString::number(1000 + i % 9000),
            uking * 8 / 10,
            i % 11 == 0 ? 800 : 0,
            i % 3 == 0 ? QVariant() : QVariant(QStringLiteral("No  %1 時間指定").arg(i))};
        for (int c = 0; c < row.size(); ++c) insert.bind(c + 1, row[c]);
        insert.step();
        insert.reset();
    }
    guard.commit();
}

// A program directory whose main database holds one day of the given number of slips.
struct DayProgramDir {
    QTemporaryDir dir;
    explicit DayProgramDir(int slips) {
        const QString path = DatabaseFiles::mainDatabase(dir.path());
        FreshDatabase::createFile(path);
        Connection connection;
        connection.open(path, /*create=*/false);
        fillDay(connection, slips);
    }
};

const DayProgramDir& dayProgramDir(int slips) {
    static std::map<int, std::unique_ptr<DayProgramDir>> made;
    auto& dir = made[slips];
    if (!dir) dir = std::make_unique<DayProgramDir>(slips);
    return *dir;
}

// The printouts over that directory, its database connected, so that the figures leave
// out opening the file.
struct Printing {
    explicit Printing(int slips) : programDir(dayProgramDir(slips).dir.path()) {
        registerSlipPrintouts(registry);
        dm1.database().connection();
        selection.date = kDay;
        selection.kind = QStringLiteral("配車日");
    }
    QString programDir;
    AppState state;
    HookTargets targets;
    DataModule1 dm1{programDir, state, targets};
    DataModule2 dm2{programDir, state, targets};
    PrintoutRegistry registry;
    PrintRunner runner{registry, {dm1, dm2}};
    PrintSelection selection;
    QTemporaryDir out;
};

void labelPages(benchmark::State& state, Printing& printing) {
    const PageModel model = printing.runner.layOut(QStringLiteral("QR_Vantir"), printing.selection);
    state.SetLabel(std::to_string(model.pages.size()) + " pages");
}

void BM_CheckListPdf(benchmark::State& state) {
    Printing printing(int(state.range(0)));
    labelPages(state, printing);
    const QString path = printing.out.filePath(QStringLiteral("list.pdf"));
    for (auto _ : state)
        printing.runner.writePdf(QStringLiteral("QR_Vantir"), printing.selection, path);
}

void BM_CheckListText(benchmark::State& state) {
    Printing printing(int(state.range(0)));
    labelPages(state, printing);
    const QString path = printing.out.filePath(QStringLiteral("list.txt"));
    for (auto _ : state)
        printing.runner.writeText(QStringLiteral("QR_Vantir"), printing.selection, path);
}

// The page model alone, for the memory the layout itself takes.
void BM_CheckListLayout(benchmark::State& state) {
    Printing printing(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(
            printing.runner.layOut(QStringLiteral("QR_Vantir"), printing.selection));
}

BENCHMARK(BM_CheckListPdf)->Arg(10'000)->Arg(20'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CheckListText)->Arg(10'000)->Arg(20'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CheckListLayout)->Arg(10'000)->Arg(20'000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vantir

// PDFs are written with the fonts of a GUI application; no display is needed.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
