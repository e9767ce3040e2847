#include "maintenance/screens/CompanyScreen.h"

#include "data/DataModule1.h"
#include "platform/dataset/TableDataset.h"
#include "platform/ui/BoundLineEdit.h"
#include "platform/ui/KeyHandler.h"
#include "platform/ui/RecordBar.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

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
    : Screen(messages, parent) {
    setObjectName(QStringLiteral("Cop_Dat"));
    setWindowTitle(QStringLiteral("会社情報"));
    TableDataset& company = dm1.table(QStringLiteral("COP_DAT"));
    openDataset(company);
    company.first();

    auto* form = new QFormLayout;
    QList<QWidget*> sequence;
    for (const CompanyField& field : kFields) {
        const QString column = QString::fromUtf8(field.column);
        auto* box = new BoundLineEdit(company, column, messages, this);
        box->setObjectName(QStringLiteral("Edit") + column);
        box->setInputMode(field.mode);
        auto* row = new QHBoxLayout;
        row->addWidget(box);
        if (*field.legend) {
            auto* legend = new QLabel(QString::fromUtf8(field.legend), this);
            legend->setObjectName(QStringLiteral("Legend") + column);
            row->addWidget(legend);
        }
        row->addStretch(1);
        form->addRow(QString::fromUtf8(field.caption), row);
        sequence.append(box);
    }

    bar_ = new RecordBar(company, messages, QStringLiteral("DBNavigator1"), this);
    bar_->setVisibleButtons({RecordBar::Post, RecordBar::Cancel});
    auto* close = new QPushButton(QStringLiteral("閉じる"), this);
    close->setObjectName(QStringLiteral("btnClose"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(bar_);
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);

    // Enter walks the fields; "-" is not a step key here, as postal codes and telephone
    // numbers are typed with it.
    keys().setSequence(sequence);
}

}  // namespace vantir
