#include "masters/rules/GassanSide.h"

namespace vantir {

const GassanSide& GassanSide::customer() {
    static const GassanSide side{
        .modeName = QStringLiteral("GassanE"),
        .caption = QStringLiteral("得意先合算マスタ"),
        .monthlyTable = QStringLiteral("HIMAS31"),
        .codeColumn = QStringLiteral("KCODE"),
        .codeCaption = QStringLiteral("得意先"),
        .codePlaceholder = QStringLiteral("得意先CD"),
        .shortCodeMessage = QStringLiteral("得意先コードを入力して下さい。"),
        .searchName = QStringLiteral("CustomerSearch"),
        .handBack = HandBack::CustomerCode,
        .nameLookup = NameLookup::kCustomer,
    };
    return side;
}

const GassanSide& GassanSide::carrier() {
    static const GassanSide side{
        .modeName = QStringLiteral("GassanS"),
        .caption = QStringLiteral("仕入先合算マスタ"),
        .monthlyTable = QStringLiteral("HIMAS32"),
        .codeColumn = QStringLiteral("YCODE"),
        .codeCaption = QStringLiteral("傭車先"),
        .codePlaceholder = QStringLiteral("傭車先CD"),
        .shortCodeMessage = QStringLiteral("傭車先コードを入力して下さい。"),
        .searchName = QStringLiteral("CarrierSearch"),
        .handBack = HandBack::CarrierCode,
        .nameLookup = NameLookup::kCarrier,
    };
    return side;
}

}  // namespace vantir
