#include "cash/rules/CashListRules.h"

#include "data/DataModule1.h"
#include "platform/dataset/QueryDataset.h"

namespace vantir {

namespace {

QString yyMmDd(const QDate& date) { return date.toString(QStringLiteral("yy/MM/dd")); }

}  // namespace

CashListRules::CashListRules(const CashSide& side, DataModule1& data)
    : list_(side, data), names_(data, *side.partnerLookup) {}

void CashListRules::close() { list_.query().close(); }

CashListRules::Range CashListRules::openingRange(const QDate& today) {
    const QDate first = QDate(today.year(), today.month(), 1).addMonths(-2);
    return {first, first.addMonths(1).addDays(-1)};
}

void CashListRules::run(const QDate& from, const QDate& to, const QString& partner) {
    list_.select(yyMmDd(from), yyMmDd(to), partner);
}

}  // namespace vantir
