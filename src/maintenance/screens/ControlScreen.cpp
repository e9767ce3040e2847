#include "maintenance/screens/ControlScreen.h"

#include "data/DataModule1.h"
#include "maintenance/rules/ControlRecord.h"
#include "platform/dataset/TableDataset.h"
#include "platform/ui/BoundLineEdit.h"
#include "platform/ui/FieldHooks.h"
#include "platform/ui/KeyHandler.h"
#include "platform/ui/LookupComboBox.h"
#include "platform/ui/RecordBar.h"
#include "platform/system/Messages.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vantir {

namespace {

struct ControlField {
    const char* column;
    const char* caption;
    const char* legend;  // lines of the legend beside the field
};

constexpr ControlField kFields[] = {
    {"CODE", "コード", ""},
    {"VSIM", "自社締日", "末締 = 99"},
    {"VSIT", "支払サイト", "当月 = 0 / 翌月 = 1\n翌々月 = 2"},
    {"VYOT", "支払予定日", "末日 = 99"},
    {"VKETU", "決算月", ""},
    {"VTCD", "営業所ＣＤ", ""},
    {"VPRN", "印刷選択", "1 = 自社名印刷"},
    {"VHEN", "IMEモード", "0 = ローマ字変換\n1 = カナ変換"},
    {"VSUB", "予備", ""},
};

}  // namespace

ControlScreen::ControlScreen(DataModule1& dm1, Messages& messages, QWidget* parent)
    : Screen(messages, parent) {
    setObjectName(QStringLiteral("S_Control"));
    setWindowTitle(QStringLiteral("コントロール"));
    TableDataset& control = dm1.table(QStringLiteral("S_CONTROL"));
    TableDataset& offices = dm1.table(QStringLiteral("HIMAS1"));
    openDataset(control);
    openDataset(offices);

    auto* form = new QFormLayout;
    QList<QWidget*> sequence;
    for (const ControlField& field : kFields) {
        const QString column = QString::fromUtf8(field.column);
        auto* box = new BoundLineEdit(control, column, messages, this);
        box->setObjectName(QStringLiteral("Edit") + column);
        box->setInputMode(InputMode::Direct);
        auto* row = new QHBoxLayout;
        row->addWidget(box);
        if (column == QStringLiteral("VTCD")) {
            // The office chosen by name writes its code into VTCD.
            auto* officeList = new LookupComboBox(control, column, offices, QStringLiteral("TENCOD"),
                                                  QStringLiteral("TENMEI"), messages, this);
            officeList->setObjectName(QStringLiteral("ComboVTCD"));
            row->addWidget(officeList);
            keys().setMovesLike(officeList, box);
        }
        if (*field.legend) {
            auto* legend = new QLabel(QString::fromUtf8(field.legend), this);
            legend->setObjectName(QStringLiteral("Legend") + column);
            row->addWidget(legend);
        }
        row->addStretch(1);
        form->addRow(QString::fromUtf8(field.caption), row);
        if (column == QStringLiteral("CODE")) {
            box->setReadOnly(true);
            box->hooks().setEnterHook([this, &control] {
                const Result result = ControlRecord::enterCode(control);
                if (!result) this->messages().notice(result.message);
            });
        }
        if (column == QStringLiteral("VSUB")) {
            // The spare column is kept but not offered.
            box->hide();
            form->labelForField(row)->hide();
            continue;
        }
        sequence.append(box);
    }

    bar_ = new RecordBar(control, messages, QStringLiteral("DBNavigator1"), this);
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

    // Enter walks the fields; no step characters, so every value is typed as it is.
    keys().setSequence(sequence);
}

}  // namespace vantir
