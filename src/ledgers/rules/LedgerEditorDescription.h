#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace vantir {

// A column of a ledger editor's grid; the billing date and the name the line was made
// with are shown but not typed into.
struct LedgerColumn {
    QString column;
    QString caption;
    bool readOnly = false;
};

// What tells the four ledger editors apart: the sales ledger (売上元帳編集, ED_Uri_M, on
// HITRANM), the purchase ledger (仕入元帳編集, ED_Sir_M, on HITRANS), the receipts
// (入金台帳編集, ED_Nyu_M, on HITRAN2) and the payments (支払台帳編集, ED_Hari_M, on
// HITRAN3). Each edits the lines of one partner, found by its side's code, for one month.
struct LedgerEditorDescription {
    QString modeName;
    QString caption;
    QString ledgerTable;      // HITRANM / HITRANS / HITRAN2 / HITRAN3
    QString partnerColumn;    // KCODE / YCODE, of the lines and of the partner list
    QString partnerCaption;   // 得意先 / 傭車先
    QList<LedgerColumn> columns;
    QStringList totals;       // the amount columns summed into the total boxes, in order
    // The purchase and receipt editors' top navigator steps through the lines, not the
    // partners: their partner changes only by the direct jump.
    bool navigatorOnLines = false;
    // The receipt editor's month box drops the keys that edit without typing (Delete, the
    // arrows, Home and End); typed characters still arrive.
    bool monthBoxTypingOnly = false;

    static const LedgerEditorDescription& sales();
    static const LedgerEditorDescription& purchases();
    static const LedgerEditorDescription& receipts();
    static const LedgerEditorDescription& payments();
    static QList<const LedgerEditorDescription*> all();
};

}  // namespace vantir
