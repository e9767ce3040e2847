#pragma once

#include <QString>
#include <optional>

#include "platform/dataset/Result.h"

namespace vantir {

class DataModule;
class Dataset;

// Whose numbers: the table and the shared query that reads its stored numbers.
struct NextNumberKind {
    QString table;  // "HITRAN1"
    QString query;  // "Q_HIT1_Mx": "SELECT CODE FROM HITRAN1 ORDER BY CODE DESC"
};

// The number proposed for a new slip, or why there is none.
struct NumberProposal {
    QString number;  // decimal without leading zeros
    QString message;  // "'%s' は整数ではありません" when a stored number is no whole number

    bool ok() const { return message.isEmpty(); }
    // The greatest stored number plus one; "1" when nothing is stored.
    static NumberProposal after(std::optional<qint64> greatest);
    // The stored number (as read, StoredNumber::text) that stops the rule.
    static NumberProposal refused(const QString& stored);
    bool operator==(const NumberProposal&) const = default;
};

// The next slip, receipt or payment number: the greatest stored number plus one, each
// stored number read as StoredNumber reads it (NULL and blank numbers passed over); the
// first stored number in "ORDER BY CODE DESC" order that is no whole number stops the rule
// with the conversion error. An empty table starts at "1".
//
// It gives exactly what reading every number through the kind's query gives
// (literalNextNumber), but from the table's number indexes (WholeNumberColumn), so a
// table of a million slips answers at once.
class NextNumber {
  public:
    static const NextNumberKind kSlips;     // HITRAN1, Q_HIT1_Mx
    static const NextNumberKind kReceipts;  // HITRAN2, Q_HIT2_Mx
    static const NextNumberKind kPayments;  // HITRAN3, Q_HIT3_Mx

    // data must outlive the rule.
    NextNumber(DataModule& data, NextNumberKind kind);

    // Throws DbError.
    NumberProposal proposal() const;

    // Entering CODE: the proposal is worked out every time, and stored (putting the record
    // into edit mode) only when CODE is NULL; a number already there, typed or loaded, is
    // never replaced. A stored number that is no whole number gives the conversion error
    // for the field CODE and leaves it as it was. Throws DbError.
    Result codeEntered(Dataset& record) const;

  private:
    DataModule& data_;
    NextNumberKind kind_;
};

}  // namespace vantir
