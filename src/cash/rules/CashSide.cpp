#include "cash/rules/CashSide.h"

namespace vantir {

const CashSide& CashSide::receipts() {
    static const CashSide side{
        .table = QStringLiteral("HITRAN2"),
        .partnerCode = QStringLiteral("KCODE"),
        .partnerName = QStringLiteral("KNAME"),
        .amount = QStringLiteral("UKING"),
        .fee = QStringLiteral("UHIYO"),
        .partnerLookup = &NameLookup::kCustomer,
        .numbers = NextNumber::kReceipts,
        .numberRequired = true,
        .partnerHandBack = HandBack::CustomerCode,
        .partnerSearch = QStringLiteral("CustomerSearch"),
        .entryMode = QStringLiteral("Nyukin"),
        .entryCaption = QStringLiteral("入金伝表"),
        .formHeading = QStringLiteral("【 取引先　（得意先） 】"),
        .dueDateCaption = QStringLiteral("入金日付"),
        .partnerNameCaption = QStringLiteral("得意先名"),
        .amountCaption = QStringLiteral("入金金額"),
        .listAmountCaption = QStringLiteral("売上金額"),
        .searchCaption = QStringLiteral("入金伝票検索"),
        .searchQuery = QStringLiteral("Q_HIT2SK"),
        .searchColumns = {{"HYMD", "配送日付"},
                          {"DDAY", "降し日"},
                          {"SHBAN", "車番"},
                          {"KNAME", "得意先名"},
                          {"UKING", "運賃"},
                          {"UHIYO", "費用"},
                          {"ZKING", "税額"},
                          {"GKING", "合計"}},
        .listMode = QStringLiteral("RepNyukin"),
        .listCaption = QStringLiteral("入金一覧表"),
        .listQuery = QStringLiteral("Q_HIT2R"),
        .printMode = QStringLiteral("SelSime"),
        .printHeading = QStringLiteral("入金一覧選択"),
        .printout = QStringLiteral("QR_Nyukin"),
        .printTitle = QStringLiteral("入金伝票一覧表"),
        .partnerTitle = QStringLiteral("得意先"),
        .partnerKindLine = QStringLiteral("AND (KY_KBN <> '2' OR KY_KBN IS NULL)"),
    };
    return side;
}

const CashSide& CashSide::payments() {
    static const CashSide side{
        .table = QStringLiteral("HITRAN3"),
        .partnerCode = QStringLiteral("YCODE"),
        .partnerName = QStringLiteral("YNAME"),
        .amount = QStringLiteral("SKING"),
        .fee = QString(),
        .partnerLookup = &NameLookup::kCarrier,
        .numbers = NextNumber::kPayments,
        .numberRequired = false,
        .partnerHandBack = HandBack::CarrierCode,
        .partnerSearch = QStringLiteral("CarrierSearch"),
        .entryMode = QStringLiteral("HaraiInp"),
        .entryCaption = QStringLiteral("下払伝票"),
        .formHeading = QStringLiteral("【 取引先　（傭車先） 】"),
        .dueDateCaption = QStringLiteral("請求日付"),
        .partnerNameCaption = QStringLiteral("傭車先名"),
        .amountCaption = QStringLiteral("支払金額"),
        .listAmountCaption = QStringLiteral("支払金額"),
        .searchCaption = QStringLiteral("下払伝票検索"),
        .searchQuery = QStringLiteral("Q_HIT3SK"),
        .searchColumns = {{"HYMD", "配送日付"},
                          {"THYMD", "降し日"},
                          {"SHBAN", "車番"},
                          {"YNAME", "傭車先名"},
                          {"YKING", "傭車料"},
                          {"SHIYO", "仕入費用"},
                          {"SKING", "傭車合計"}},
        .listMode = QStringLiteral("RepHarai"),
        .listCaption = QStringLiteral("支払一覧"),
        .listQuery = QStringLiteral("Q_HIT3R"),
        .printMode = QStringLiteral("SelSime2"),
        .printHeading = QStringLiteral("支払一覧選択"),
        .printout = QStringLiteral("QR_Harai"),
        .printTitle = QStringLiteral("支払伝票一覧表"),
        .partnerTitle = QStringLiteral("傭車先"),
        .partnerKindLine = QStringLiteral("AND (KY_KBN <> '1' OR KY_KBN IS NULL)"),
    };
    return side;
}

}  // namespace vantir
