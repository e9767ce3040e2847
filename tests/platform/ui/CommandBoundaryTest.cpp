#include "SampleScreenTest.h"
#include "platform/db/DbError.h"
#include "platform/ui/BoundLineEdit.h"
#include "platform/ui/CommandBoundary.h"
#include "platform/ui/FieldHooks.h"

namespace vantir::test {
namespace {

using CommandBoundaryTest = SampleScreenTest;

// A command's database error or refusal is shown, as an error or as a notice, and the
// cursor goes to the field the refusal names; a refusal without a message only moves it.
TEST_F(CommandBoundaryTest, ACommandsErrorOrRefusalIsShownAndTheCursorPlaced) {
    const struct {
        const char* name;
        CommandBoundary::Action action;
        const char* shown;  // "" for nothing
        const char* cursor;
    } cases[] = {
        {"database error",
         []() -> Result { throw DbError(QStringLiteral("ディスクがいっぱいです")); },
         "error:ディスクがいっぱいです", "EditCODE"},
        {"refusal", [] { return Result::failure("数量を入力して下さい。", "QTY"); },
         "error:数量を入力して下さい。", "EditQTY"},
        {"notice", [] { return Result::notice("確認して下さい。", "kana"); },
         "notice:確認して下さい。", "EditKANA"},
        {"refusal without a field", [] { return Result::failure("登録できません。"); },
         "error:登録できません。", "EditCODE"},
        {"silent refusal", [] { return Result::failure({}, "TANCOD"); }, "", "EditTANCOD"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        messages.shown.clear();
        focus("EditCODE");
        EXPECT_FALSE(screen->runCommand(c.action));
        EXPECT_EQ(messages.shown.join('|').toStdString(), c.shown);
        EXPECT_EQ(focusName(), c.cursor);
    }
    messages.shown.clear();
    bool ran = false;
    EXPECT_TRUE(screen->runCommand([&] { ran = true; }));
    EXPECT_TRUE(ran);
    EXPECT_TRUE(messages.shown.isEmpty());
}

// The rules of a field run through the same boundary: a database error or a refusal
// keeps the cursor in the field with the message shown, a notice on the way lets it go
// on, and an enter rule's error is shown.
TEST_F(CommandBoundaryTest, AFieldsRulesAreShownByTheBoundary) {
    FieldHooks& kana = widget<BoundLineEdit>("EditKANA")->hooks();
    const struct {
        const char* name;
        FieldHooks::LeaveHook leave;
        const char* shown;
        const char* cursor;
    } cases[] = {
        {"database error", []() -> Leave { throw DbError(QStringLiteral("読めません")); },
         "error:読めません", "EditKANA"},
        {"refusal", [] { return Result::notice("'ｱ' は整数ではありません", "KANA"); },
         "notice:'ｱ' は整数ではありません", "EditKANA"},
        {"told on the way", [] { return Leave::goAfter(Result::notice("登録済です。")); },
         "notice:登録済です。", "EditQTY"},
        {"silent stay", [] { return Leave::Stay; }, "", "EditKANA"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        messages.shown.clear();
        kana.setLeaveHook(c.leave);
        focus("EditKANA");
        press(Qt::Key_Return);
        EXPECT_EQ(messages.shown.join('|').toStdString(), c.shown);
        EXPECT_EQ(focusName(), c.cursor);
    }

    messages.shown.clear();
    widget<BoundLineEdit>("EditCHKDAY")->hooks().setEnterHook([] {
        return Result::failure("日付を確認して下さい。");
    });
    focus("EditCHKDAY");
    EXPECT_EQ(messages.shown, QStringList{"error:日付を確認して下さい。"});
    EXPECT_EQ(focusName(), "EditCHKDAY");
}

}  // namespace
}  // namespace vantir::test
