#pragma once

#include <QList>
#include <QString>

namespace vantir {

// One side of the receivable and payable reports: the customers' slips of the closing
// day (売掛金) or the carriers' slips of the closing flag (買掛金).
struct KakeSide {
    QString workTable;  // HWRK1 / HWRK2
    QString listQuery;  // Q_HWRK1 / Q_HWRK2
    QString code;       // the partner: KCODE / YCODE
    QString name;       // KNAME / YNAME
    QString amount;     // the charge: UKING, or the carrier's fee YKING
    QString advance;    // the advance: UHIYO / SHIYO
    // The list's captions of code, name and charge.
    QString codeCaption;
    QString nameCaption;
    QString amountCaption;
    bool closingFlag;  // the payable side prints LBL_Flg and takes the choice 締ﾌﾗｸﾞ

    static const KakeSide& receivables();
    static const KakeSide& payables();
};

// The lists "売掛金一覧表" and "買掛金一覧表" (one line per partner) and the confirmations
// "売掛金確認書" and "買掛金確認書" (one letter per partner with its slips).
struct KakeReport {
    QString name;  // QR_KakeUri, QR_ChkUri, QR_KakeSir, QR_ChkSir
    const KakeSide* side;
    bool confirmation;
    QString heading;

    static const QList<KakeReport>& all();
    static const KakeReport* find(const QString& name);
};

}  // namespace vantir
