#include "monthly/rules/CarrierSteps.h"

#include <algorithm>

#include "common/rules/DueDate.h"
#include "monthly/rules/MonthlyRunValues.h"
#include "monthly/rules/MonthlyStop.h"

namespace vantir {

namespace {

using Row = AggregateRow;
constexpr auto kPeriod = SlipTotals::Period;
constexpr auto kYear = SlipTotals::FiscalYear;

// A monthly amount, the slip column it sums and the column whose test decides whether
// the sum counts for the group.
struct MonthlyAmount {
    Row::Column column;
    const char* sums;
    const char* guard;
};

template <typename Test>
bool anyOf(const CarrierSteps::Rows& rows, Test test) {
    return std::any_of(rows.begin(), rows.end(), test);
}

QString name(const char* column) { return QString::fromLatin1(column); }

}  // namespace

CarrierSteps::CarrierSteps(Connection& workingCopy, const MonthlyRunValues& values,
                           const Rows& partners, const MonthlyTotals& totals)
    : workingCopy_(workingCopy),
      values_(values),
      partners_(partners),
      slips_(totals.slipsByCarrier),
      payments_(totals.paymentsByCarrier) {}

CarrierSteps::Rows CarrierSteps::monthly(const QString& closingDay) const {
    Rows rows;
    for (const Row& partner : partners_) {
        if (!partner.ownClosingDay() && partner.text(Row::SIME) == closingDay) rows.push_back(partner);
    }
    static const MonthlyAmount amounts[] = {
        {Row::UKING, "UKING", "UKING"}, {Row::UHIYO, "UHIYO", "UHIYO"},
        {Row::SKING, "YKING", "SKING"}, {Row::SHIYO, "SHIYO", "SHIYO"},
        {Row::INKING, "INKING", "INKING"}, {Row::INSKING, "INSKING", "INSKING"}};
    bool counts[std::size(amounts)];
    for (std::size_t a = 0; a < std::size(amounts); ++a) {
        counts[a] = anyOf(rows, [&](const Row& r) {
            return slips_.nonNegative(r[Row::YCODE], kPeriod, name(amounts[a].guard));
        });
    }
    const bool anyPayment = anyOf(rows, [&](const Row& r) { return payments_.count(r[Row::YCODE], kPeriod) > 0; });
    const bool paymentsCount = anyOf(rows, [&](const Row& r) {
        return payments_.nonNegative(r[Row::YCODE], kPeriod, QStringLiteral("SKING"));
    });
    for (Row& row : rows) {
        const QVariant& y = row[Row::YCODE];
        if (slips_.count(y, kPeriod) > 0) {
            for (std::size_t a = 0; a < std::size(amounts); ++a)
                row.set(amounts[a].column, counts[a] ? slips_.sum(y, kPeriod, name(amounts[a].sums)) : 0);
        }
        if (anyPayment)
            row.set(Row::HSKING, paymentsCount ? payments_.sum(y, kPeriod, QStringLiteral("SKING")) : 0);
        const QString site = row.text(Row::SAIT);
        if (!row.text(Row::SIME).isEmpty() && !site.isEmpty()) {
            const auto due = DueDateBySite(values_.month, row.text(Row::SIME), site);
            if (!due) throw MonthlyStop(row.text(Row::YCODE) + QStringLiteral(": ") + due.message);
            row.set(Row::SHYMD, *due.value);
        }
    }
    return rows;
}

void CarrierSteps::cumulative(Rows& rows) const {
    const bool anyPayment = anyOf(rows, [&](const Row& r) { return payments_.count(r[Row::YCODE], kYear) > 0; });
    const bool paymentsCount = anyOf(rows, [&](const Row& r) {
        return payments_.nonNegative(r[Row::YCODE], kYear, QStringLiteral("SKING"));
    });
    for (Row& row : rows) {
        const QVariant& y = row[Row::YCODE];
        // The balance brought forward on the master, before this year's purchases.
        const qint64 B = row.amount(Row::SIRZAN);
        row.set(Row::SIRZAN, B);
        if (slips_.count(y, kYear) > 0) {
            const qint64 Sk = slips_.sum(y, kYear, QStringLiteral("SKING"));
            const qint64 P = slips_.sum(y, kYear, QStringLiteral("SHIYO"));
            row.set(Row::SIRZAN, values_.tax(Sk) + Sk - P);
        }
        if (anyPayment) {
            const qint64 Q = paymentsCount ? payments_.sum(y, kYear, QStringLiteral("SKING")) : 0;
            row.set(Row::GKING, B - Q);
        }
    }
    add(rows);
}

CarrierSteps::Rows CarrierSteps::ownMonthly() const {
    Rows rows;
    for (const Row& partner : partners_) {
        if (partner.ownClosingDay()) rows.push_back(partner);
    }
    static const MonthlyAmount amounts[] = {
        {Row::UKING, "UKING", "UKING"}, {Row::UHIYO, "UHIYO", "UHIYO"},
        {Row::SKING, "SKING", "SKING"}, {Row::SHIYO, "SHIYO", "SHIYO"},
        {Row::INKING, "INKING", "INKING"}};
    const bool anySlip = anyOf(rows, [&](const Row& r) { return slips_.count(r[Row::YCODE], kPeriod) > 0; });
    bool counts[std::size(amounts)];
    for (std::size_t a = 0; a < std::size(amounts); ++a) {
        counts[a] = anyOf(rows, [&](const Row& r) {
            return slips_.nonNegative(r[Row::YCODE], kPeriod, name(amounts[a].guard));
        });
    }
    const bool anyPayment = anyOf(rows, [&](const Row& r) { return payments_.count(r[Row::YCODE], kPeriod) > 0; });
    const bool paymentsCount = anyOf(rows, [&](const Row& r) {
        return payments_.nonNegative(r[Row::YCODE], kPeriod, QStringLiteral("SKING"));
    });
    QString payDate;
    if (!rows.empty() && !values_.VSIT.isEmpty() && !values_.VSIM.isEmpty()) {
        const auto due = DueDateByPayDay(values_.month, values_.VSIM, values_.VSIT, values_.VYOT);
        if (!due) throw MonthlyStop(due.message);
        payDate = *due.value;
    }
    for (Row& row : rows) {
        const QVariant& y = row[Row::YCODE];
        if (anySlip) {
            for (std::size_t a = 0; a < std::size(amounts); ++a)
                row.set(amounts[a].column, counts[a] ? slips_.sum(y, kPeriod, name(amounts[a].sums)) : 0);
        }
        if (anyPayment)
            row.set(Row::HSKING, paymentsCount ? payments_.sum(y, kPeriod, QStringLiteral("SKING")) : 0);
        if (!payDate.isEmpty()) row.set(Row::SHYMD, payDate);
    }
    return rows;
}

void CarrierSteps::ownCumulative(Rows& rows) const {
    const bool expensesCount = anyOf(rows, [&](const Row& r) {
        return slips_.nonNegative(r[Row::YCODE], kYear, QStringLiteral("SHIYO"));
    });
    const QString SKING = QStringLiteral("SKING");
    for (Row& row : rows) {
        const QVariant& y = row[Row::YCODE];
        if (slips_.count(y, kYear) > 0) {
            // The carrier's own slips decide whether its purchases count.
            const qint64 Sk = slips_.nonNegative(y, kYear, SKING) ? slips_.sum(y, kYear, SKING) : 0;
            const qint64 P = expensesCount ? slips_.sum(y, kYear, QStringLiteral("SHIYO")) : 0;
            row.set(Row::SIRZAN, values_.tax(Sk) + Sk - P);
        }
        if (payments_.count(y, kYear) > 0)
            row.set(Row::GKING, payments_.nonNegative(y, kYear, SKING) ? payments_.sum(y, kYear, SKING) : 0);
    }
    add(rows);
}

void CarrierSteps::add(Rows& rows) const {
    // A carrier whose only business in the month is a payment gets no row.
    std::erase_if(rows, [this](Row& row) {
        return !row.close(values_.end,
                          {Row::UKING, Row::SKING, Row::UHIYO, Row::SHIYO, Row::INKING,
                           Row::INSKING, Row::NUKING, Row::HSKING},
                          {Row::UKING, Row::SKING, Row::UHIYO, Row::SHIYO, Row::INKING,
                           Row::INSKING});
    });
    AggregateRow::insert(workingCopy_, QStringLiteral("HIMAS32"), rows);
}

}  // namespace vantir
