#pragma once

namespace vantir {

// What differs between the sales ledger (売上元帳) and the purchase ledger (仕入元帳):
// which slip amounts belong to the other side, and how a receipt or payment is written
// in the shape of a slip. The ledger rebuild and the ledger reports read the same one.
struct LedgerSide {
    const char* ledger;       // HITRANM, HITRANS
    const char* cash;         // receipts HITRAN2 or payments HITRAN3
    const char* zeroed[2];    // the other side's amounts on a slip row
    const char* kept[4];      // a slip row stays in the ledger when these are not all 0
    const char* cashColumns;  // where a receipt or payment row puts its values
    const char* cashValues;   // and which of its columns go there

    static const LedgerSide& sales();
    static const LedgerSide& purchases();
};

}  // namespace vantir
