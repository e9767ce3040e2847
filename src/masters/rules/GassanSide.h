#pragma once

#include <QString>

#include "common/rules/NameLookup.h"
#include "data/HandBack.h"

namespace vantir {

// What tells the customer consolidation screen (得意先合算マスタ, GassanE, on HIMAS31) from
// its carrier twin (仕入先合算マスタ, GassanS, on HIMAS32). The carrier screen finds the
// monthly row, the partner's name and the partner's master row all by the typed carrier
// code YCODE, as the customer screen finds them by KCODE.
struct GassanSide {
    QString modeName;
    QString caption;
    QString monthlyTable;      // HIMAS31 / HIMAS32
    QString codeColumn;        // KCODE / YCODE, of the monthly row and of HIMAS3
    QString codeCaption;       // "得意先" / "傭車先"
    QString codePlaceholder;   // "得意先CD" / "傭車先CD"
    QString shortCodeMessage;  // a code shorter than six characters
    QString searchName;        // the long-lived search: CustomerSearch / CarrierSearch
    HandBack handBack;         // what that search hands back
    NameLookupKind nameLookup;

    static const GassanSide& customer();
    static const GassanSide& carrier();
};

}  // namespace vantir
