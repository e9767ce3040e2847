// Marking the customers of a closing day with sales in a billing period, as "検索" and
// "再表示" do before the customer list is shown: by one statement over all customers, and
// by the per-customer statements it replaces (one sum per customer), on a company of
// 2,000 customers and 600,000 slips a year. The per-customer statements read every slip
// once per customer, so they are measured on a company a twentieth that size; both ways
// are checked to mark the same customers there before anything is timed.

#include <benchmark/benchmark.h>

#include <QTemporaryDir>
#include <cstdio>
#include <memory>

#include "billing/rules/BillingPeriod.h"
#include "billing/rules/InvoiceCustomerMarks.h"
#include "billing/rules/LiteralInvoiceCustomerMarks.h"
#include "data/AppState.h"
#include "data/DataModule1.h"
#include "data/DatabaseFiles.h"
#include "data/HookTargets.h"
#include "data/sample/SampleCompany.h"
#include "platform/db/Connection.h"
#include "platform/db/Statement.h"
#include "platform/system/Clock.h"

namespace vantir {
namespace {

// A sample company in a program directory of its own, made once per size.
struct Company {
    QTemporaryDir dir;
    AppState state;
    HookTargets targets;
    std::unique_ptr<DataModule1> dm1;
    int customers = 0;
    int slips = 0;

    explicit Company(const SampleCompanyOptions& options) {
        QDir().mkpath(DatabaseFiles::folder(dir.path()));
        const Result made =
            SampleCompany::createFile(DatabaseFiles::mainDatabase(dir.path()), options);
        if (!made) std::fprintf(stderr, "%s\n", qPrintable(made.message));
        dm1 = std::make_unique<DataModule1>(dir.path(), state, targets);
        Connection& connection = dm1->database().connection();
        customers = connection
                        .scalar(QStringLiteral("SELECT COUNT(*) FROM HIMAS3 WHERE KY_KBN "
                                               "IN ('0', '1')"))
                        .toInt();
        slips = connection.scalar(QStringLiteral("SELECT COUNT(*) FROM HITRAN1")).toInt();
    }
    Connection& connection() { return dm1->database().connection(); }
};

// 2,000 customers among 3,100 partners; 50,000 slips a month for a year.
Company& fullCompany() {
    static Company company({.partners = 3100, .slips = 600'000, .months = 12, .seed = 7});
    return company;
}

Company& smallCompany() {
    static Company company({.partners = 155, .slips = 30'000, .months = 12, .seed = 7});
    return company;
}

const QString kClosingDay = QStringLiteral("99");

BillingPeriod lastMonth() { return previousCalendarMonth(Clock::today()); }

MarkComparison comparisonOf(const benchmark::State& state) {
    return state.range(0) == 0 ? MarkComparison::Date : MarkComparison::Text;
}

QStringList marks(Connection& connection) {
    QStringList codes;
    Statement rows = connection.prepare(
        QStringLiteral("SELECT KCODE FROM HIMAS3 WHERE URI_FLG > 0 ORDER BY rowid"));
    while (rows.step()) codes.append(rows.value(0).toString());
    return codes;
}

void report(benchmark::State& state, Company& company) {
    state.counters["customers"] = company.customers;
    state.counters["slips"] = company.slips;
    state.counters["marked"] = double(marks(company.connection()).size());
    state.SetLabel(comparisonOf(state) == MarkComparison::Date ? "検索 (dates)" : "再表示 (texts)");
}

void setBased(benchmark::State& state, Company& company) {
    for (auto _ : state) {
        InvoiceCustomerMarks::remark(company.connection(), kClosingDay, lastMonth(),
                                     comparisonOf(state));
    }
    report(state, company);
}

void literal(benchmark::State& state, Company& company) {
    for (auto _ : state) {
        InvoiceCustomerMarks::clear(company.connection());
        LiteralInvoiceCustomerMarks::markWithSales(*company.dm1, kClosingDay, lastMonth(),
                                                   comparisonOf(state));
    }
    report(state, company);
}

void BM_OneStatement_2000Customers(benchmark::State& state) { setBased(state, fullCompany()); }

void BM_OneStatement_SmallCompany(benchmark::State& state) {
    Company& company = smallCompany();
    // Both ways must mark the same customers before either is worth timing.
    for (MarkComparison comparison : {MarkComparison::Date, MarkComparison::Text}) {
        InvoiceCustomerMarks::clear(company.connection());
        InvoiceCustomerMarks::markWithSales(company.connection(), kClosingDay, lastMonth(),
                                            comparison);
        const QStringList oneStatement = marks(company.connection());
        InvoiceCustomerMarks::clear(company.connection());
        LiteralInvoiceCustomerMarks::markWithSales(*company.dm1, kClosingDay, lastMonth(),
                                                   comparison);
        if (marks(company.connection()) != oneStatement || oneStatement.isEmpty()) {
            state.SkipWithError("the two ways mark different customers");
            return;
        }
    }
    setBased(state, company);
}

void BM_PerCustomerStatements_SmallCompany(benchmark::State& state) {
    literal(state, smallCompany());
}

BENCHMARK(BM_OneStatement_2000Customers)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OneStatement_SmallCompany)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PerCustomerStatements_SmallCompany)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

}  // namespace
}  // namespace vantir

BENCHMARK_MAIN();
