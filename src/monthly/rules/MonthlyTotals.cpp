#include "monthly/rules/MonthlyTotals.h"

namespace vantir {

MonthlyTotals MonthlyTotals::read(Connection& workingCopy, const MonthlyRunValues& values) {
    const QStringList bothSides = {QStringLiteral("KCODE"), QStringLiteral("YCODE")};
    auto slips = SlipTotals::read(workingCopy, QStringLiteral("HITRAN1"), bothSides,
                                  {QStringLiteral("UKING"), QStringLiteral("UHIYO"),
                                   QStringLiteral("INKING"), QStringLiteral("INSKING"),
                                   QStringLiteral("YKING"), QStringLiteral("SKING"),
                                   QStringLiteral("SHIYO")},
                                  values);
    auto receipts = SlipTotals::read(workingCopy, QStringLiteral("HITRAN2"), {QStringLiteral("KCODE")},
                                     {QStringLiteral("UKING")}, values);
    auto payments = SlipTotals::read(workingCopy, QStringLiteral("HITRAN3"), bothSides,
                                     {QStringLiteral("SKING")}, values);
    return {std::move(slips[0]), std::move(slips[1]), std::move(receipts[0]),
            std::move(payments[0]), std::move(payments[1])};
}

}  // namespace vantir
