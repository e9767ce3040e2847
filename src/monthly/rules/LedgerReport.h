#pragma once

#include <QList>
#include <QString>

#include "common/rules/ClosingPeriod.h"

namespace vantir {

struct LedgerSide;

// One side of the ledger reports: the window they print in, its list query and what its
// lines show. The sales side lists a customer's slips with the receipts, the purchase
// side a carrier's slips with the payments.
struct LedgerReportSide {
    const LedgerSide& ledger;
    QString window;      // "売上元帳"
    QString listQuery;   // Q_UriBKM
    QString cashWork;    // the work table of the receipts (HWRK2) or payments (HWRK3)
    QString code;        // the partner: KCODE or YCODE
    QString name;        // KNAME or YNAME
    QString heading;     // "売　上　元　帳"
    QString amount;      // the side's own amount UKING / SKING
    QString cost;        // its expense UHIYO / SHIYO
    QString cashAmount;  // the receipt or payment: SKING / UKING
    QString amountCaption;
    QString cashCaption;
    QString otherName;  // the partner on the other side of the slip: YNAME / KNAME
    QString otherCaption;

    static const LedgerReportSide& sales();
    static const LedgerReportSide& purchases();
};

// The six ledger reports: QR_UriBKM, QR_UriBK, QR_UriBKS on the sales side and QR_SirBKM,
// QR_SirBK, QR_SirBKS on the purchase side. The "M" reports print the ledger the monthly
// aggregation stored (HITRANM, HITRANS), the others the slips themselves; the "S" reports
// narrow the slips to a part of the month.
struct LedgerReport {
    QString name;
    const LedgerReportSide* side;
    bool fromLedger;  // the stored ledger rather than HITRAN1
    bool subPeriod;   // the choice 期間 narrows the slips and receipts or payments
    bool monthly;     // the heading says "（月次）"

    QString heading() const;
    // The days the slips and receipts (payments) are taken from: the period S..E, or for
    // an "S" report the part of it the choice 期間 names ("0" or none: the whole). Any
    // other choice is refused with PrintError.
    ClosingPeriod slipPeriod(const ClosingPeriod& period, const QString& choice) const;

    static const QList<LedgerReport>& all();
    static const LedgerReport* find(const QString& name);
};

}  // namespace vantir
