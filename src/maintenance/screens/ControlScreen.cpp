#include "maintenance/screens/ControlScreen.h"

#include "data/DataModule1.h"
#include "maintenance/rules/ControlRecord.h"
#include "platform/dataset/TableDataset.h"
#include "platform/ui/RecordBar.h"

namespace vantir {

ControlScreen::ControlScreen(DataModule1& dm1, Messages& messages, QWidget* parent)
    : SettingsRecordScreen(messages, parent) {
    setObjectName(QStringLiteral("S_Control"));
    setWindowTitle(QStringLiteral("コントロール"));
    Dataset& control = openDataset(dm1.table(QStringLiteral("S_CONTROL")));
    Dataset& offices = openDataset(dm1.table(QStringLiteral("HIMAS1")));
    build(
        control,
        {
            {.column = "CODE",
             .caption = "コード",
             .enter = [&control] { return ControlRecord::enterCode(control); },
             .readOnly = true},
            {.column = "VSIM", .caption = "自社締日", .legend = "末締 = 99"},
            {.column = "VSIT",
             .caption = "支払サイト",
             .legend = "当月 = 0 / 翌月 = 1\n翌々月 = 2"},
            {.column = "VYOT", .caption = "支払予定日", .legend = "末日 = 99"},
            {.column = "VKETU", .caption = "決算月"},
            {.column = "VTCD", .caption = "営業所ＣＤ"},
            // The office chosen by name writes its code into VTCD.
            {.column = "VTCD",
             .list = {&offices, "TENCOD", "TENMEI"},
             .inEnterSequence = false,
             .movesLike = "VTCD"},
            {.column = "VPRN", .caption = "印刷選択", .legend = "1 = 自社名印刷"},
            {.column = "VHEN", .caption = "IMEモード", .legend = "0 = ローマ字変換\n1 = カナ変換"},
            {.column = "VSUB", .caption = "予備", .hidden = true},
        });
    recordBar().setBeforePost([&control] { return ControlRecord::beforePost(control); });
}

}  // namespace vantir
