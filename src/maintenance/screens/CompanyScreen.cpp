#include "maintenance/screens/CompanyScreen.h"

#include "data/DataModule1.h"
#include "platform/dataset/TableDataset.h"

namespace vantir {

CompanyScreen::CompanyScreen(DataModule1& dm1, Messages& messages, QWidget* parent)
    : SettingsRecordScreen(messages, parent) {
    setObjectName(QStringLiteral("Cop_Dat"));
    setWindowTitle(QStringLiteral("会社情報"));
    TableDataset& company = dm1.table(QStringLiteral("COP_DAT"));
    openDataset(company);
    company.first();
    const InputMode hiragana = InputMode::Hiragana;
    build(
        company,
        {
            {.column = "CODE", .caption = "認識コード"},
            {.column = "CNAME", .caption = "会社名", .input = hiragana},
            {.column = "CZIP", .caption = "郵便番号"},
            {.column = "CADD1", .caption = "住所１", .input = hiragana},
            {.column = "CADD2", .caption = "住所２", .input = hiragana},
            {.column = "CTEL", .caption = "TEL"},
            {.column = "CFAX", .caption = "FAX"},
            {.column = "CBANK", .caption = "口座番号等", .input = hiragana},
            {.column = "CETC", .caption = "キャッチ", .input = hiragana},
            {.column = "RPT_FLG",
             .caption = "印刷フラグ",
             .legend = "0 = Ａ４汎用紙 / 1 = 10*11連続帳票"},
            {.column = "RPT_FLG2", .caption = "指定伝票", .legend = "0 = 白紙用紙 / 1 = 専用伝票"},
        });
}

}  // namespace vantir
