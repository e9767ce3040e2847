#include "masters/rules/CodeMasterDescription.h"

namespace vantir {

CodeMasterDescription CodeMasterDescription::staff() {
    return {
        .modeName = QStringLiteral("Tan_mas"),
        .caption = QStringLiteral("担当者マスタ"),
        .table = QStringLiteral("HIMAS2"),
        .codeColumn = QStringLiteral("TANCOD"),
        .codeCaption = QStringLiteral("&T 担当者CD"),
        .nameColumn = QStringLiteral("TANMEI"),
        .nameCaption = QStringLiteral("担当者名"),
        .listCodeTitle = QStringLiteral("担当者CD"),
        .listNameTitle = QStringLiteral("担当者名"),
        .codeRegistered = QStringLiteral("担当者コードは登録済です。"),
    };
}

CodeMasterDescription CodeMasterDescription::branch() {
    return {
        .modeName = QStringLiteral("Ten_mas"),
        .caption = QStringLiteral("店所マスタ"),
        .table = QStringLiteral("HIMAS1"),
        .codeColumn = QStringLiteral("TENCOD"),
        .codeCaption = QStringLiteral("&T 店所ｺｰﾄﾞ"),
        .nameColumn = QStringLiteral("TENMEI"),
        .nameCaption = QStringLiteral("営業所名"),
        .listCodeTitle = QStringLiteral("店所CD"),
        .listNameTitle = QStringLiteral("営業所名"),
        .codeRegistered = QStringLiteral("店所コードは登録済です。"),
    };
}

}  // namespace vantir
