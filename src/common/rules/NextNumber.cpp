#include "common/rules/NextNumber.h"

#include <algorithm>

#include "common/rules/NotAnInteger.h"
#include "common/rules/RuleRecord.h"
#include "common/rules/StoredNumber.h"
#include "data/DataModule.h"
#include "platform/db/WholeNumberColumn.h"

namespace vantir {

namespace {

const QString kCode = QStringLiteral("CODE");

}  // namespace

NumberProposal NumberProposal::after(std::optional<qint64> greatest) {
    return {greatest ? QString::number(*greatest + 1) : QStringLiteral("1"), {}};
}

NumberProposal NumberProposal::refused(const QString& stored) {
    return {{}, notAnIntegerMessage(stored)};
}

const NextNumberKind NextNumber::kSlips{QStringLiteral("HITRAN1"), QStringLiteral("Q_HIT1_Mx")};
const NextNumberKind NextNumber::kReceipts{QStringLiteral("HITRAN2"), QStringLiteral("Q_HIT2_Mx")};
const NextNumberKind NextNumber::kPayments{QStringLiteral("HITRAN3"), QStringLiteral("Q_HIT3_Mx")};

NextNumber::NextNumber(DataModule& data, NextNumberKind kind)
    : data_(data), kind_(std::move(kind)) {}

// The plain numbers (digits, maybe with spaces around) are the table's bulk and are read
// as they stand, so their greatest comes from the index by value. The few others are
// read in the query's order, as the literal rule meets them: the first that is no whole
// number after the clean-up is the one the literal rule stops at, since a plain number
// never stops it.
NumberProposal NextNumber::proposal() const {
    const WholeNumberColumn column(kind_.table, kCode);
    Connection& connection = data_.database().connection();
    std::optional<qint64> greatest = column.greatestPlain(connection);
    std::optional<QString> refused;
    column.forEachOther(connection, [&](const QString& stored) {
        const StoredNumber number = StoredNumber::read(stored);
        if (number.kind == StoredNumber::Kind::NotANumber) {
            refused = number.text;
            return false;
        }
        if (number.kind == StoredNumber::Kind::Number) {
            greatest = std::max(greatest.value_or(number.value), number.value);
        }
        return true;
    });
    if (refused) return NumberProposal::refused(*refused);
    return NumberProposal::after(greatest);
}

Result NextNumber::codeEntered(Dataset& record) const {
    const NumberProposal next = proposal();
    if (!next.ok()) return Result::failure(next.message, kCode);
    if (!hasRecord(record) || !record.isNull(kCode)) return Result::success();
    return record.setValue(kCode, next.number);
}

}  // namespace vantir
