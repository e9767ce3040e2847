#include "ledgers/rules/LedgerEditorDescription.h"

namespace vantir {

namespace {

// The columns every ledger starts with: the date, the route, the load and the vehicle,
// then the name the line carries under the side's caption.
QList<LedgerColumn> firstColumns(const QString& nameColumn, const QString& nameCaption) {
    return {{QStringLiteral("DDAY"), QStringLiteral("配送日"), true},
            {QStringLiteral("HATTI"), QStringLiteral("発地")},
            {QStringLiteral("THTTI"), QStringLiteral("着地")},
            {QStringLiteral("TON"), QStringLiteral("屯")},
            {QStringLiteral("SHBAN"), QStringLiteral("車番")},
            {nameColumn, nameCaption, true}};
}

const QString kKNAME = QStringLiteral("KNAME");
const QString kCarrier = QStringLiteral("傭車先");

}  // namespace

const LedgerEditorDescription& LedgerEditorDescription::sales() {
    static const LedgerEditorDescription description{
        .modeName = QStringLiteral("ED_Uri_M"),
        .caption = QStringLiteral("売上元帳編集"),
        .ledgerTable = QStringLiteral("HITRANM"),
        .partnerColumn = QStringLiteral("KCODE"),
        .partnerCaption = QStringLiteral("得意先"),
        .columns = firstColumns(kKNAME, kCarrier) +
                   QList<LedgerColumn>{{QStringLiteral("UKING"), QStringLiteral("運賃")},
                                       {QStringLiteral("UHIYO"), QStringLiteral("費用")},
                                       {QStringLiteral("SKING"), QStringLiteral("入金額")},
                                       {QStringLiteral("SHIYO"), QStringLiteral("予備")}},
        .totals = {QStringLiteral("UKING"), QStringLiteral("UHIYO"), QStringLiteral("YKING"),
                   QStringLiteral("SHIYO")},
    };
    return description;
}

const LedgerEditorDescription& LedgerEditorDescription::purchases() {
    static const LedgerEditorDescription description{
        .modeName = QStringLiteral("ED_Sir_M"),
        .caption = QStringLiteral("仕入元帳編集"),
        .ledgerTable = QStringLiteral("HITRANS"),
        .partnerColumn = QStringLiteral("YCODE"),
        .partnerCaption = kCarrier,
        .columns = firstColumns(kKNAME, QStringLiteral("得意先")) +
                   QList<LedgerColumn>{{QStringLiteral("UKING"), QStringLiteral("運賃")},
                                       {QStringLiteral("UHIYO"), QStringLiteral("費用")},
                                       {QStringLiteral("SKING"), QStringLiteral("支払額")}},
        .totals = {QStringLiteral("UKING"), QStringLiteral("UHIYO"), QStringLiteral("YKING"),
                   QStringLiteral("SHIYO")},
        .navigatorOnLines = true,
    };
    return description;
}

const LedgerEditorDescription& LedgerEditorDescription::receipts() {
    static const LedgerEditorDescription description{
        .modeName = QStringLiteral("ED_Nyu_M"),
        .caption = QStringLiteral("入金台帳編集"),
        .ledgerTable = QStringLiteral("HITRAN2"),
        .partnerColumn = QStringLiteral("KCODE"),
        .partnerCaption = QStringLiteral("得意先"),
        .columns = firstColumns(kKNAME, kCarrier) +
                   QList<LedgerColumn>{{QStringLiteral("UKING"), QStringLiteral("入金額")},
                                       {QStringLiteral("UHIYO"), QStringLiteral("手数料")}},
        .totals = {QStringLiteral("UKING"), QStringLiteral("UHIYO")},
        .navigatorOnLines = true,
        .monthBoxTypingOnly = true,
    };
    return description;
}

// A payment stores the carrier's name in YNAME and the amount paid and its cost in SKING
// and SHIYO, as the payment entry writes them; KNAME, UKING and UHIYO stay empty there.
const LedgerEditorDescription& LedgerEditorDescription::payments() {
    static const LedgerEditorDescription description{
        .modeName = QStringLiteral("ED_Hari_M"),
        .caption = QStringLiteral("支払台帳編集"),
        .ledgerTable = QStringLiteral("HITRAN3"),
        .partnerColumn = QStringLiteral("YCODE"),
        .partnerCaption = kCarrier,
        .columns = firstColumns(QStringLiteral("YNAME"), kCarrier) +
                   QList<LedgerColumn>{{QStringLiteral("SKING"), QStringLiteral("支払額")},
                                       {QStringLiteral("SHIYO"), QStringLiteral("費用")}},
        .totals = {QStringLiteral("SKING"), QStringLiteral("SHIYO")},
    };
    return description;
}

QList<const LedgerEditorDescription*> LedgerEditorDescription::all() {
    return {&sales(), &purchases(), &receipts(), &payments()};
}

}  // namespace vantir
