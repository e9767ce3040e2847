#include "slips/rules/SlipSearchRules.h"

#include "data/DataModule1.h"
#include "platform/dataset/QueryDataset.h"
#include "platform/dataset/TableDataset.h"
#include "platform/db/SqlQuote.h"

namespace vantir {

SlipSearchRules::SlipSearchRules(DataModule1& data)
    : query_(data.query(QStringLiteral("Q_HIT1SK"))),
      slips_(data.table(QStringLiteral("HITRAN1"))) {}

void SlipSearchRules::open() { query_.open(); }

void SlipSearchRules::close() { query_.close(); }

QString SlipSearchRules::currentCode() const {
    if (!query_.isOpen() || query_.isEmpty()) return {};
    return query_.text(QStringLiteral("CODE"));
}

void SlipSearchRules::confirm() {
    // Replaced in one step: switching the day's filter off first would read every slip.
    slips_.setFilter(QStringLiteral("CODE = ") + sqlQuote(currentCode()));
    slips_.setFiltered(true);
}

}  // namespace vantir
