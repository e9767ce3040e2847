#include <gtest/gtest.h>

#include "app/shell/CommandTable.h"

namespace vantir::test {
namespace {

// Exactly two rows of the table are hidden: the "*" of group 2 and the payment slip print
// of group 7, which keeps its command, mode and report although no menu choice shows it.
TEST(CommandTableTest, HidesOnlyTheRowsMarkedHidden) {
    const CommandTable table;
    QStringList hidden;
    for (const MenuCommand& command : table.commands()) {
        if (!command.visible)
            hidden << QStringLiteral("%1/%2").arg(command.group).arg(command.button);
    }
    EXPECT_EQ(hidden, QStringList({"7/btnMS5", "2/btnMS4"}));

    const MenuCommand* furiDen = table.find(7, QStringLiteral("btnMS5"));
    ASSERT_NE(furiDen, nullptr);
    EXPECT_EQ(furiDen->commandName, "Act_QR_Furi_Den");
    EXPECT_EQ(furiDen->modeName, "QR_Furi_Den");
    EXPECT_EQ(furiDen->reportName, "QR_Furi_Den");
    EXPECT_EQ(furiDen->kind, CommandKind::OpenScreen);
    EXPECT_EQ(table.findByMode(QStringLiteral("QR_Furi_Den")), furiDen);
}

}  // namespace
}  // namespace vantir::test
