#include "maintenance/screens/ControlScreen.h"

#include "data/DataModule1.h"
#include "maintenance/rules/ControlRecord.h"
#include "platform/dataset/TableDataset.h"
#include "platform/system/Messages.h"
#include "platform/ui/BoundLineEdit.h"
#include "platform/ui/FieldHooks.h"
#include "platform/ui/LookupComboBox.h"

namespace vantir {

ControlScreen::ControlScreen(DataModule1& dm1, Messages& messages, QWidget* parent)
    : SettingsRecordScreen(dm1.table(QStringLiteral("S_CONTROL")), messages, parent) {
    setObjectName(QStringLiteral("S_Control"));
    setWindowTitle(QStringLiteral("コントロール"));
    TableDataset& control = dm1.table(QStringLiteral("S_CONTROL"));
    TableDataset& offices = dm1.table(QStringLiteral("HIMAS1"));
    openDataset(control);
    openDataset(offices);

    BoundLineEdit* code =
        addField(QStringLiteral("CODE"), QStringLiteral("コード"), InputMode::Direct);
    code->setReadOnly(true);
    code->hooks().setEnterHook([this, &control] {
        const Result result = ControlRecord::enterCode(control);
        if (!result) this->messages().notice(result.message);
    });
    addField(QStringLiteral("VSIM"), QStringLiteral("自社締日"), InputMode::Direct,
             QStringLiteral("末締 = 99"));
    addField(QStringLiteral("VSIT"), QStringLiteral("支払サイト"), InputMode::Direct,
             QStringLiteral("当月 = 0 / 翌月 = 1\n翌々月 = 2"));
    addField(QStringLiteral("VYOT"), QStringLiteral("支払予定日"), InputMode::Direct,
             QStringLiteral("末日 = 99"));
    addField(QStringLiteral("VKETU"), QStringLiteral("決算月"), InputMode::Direct);
    // The office chosen by name writes its code into VTCD.
    auto* officeList =
        new LookupComboBox(control, QStringLiteral("VTCD"), offices, QStringLiteral("TENCOD"),
                           QStringLiteral("TENMEI"), messages, this);
    officeList->setObjectName(QStringLiteral("ComboVTCD"));
    addField(QStringLiteral("VTCD"), QStringLiteral("営業所ＣＤ"), InputMode::Direct, {},
             officeList);
    addField(QStringLiteral("VPRN"), QStringLiteral("印刷選択"), InputMode::Direct,
             QStringLiteral("1 = 自社名印刷"));
    addField(QStringLiteral("VHEN"), QStringLiteral("IMEモード"), InputMode::Direct,
             QStringLiteral("0 = ローマ字変換\n1 = カナ変換"));
    hideField(addField(QStringLiteral("VSUB"), QStringLiteral("予備"), InputMode::Direct));
}

}  // namespace vantir
