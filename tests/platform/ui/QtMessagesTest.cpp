#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "platform/ui/QtMessages.h"

namespace vantir::test {
namespace {

struct ShownBox {
    QString caption;
    QString text;
    qsizetype buttons = 0;
};

// Answers the box about to be shown with the button, recording what the box showed.
void answerNextBox(QMessageBox::StandardButton answer, ShownBox& shown) {
    QTimer::singleShot(0, [&shown, answer] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(window);
            if (!box || !box->isVisible()) continue;
            shown = {box->windowTitle(), box->text(), box->buttons().size()};
            box->button(answer)->click();
        }
    });
}

TEST(QtMessagesTest, AQuestionGoesOnOnlyOnTheAnswerItNames) {
    QtMessages messages;
    for (const auto& [button, yes] :
         {std::pair{QMessageBox::Yes, true}, std::pair{QMessageBox::No, false}}) {
        ShownBox shown;
        answerNextBox(button, shown);
        EXPECT_EQ(messages.question("削除してよろしいですか？", "削除"), yes);
        EXPECT_EQ(shown.caption, "削除");
        EXPECT_EQ(shown.text, "削除してよろしいですか？");
        EXPECT_EQ(shown.buttons, 2);
    }
}

TEST(QtMessagesTest, NoticesAndErrorsShowTheirTextWithAnOkButton) {
    QtMessages messages;
    const QString error = "UNIQUE constraint failed: SAMPLE.CODE";
    const QString notice = "取引先コードは登録済です。";
    ShownBox shown;
    answerNextBox(QMessageBox::Ok, shown);
    messages.error(error);
    EXPECT_EQ(shown.text, error);
    EXPECT_EQ(shown.buttons, 1);
    answerNextBox(QMessageBox::Ok, shown);
    messages.notice(notice);
    EXPECT_EQ(shown.text, notice);
    EXPECT_EQ(shown.buttons, 1);
}

}  // namespace
}  // namespace vantir::test
