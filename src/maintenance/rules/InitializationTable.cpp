#include "maintenance/rules/InitializationTable.h"

namespace vantir {

const QList<InitializationTable>& InitializationTable::all() {
    static const QList<InitializationTable> tables = {
        {QStringLiteral("営業所マスタ"), QStringLiteral("HIMAS1"), false},
        {QStringLiteral("担当者マスタ"), QStringLiteral("HIMAS2"), false},
        {QStringLiteral("取引先マスタ"), QStringLiteral("HIMAS3"), false},
        {QStringLiteral("取引先月次表"), QStringLiteral("HIMAS31"), false},
        {QStringLiteral("取引先残高表"), QStringLiteral("HIMAS33"), false},
        {QStringLiteral("配車票"), QStringLiteral("HITRAN1"), true},
        {QStringLiteral("入金伝票"), QStringLiteral("HITRAN2"), true},
        {QStringLiteral("下払伝票"), QStringLiteral("HITRAN3"), true},
        {QStringLiteral("得意先元帳"), QStringLiteral("HITRANM"), true},
        {QStringLiteral("傭車先元帳"), QStringLiteral("HITRANS"), true},
        {QStringLiteral("入金予定表"), QStringLiteral("HIMASH31"), false},
        {QStringLiteral("暫定ファイル"), QStringLiteral("HITRAN11"), true},
    };
    return tables;
}

}  // namespace vantir
