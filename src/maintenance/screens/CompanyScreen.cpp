#include "maintenance/screens/CompanyScreen.h"

#include "data/DataModule1.h"
#include "platform/dataset/TableDataset.h"

namespace vantir {

namespace {

struct CompanyField {
    const char* column;
    const char* caption;
    InputMode mode;
    const char* legend;
};

constexpr CompanyField kFields[] = {
    {"CODE", "認識コード", InputMode::Direct, ""},
    {"CNAME", "会社名", InputMode::Hiragana, ""},
    {"CZIP", "郵便番号", InputMode::Direct, ""},
    {"CADD1", "住所１", InputMode::Hiragana, ""},
    {"CADD2", "住所２", InputMode::Hiragana, ""},
    {"CTEL", "TEL", InputMode::Direct, ""},
    {"CFAX", "FAX", InputMode::Direct, ""},
    {"CBANK", "口座番号等", InputMode::Hiragana, ""},
    {"CETC", "キャッチ", InputMode::Hiragana, ""},
    {"RPT_FLG", "印刷フラグ", InputMode::Direct, "0 = Ａ４汎用紙 / 1 = 10*11連続帳票"},
    {"RPT_FLG2", "指定伝票", InputMode::Direct, "0 = 白紙用紙 / 1 = 専用伝票"},
};

}  // namespace

CompanyScreen::CompanyScreen(DataModule1& dm1, Messages& messages, QWidget* parent)
    : SettingsRecordScreen(dm1.table(QStringLiteral("COP_DAT")), messages, parent) {
    setObjectName(QStringLiteral("Cop_Dat"));
    setWindowTitle(QStringLiteral("会社情報"));
    TableDataset& company = dm1.table(QStringLiteral("COP_DAT"));
    openDataset(company);
    company.first();
    for (const CompanyField& field : kFields) {
        addField(QString::fromUtf8(field.column), QString::fromUtf8(field.caption), field.mode,
                 QString::fromUtf8(field.legend));
    }
}

}  // namespace vantir
