// Painting invoice lines with the customer's address looked up from the partner master,
// as the invoice grid and layouts do on every row: once the partners are read, a paint
// runs no statement; after a change of the database they are read once again.

#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include "data/AppState.h"
#include "data/DataModule1.h"
#include "data/DatabaseFiles.h"
#include "data/FreshDatabase.h"
#include "data/HookTargets.h"
#include "platform/dataset/Dataset.h"
#include "platform/db/Statement.h"
#include "platform/db/TransactionGuard.h"

namespace vantir {
namespace {

constexpr int kPartners = 5000;
constexpr int kInvoiceLines = 500;

struct InvoiceFile {
    QTemporaryDir dir;
    AppState state;
    HookTargets targets;
    std::unique_ptr<DataModule1> dm1;

    InvoiceFile() {
        FreshDatabase::createFile(DatabaseFiles::mainDatabase(dir.path()));
        dm1 = std::make_unique<DataModule1>(dir.path(), state, targets);
        Connection& connection = dm1->database().connection();
        TransactionGuard guard(connection);
        Statement partner =
            connection.prepare(QStringLiteral("INSERT INTO HIMAS3 (KCODE,KZIP,KADD1,KADD2) VALUES "
                                              "(?,'100-0001','東京都港区','ビル')"));
        for (int i = 0; i < kPartners; ++i) {
            partner.bind(1, QString::number(i).rightJustified(6, QLatin1Char('0')));
            partner.step();
            partner.reset();
        }
        Statement line =
            connection.prepare(QStringLiteral("INSERT INTO WK_SEIKYU (CODE,KCODE) VALUES (?,?)"));
        for (int i = 0; i < kInvoiceLines; ++i) {
            line.bind(1, QString::number(i + 1));
            line.bind(2, QString::number(i * 7 % kPartners).rightJustified(6, QLatin1Char('0')));
            line.step();
            line.reset();
        }
        guard.commit();
    }
};

void paint(const Dataset& lines, benchmark::State& state) {
    const int fields[] = {lines.fieldIndex(QStringLiteral("KZIP")),
                          lines.fieldIndex(QStringLiteral("KADD1")),
                          lines.fieldIndex(QStringLiteral("KADD2"))};
    for (int row = 0; row < lines.recordCount(); ++row) {
        for (const int field : fields) benchmark::DoNotOptimize(lines.valueAt(row, field));
    }
    state.SetItemsProcessed(state.items_processed() + lines.recordCount());
}

// Every paint after the first reads the addresses from memory.
void BM_PaintInvoiceLines(benchmark::State& state) {
    InvoiceFile file;
    Dataset& lines = file.dm1->view(QStringLiteral("WK_SEIKYU"));
    lines.open();
    for (auto _ : state) paint(lines, state);
}

// A change of the database before each paint: the partners are read once per paint.
void BM_PaintInvoiceLinesAfterAChange(benchmark::State& state) {
    InvoiceFile file;
    Dataset& lines = file.dm1->view(QStringLiteral("WK_SEIKYU"));
    lines.open();
    Connection& connection = file.dm1->database().connection();
    for (auto _ : state) {
        connection.execute(QStringLiteral("UPDATE COP_DAT SET CNAME = 'x'"));
        paint(lines, state);
    }
}

}  // namespace
}  // namespace vantir

BENCHMARK(vantir::BM_PaintInvoiceLines)->Unit(benchmark::kMicrosecond);
BENCHMARK(vantir::BM_PaintInvoiceLinesAfterAChange)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
