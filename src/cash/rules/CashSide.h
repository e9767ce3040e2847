#pragma once

#include <QList>
#include <QPair>
#include <QString>

#include "common/rules/NameLookup.h"
#include "common/rules/NextNumber.h"
#include "data/HandBack.h"

namespace vantir {

// Receipts from customers (HITRAN2) and payments to carriers (HITRAN3) are one entry
// screen, one list screen, one print dialog and one printed list each; this says which
// side a screen or a print is on. Only the names differ, and one rule: a receipt needs
// its number, a payment may be left without one.
struct CashSide {
    QString table;                        // HITRAN2 / HITRAN3
    QString partnerCode;                  // KCODE / YCODE
    QString partnerName;                  // KNAME / YNAME
    QString amount;                       // UKING / SKING
    QString fee;                          // UHIYO; empty for payments, which have no fee field
    const NameLookupKind* partnerLookup;  // by KCODE / by YCODE
    NextNumberKind numbers;
    bool numberRequired;       // leaving an empty number field is refused (receipts)
    HandBack partnerHandBack;  // CustomerCode / CarrierCode
    QString partnerSearch;     // the long-lived search: CustomerSearch / CarrierSearch

    // The entry screen.
    QString entryMode;       // Nyukin / HaraiInp
    QString entryCaption;    // 入金伝表 / 下払伝票
    QString formHeading;     // 【 取引先　（得意先） 】
    QString dueDateCaption;  // 入金日付 / 請求日付
    QString partnerNameCaption;
    QString amountCaption;                         // on the entry screen
    QString listAmountCaption;                     // on the list screen
    QString searchCaption;                         // 入金伝票検索 / 下払伝票検索
    QString searchQuery;                           // Q_HIT2SK / Q_HIT3SK
    QList<QPair<QString, QString>> searchColumns;  // column, title

    // The list screen, the print dialog and the printed list.
    QString listMode;      // RepNyukin / RepHarai
    QString listCaption;   // 入金一覧表 / 支払一覧
    QString listQuery;     // Q_HIT2R / Q_HIT3R
    QString printMode;     // SelSime / SelSime2
    QString printHeading;  // 入金一覧選択 / 支払一覧選択
    QString printout;      // QR_Nyukin / QR_Harai
    QString printTitle;    // 入金伝票一覧表 / 支払伝票一覧表
    QString partnerTitle;  // 得意先 / 傭車先: the printed list's second column
    // The partners a closing day lists in the print dialog: not the pure carriers for
    // receipts, not the pure customers for payments.
    QString partnerKindLine;

    static const CashSide& receipts();
    static const CashSide& payments();
};

}  // namespace vantir
