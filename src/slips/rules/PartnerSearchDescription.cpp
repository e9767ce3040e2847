#include "slips/rules/PartnerSearchDescription.h"

namespace vantir {

PartnerSearchDescription PartnerSearchDescription::customer() {
    return {
        .name = QStringLiteral("CustomerSearch"),
        .caption = QStringLiteral("得意先検索"),
        .query = QStringLiteral("Q_HIM3TSK"),
        .codeColumn = QStringLiteral("KCODE"),
        .codeTitle = QStringLiteral("得CD"),
        // Everything but the carriers only: customers, both sides, and kinds never set.
        .kindCondition = QStringLiteral("WHERE (KY_KBN <> '2') OR (KY_KBN Is Null)"),
        .sortKeys = {QStringLiteral("得コード順"), QStringLiteral("フリガナ順"),
                     QStringLiteral("郵便番号順"), QStringLiteral("電話番号順")},
        .code = HandBack::CustomerCode,
        // Customers are looked up by their reading; the direction is the one a chosen sort
        // key gets, so that "実行" lists in the order the boxes show.
        .opening = {SearchKind::Kana, SortKey::Kana, SortDirection::Ascending},
    };
}

PartnerSearchDescription PartnerSearchDescription::carrier() {
    return {
        .name = QStringLiteral("CarrierSearch"),
        .caption = QStringLiteral("傭車先検索"),
        .query = QStringLiteral("Q_HIM3YSK"),
        .codeColumn = QStringLiteral("YCODE"),
        .codeTitle = QStringLiteral("傭CD"),
        // Everything but the customers only.
        .kindCondition = QStringLiteral("WHERE (KY_KBN <> '1') OR (KY_KBN Is Null)"),
        .sortKeys = {QStringLiteral("傭車コード順"), QStringLiteral("フリガナ順"),
                     QStringLiteral("郵便番号順"), QStringLiteral("電話番号順")},
        .code = HandBack::CarrierCode,
        .opening = {},
    };
}

}  // namespace vantir
