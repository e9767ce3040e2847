#include "monthly/rules/MonthlyAggregation.h"

#include <algorithm>

#include "data/DataModule1.h"
#include "data/DataModule2.h"
#include "data/WorkingCopy.h"
#include "monthly/rules/AggregateRow.h"
#include "monthly/rules/CarrierSteps.h"
#include "monthly/rules/ClosingDayLoop.h"
#include "monthly/rules/CustomerSteps.h"
#include "monthly/rules/LedgerRebuild.h"
#include "monthly/rules/MainDatabasePush.h"
#include "monthly/rules/MonthlyMessages.h"
#include "monthly/rules/MonthlyRunValues.h"
#include "monthly/rules/MonthlyStop.h"
#include "monthly/rules/MonthlyTotals.h"
#include "monthly/rules/PartnerTermsCheck.h"
#include "monthly/rules/SlipLayout.h"
#include "platform/db/DbError.h"
#include "platform/db/TransactionGuard.h"

namespace vantir {

namespace {

using monthlyMessage::Step;

// Empty amounts become 0 and rows with nothing in their month go, in every month stored.
void tidy(Connection& work, const QString& table) {
    for (const char* column : {"UKING", "SKING", "UHIYO", "SHIYO", "INKING", "INSKING", "NUKING",
                               "HSKING", "URIZAN", "SIRZAN", "SHOZEI", "ZKING", "GKING"}) {
        work.execute(QStringLiteral("UPDATE %1 SET %2 = 0 WHERE %2 IS NULL")
                         .arg(table, QString::fromLatin1(column)));
    }
    work.execute(QStringLiteral("DELETE FROM ") + table +
                 QStringLiteral(" WHERE UKING + SKING + UHIYO + SHIYO + INKING + INSKING = 0"));
}

}  // namespace

MonthlyAggregation::MonthlyAggregation(DataModule1& dm1, DataModule2& dm2, Progress progress)
    : dm1_(dm1), dm2_(dm2), progress_(std::move(progress)) {}

Result MonthlyAggregation::run(const QString& closingDay, const QString& month,
                               bool workingCopyIsArchive) {
    try {
        if (!workingCopyIsArchive) {
            // Every slip, receipt and payment entered since start counts, and the push
            // below cannot undo what the main database received meanwhile.
            if (Result refreshed = WorkingCopy::refresh(dm1_, dm2_); !refreshed) return refreshed;
        }
        Connection& work = dm2_.database().connection();
        const auto values = MonthlyRunValues::read(closingDay, month, dm1_.database().connection(), work);
        if (!values) return Result::notice(values.message);

        bool salesRebuilt = false;
        bool purchasesRebuilt = false;
        compute(*values.value, salesRebuilt, purchasesRebuilt);
        if (workingCopyIsArchive) return {true, monthlyMessage::archive};

        MainDatabasePush push(dm1_.database().connection(), dm2_.database().path());
        const QStringList& aggregate = AggregateRow::columnNames();
        push.push(QStringLiteral("HIMAS31"), aggregate, QStringLiteral("KCODE"));
        push.push(QStringLiteral("HIMAS32"), aggregate, QStringLiteral("KCODE"));
        push.bringBack(QStringLiteral("HIMAS31"), aggregate, QStringLiteral("KCODE"));
        push.bringBack(QStringLiteral("HIMAS32"), aggregate, QStringLiteral("YCODE"));
        if (salesRebuilt) push.push(QStringLiteral("HITRANM"), SlipLayout::columns(), QStringLiteral("KCODE"));
        if (purchasesRebuilt) push.push(QStringLiteral("HITRANS"), SlipLayout::columns(), QStringLiteral("KCODE"));
        return Result::success();
    } catch (const MonthlyStop& stop) {
        progress_(QString());
        return Result::failure(stop.message());
    } catch (const DbError& error) {
        progress_(QString());
        return Result::failure(error.message());
    }
}

Result MonthlyAggregation::rebuildPurchases(const MonthlyRunValues& values,
                                            bool workingCopyIsArchive) {
    try {
        Connection& work = dm2_.database().connection();
        TransactionGuard guard(work);
        const bool rebuilt = LedgerRebuild::rebuild(work, values, LedgerRebuild::Side::Purchases);
        guard.commit();
        if (workingCopyIsArchive) return {true, monthlyMessage::archive};
        if (rebuilt) {
            MainDatabasePush(dm1_.database().connection(), dm2_.database().path())
                .push(QStringLiteral("HITRANS"), SlipLayout::columns(), QStringLiteral("KCODE"));
        }
        return Result::success();
    } catch (const DbError& error) {
        return Result::failure(error.message());
    }
}

void MonthlyAggregation::compute(const MonthlyRunValues& values, bool& salesRebuilt,
                                 bool& purchasesRebuilt) {
    Connection& work = dm2_.database().connection();
    const std::vector<AggregateRow> partners = AggregateRow::partners(work);
    PartnerTermsCheck::check(partners);

    // The working copy changes all together or not at all.
    TransactionGuard guard(work);
    const Params end = {{QStringLiteral("E"), values.end}};
    work.execute(QStringLiteral("DELETE FROM HIMAS31 WHERE HYMD = :E AND "
                                "(SIMEFLG IS NULL OR SIMEFLG <> '1')"),
                 end);
    work.execute(QStringLiteral("DELETE FROM HIMAS32 WHERE HYMD = :E"), end);

    const MonthlyTotals totals = MonthlyTotals::read(work, values);
    const CustomerSteps customers(work, values, partners, totals);
    const CarrierSteps carriers(work, values, partners, totals);
    for (const QString& c : ClosingDayLoop::visits(values.month)) {
        const bool anyPartner = std::any_of(partners.begin(), partners.end(), [&](const AggregateRow& p) {
            return p.text(AggregateRow::SIME) == c;
        });
        if (!anyPartner) continue;
        progress_(monthlyMessage::progress(c, Step::Sales));
        auto customerRows = customers.monthly(c);
        progress_(monthlyMessage::progress(c, Step::CumulativeSales));
        customers.cumulative(customerRows);
        progress_(monthlyMessage::progress(c, Step::Purchases));
        auto carrierRows = carriers.monthly(c);
        progress_(monthlyMessage::progress(c, Step::CumulativePurchases));
        carriers.cumulative(carrierRows);
    }
    progress_(monthlyMessage::ownSales);
    auto ownCustomers = customers.ownMonthly();
    customers.ownCumulative(ownCustomers);
    progress_(monthlyMessage::ownPurchases);
    auto ownCarriers = carriers.ownMonthly();
    carriers.ownCumulative(ownCarriers);

    tidy(work, QStringLiteral("HIMAS31"));
    tidy(work, QStringLiteral("HIMAS32"));
    progress_(QString());

    salesRebuilt = LedgerRebuild::rebuild(work, values, LedgerRebuild::Side::Sales);
    purchasesRebuilt = LedgerRebuild::rebuild(work, values, LedgerRebuild::Side::Purchases);
    guard.commit();
}

}  // namespace vantir
