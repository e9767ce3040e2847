#include "monthly/rules/CustomerSteps.h"

#include <algorithm>

#include "common/rules/DueDate.h"
#include "monthly/rules/MonthlyRunValues.h"
#include "monthly/rules/MonthlyStop.h"
#include "platform/db/Connection.h"

namespace vantir {

namespace {

using Row = AggregateRow;
constexpr auto kPeriod = SlipTotals::Period;
constexpr auto kYear = SlipTotals::FiscalYear;

template <typename Test>
bool anyOf(const CustomerSteps::Rows& rows, Test test) {
    return std::any_of(rows.begin(), rows.end(), test);
}

}  // namespace

CustomerSteps::CustomerSteps(Connection& workingCopy, const MonthlyRunValues& values,
                             const Rows& partners, const MonthlyTotals& totals)
    : workingCopy_(workingCopy),
      values_(values),
      partners_(partners),
      slips_(totals.slipsByCustomer),
      receipts_(totals.receiptsByCustomer),
      payments_(totals.paymentsByCustomer) {}

CustomerSteps::Rows CustomerSteps::monthly(const QString& closingDay) const {
    Rows rows;
    for (const Row& partner : partners_) {
        if (partner.ownClosingDay() || partner.text(Row::SIME) != closingDay) continue;
        Row row = partner;
        const QVariant& k = row[Row::KCODE];
        if (slips_.count(k, kPeriod) > 0) {
            row.set(Row::UKING, slips_.sum(k, kPeriod, QStringLiteral("UKING")));
            row.set(Row::UHIYO, slips_.sum(k, kPeriod, QStringLiteral("UHIYO")));
            row.set(Row::INKING, slips_.sum(k, kPeriod, QStringLiteral("INKING")));
            row.set(Row::INSKING, slips_.sum(k, kPeriod, QStringLiteral("INSKING")));
            row.set(Row::SKING, slips_.sum(k, kPeriod, QStringLiteral("YKING")));
            row.set(Row::SHIYO, slips_.sum(k, kPeriod, QStringLiteral("SHIYO")));
        }
        if (receipts_.count(k, kPeriod) > 0)
            row.set(Row::NUKING, receipts_.sum(k, kPeriod, QStringLiteral("UKING")));
        if (payments_.count(k, kPeriod) > 0)
            row.set(Row::HSKING, payments_.sum(k, kPeriod, QStringLiteral("SKING")));
        const QString site = row.text(Row::SAIT);
        if (!site.isEmpty()) {
            const auto due = DueDateBySite(values_.month, closingDay, site);
            if (!due) throw MonthlyStop(row.text(Row::KCODE) + QStringLiteral(": ") + due.message);
            row.set(Row::SHYMD, *due.value);
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

void CustomerSteps::cumulative(Rows& rows) const {
    // The group's slips since the fiscal start decide, all customers together, whether
    // a customer's own sums count: with no slip of the group at 0 or above, none does.
    const QString UKING = QStringLiteral("UKING"), UHIYO = QStringLiteral("UHIYO");
    const bool anySlip = anyOf(rows, [&](const Row& r) { return slips_.count(r[Row::KCODE], kYear) > 0; });
    const bool salesCount = anyOf(rows, [&](const Row& r) { return slips_.nonNegative(r[Row::KCODE], kYear, UKING); });
    const bool costsCount = anyOf(rows, [&](const Row& r) { return slips_.nonNegative(r[Row::KCODE], kYear, UHIYO); });
    const bool receiptsCount = anyOf(rows, [&](const Row& r) { return receipts_.nonNegative(r[Row::KCODE], kYear, UKING); });
    const bool paymentsCount = anyOf(rows, [&](const Row& r) {
        return payments_.nonNegative(r[Row::KCODE], kPeriod, QStringLiteral("SKING"));
    });
    for (Row& row : rows) {
        const QVariant& k = row[Row::KCODE];
        if (anySlip) {
            const qint64 U = salesCount ? slips_.sum(k, kYear, UKING) : 0;
            const qint64 H = costsCount ? slips_.sum(k, kYear, UHIYO) : 0;
            row.set(Row::URIZAN, values_.tax(U) + U + H);
            const qint64 Y = slips_.sum(k, kYear, QStringLiteral("YKING"));
            const qint64 P = slips_.sum(k, kYear, QStringLiteral("SHIYO"));
            row.set(Row::SIRZAN, values_.tax(Y) + Y + P);
        }
        row.set(Row::ZKING, receiptsCount ? receipts_.sum(k, kYear, UKING) : 0);
        row.set(Row::GKING, paymentsCount ? payments_.sum(k, kPeriod, QStringLiteral("SKING")) : 0);
    }
    add(rows);
}

CustomerSteps::Rows CustomerSteps::ownMonthly() const {
    Rows rows;
    for (const Row& partner : partners_) {
        if (!partner.ownClosingDay()) continue;
        Row row = partner;
        const QVariant& k = row[Row::KCODE];
        if (slips_.count(k, kPeriod) > 0) {
            row.set(Row::UKING, slips_.sum(k, kPeriod, QStringLiteral("UKING")));
            row.set(Row::UHIYO, slips_.sum(k, kPeriod, QStringLiteral("UHIYO")));
        }
        if (receipts_.count(k, kPeriod) > 0)
            row.set(Row::NUKING, receipts_.sum(k, kPeriod, QStringLiteral("UKING")));
        if (payments_.count(k, kPeriod) > 0)
            row.set(Row::HSKING, payments_.sum(k, kPeriod, QStringLiteral("SKING")));
        rows.push_back(std::move(row));
    }
    return rows;
}

void CustomerSteps::ownCumulative(Rows& rows) const {
    for (Row& row : rows) {
        const QVariant& k = row[Row::KCODE];
        const bool slips = slips_.count(k, kYear) > 0;
        const auto slipSum = [&](const char* amount) {
            return slips ? slips_.sum(k, kYear, QString::fromLatin1(amount)) : 0;
        };
        const qint64 U = slipSum("UKING"), H = slipSum("UHIYO");
        const qint64 Sk = slipSum("SKING"), P = slipSum("SHIYO");
        row.set(Row::URIZAN, values_.tax(U) + U + H);
        row.set(Row::SIRZAN, values_.tax(Sk) + Sk + P);
        row.set(Row::ZKING, receipts_.sum(k, kYear, QStringLiteral("UKING")));
        row.set(Row::GKING, payments_.sum(k, kPeriod, QStringLiteral("SKING")));
    }
    workingCopy_.execute(
        QStringLiteral("DELETE FROM HIMAS31 WHERE HYMD = :E AND SIMEFLG = '1'"),
        {{QStringLiteral("E"), values_.end}});
    add(rows);
}

void CustomerSteps::add(Rows& rows) const {
    // A customer with nothing in the month, receipts and payments included, gets no row.
    std::erase_if(rows, [this](Row& row) {
        return !row.close(values_.end,
                          {Row::UKING, Row::SKING, Row::UHIYO, Row::SHIYO, Row::INKING,
                           Row::INSKING, Row::NUKING, Row::HSKING},
                          {Row::UKING, Row::SKING, Row::UHIYO, Row::SHIYO, Row::INKING,
                           Row::INSKING, Row::NUKING, Row::HSKING});
    });
    AggregateRow::insert(workingCopy_, QStringLiteral("HIMAS31"), rows);
}

}  // namespace vantir
