#include "common/rules/NextNumberReference.h"

#include <algorithm>

#include "common/rules/StoredNumber.h"
#include "data/DataModule.h"
#include "platform/dataset/QueryDataset.h"

namespace vantir {

NumberProposal literalNextNumber(DataModule& data, const NextNumberKind& kind) {
    QueryDataset& numbers = data.query(kind.query);
    numbers.close();
    numbers.open();
    std::optional<qint64> greatest;
    const int code = numbers.fieldIndex(QStringLiteral("CODE"));
    for (int row = 0; row < numbers.recordCount(); ++row) {
        const QVariant stored = numbers.valueAt(row, code);
        if (stored.isNull()) continue;
        const StoredNumber number = StoredNumber::read(stored.toString());
        if (number.kind == StoredNumber::Kind::NotANumber) {
            numbers.close();
            return NumberProposal::refused(number.text);
        }
        if (number.kind == StoredNumber::Kind::Number) {
            greatest = std::max(greatest.value_or(number.value), number.value);
        }
    }
    numbers.close();
    return NumberProposal::after(greatest);
}

}  // namespace vantir
