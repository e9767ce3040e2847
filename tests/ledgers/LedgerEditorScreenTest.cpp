#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>

#include "LedgerLines.h"
#include "ledgers/screens/LedgerEditorScreen.h"
#include "platform/dataset/TableDataset.h"
#include "platform/ui/DatasetGrid.h"
#include "platform/ui/RecordBar.h"
#include "support/FixedToday.h"
#include "support/ShownScreenTest.h"

namespace vantir::test {
namespace {

// The editors as the menu opens them over the lines of LedgerLines.h, today 10 April
// 2024: closing day 20, month 24/03, partner 000001 (carrier code 000011) with two lines.
class LedgerEditorScreenTest : public ShownScreenTest {
  protected:
    void SetUp() override { seedLedgerLines(dm1.database()); }

    void open(const LedgerEditorDescription& description) {
        screen.reset();
        appState.EditPName = description.modeName;
        show(std::make_unique<LedgerEditorScreen>(description, dm1, messages));
    }
    QString text(const QString& name) const { return widget<QLineEdit>(name)->text(); }
    QStringList totals() const {
        QStringList texts;
        for (int i = 1; auto* box = screen->findChild<QLineEdit*>(QStringLiteral("REdit%1").arg(i));
             ++i)
            texts << box->text();
        return texts;
    }
    QStringList shownCaptions(const char* bar) const {
        QStringList captions;
        for (int b = 0; b < RecordBar::kButtonCount; ++b) {
            const QPushButton* button = widget<RecordBar>(bar)->button(RecordBar::Button(b));
            if (button->isVisible()) captions << button->text() + u'|' + button->toolTip();
        }
        return captions;
    }
    DatasetGrid* grid() const { return widget<DatasetGrid>("DBGrid1"); }
    QString hint() const { return widget<QStatusBar>("StatusBar1")->toolTip(); }

    FixedToday today{"2024-04-10"};
};

TEST_F(LedgerEditorScreenTest, EachEditorOpensOnItsFirstPartnersLinesWithItsColumnsAndBars) {
    struct Case {
        const LedgerEditorDescription* description;
        const char* partnerBox;
        const char* partner;
        QStringList titles;
        QStringList totals;
    };
    const QStringList first{"配送日", "発地", "着地", "屯", "車番"};
    for (const Case& c :
         {Case{&LedgerEditorDescription::sales(), "EditKCODE", "000001",
               first + QStringList{"傭車先", "運賃", "費用", "入金額", "予備"},
               {"3000", "30", "1500", "3"}},
          Case{&LedgerEditorDescription::purchases(), "EditYCODE", "000011",
               first + QStringList{"得意先", "運賃", "費用", "支払額"},
               {"3000", "30", "1500", "3"}},
          Case{&LedgerEditorDescription::receipts(), "EditKCODE", "000001",
               first + QStringList{"傭車先", "入金額", "手数料"}, {"3000", "30"}},
          Case{&LedgerEditorDescription::payments(), "EditYCODE", "000011",
               first + QStringList{"傭車先", "支払額", "費用"}, {"300", "3"}}}) {
        SCOPED_TRACE(c.description->modeName.toStdString());
        open(*c.description);
        EXPECT_EQ(screen->objectName(), c.description->modeName);
        EXPECT_EQ(screen->windowTitle(), c.description->caption);
        EXPECT_EQ(text("EditSime"), "20");
        EXPECT_EQ(text("EditTsuki"), "24/03");
        EXPECT_EQ(text("Edit1"), "");
        EXPECT_EQ(focusName(), "EditSime");
        EXPECT_EQ(text(QString::fromLatin1(c.partnerBox)), QString::fromLatin1(c.partner));
        EXPECT_EQ(text("EditKNAME"), "甲運輸");
        EXPECT_EQ(widget<QPushButton>("btnSelect")->text(), "選択表示");
        EXPECT_EQ(widget<QPushButton>("btnClose")->text(), "&Q 閉じる");

        const QAbstractItemModel* lines = grid()->model();
        QStringList titles;
        for (int column = 0; column < lines->columnCount(); ++column)
            titles << lines->headerData(column, Qt::Horizontal).toString();
        EXPECT_EQ(titles, c.titles);
        EXPECT_EQ(lines->rowCount(), 2);
        EXPECT_FALSE(lines->flags(lines->index(0, 0)) & Qt::ItemIsEditable) << "DDAY";
        EXPECT_TRUE(lines->flags(lines->index(0, 1)) & Qt::ItemIsEditable) << "HATTI";
        EXPECT_FALSE(lines->flags(lines->index(0, 5)) & Qt::ItemIsEditable) << "the name";
        EXPECT_EQ(totals(), c.totals);
        EXPECT_EQ(hint(), "");

        EXPECT_EQ(shownCaptions("DBNavigator1"),
                  (QStringList{"先頭|先頭", "前行|前行", "次行|次行", "最後|最後"}));
        EXPECT_EQ(shownCaptions("DBNavigator2"), (QStringList{"&A 追加|&A 追加", "&D 削除|&D 削除",
                                                              "&O 登録|&O 登録", "&C 取消|&C 取消"}));
        EXPECT_TRUE(messages.shown.isEmpty()) << messages.shown.join(u' ').toStdString();
    }
}

// Enter and Page Down walk 締日 → 月度 → code → 選択表示, Page Up walks back; Enter on the
// button selects the typed partner and puts the cursor in the grid, where Enter goes on
// to the next column.
TEST_F(LedgerEditorScreenTest, TheKeysWalkTheSelectionAndEnterGoesOnAlongTheGrid) {
    open(LedgerEditorDescription::sales());
    press(Qt::Key_Return);
    EXPECT_EQ(focusName(), "EditTsuki");
    press(Qt::Key_PageDown);
    EXPECT_EQ(focusName(), "Edit1");
    press(Qt::Key_PageUp);
    EXPECT_EQ(focusName(), "EditTsuki");
    press(Qt::Key_PageUp);
    EXPECT_EQ(focusName(), "EditSime");
    press(Qt::Key_PageDown);
    press(Qt::Key_Return);
    type("000003");
    press(Qt::Key_Return);
    EXPECT_EQ(focusName(), "btnSelect");
    press(Qt::Key_Return);

    EXPECT_EQ(focusName(), "DBGrid1");
    EXPECT_EQ(text("EditKCODE"), "000003");
    EXPECT_EQ(text("EditKNAME"), "丙物流");
    EXPECT_EQ(grid()->model()->rowCount(), 1);
    EXPECT_EQ(totals(), (QStringList{"5000", "50", "4000", "5"}));

    grid()->setCurrentIndex(grid()->model()->index(0, 1));
    press(Qt::Key_Return);
    EXPECT_EQ(grid()->currentIndex().column(), 2);
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.shown.join(u' ').toStdString();
}

// The sales and payment navigators step through the partners, each step selecting its
// lines; the purchase and receipt navigators step through the lines and keep the partner.
TEST_F(LedgerEditorScreenTest, TheTopNavigatorStepsPartnersOrLinesBySide) {
    struct Case {
        const LedgerEditorDescription* description;
        const char* partnerBox;
        const char* partnerAfterNext;
        int linesAfterNext;
    };
    for (const Case& c : {Case{&LedgerEditorDescription::sales(), "EditKCODE", "000002", 0},
                          Case{&LedgerEditorDescription::payments(), "EditYCODE", "000012", 0},
                          Case{&LedgerEditorDescription::purchases(), "EditYCODE", "000011", 2},
                          Case{&LedgerEditorDescription::receipts(), "EditKCODE", "000001", 2}}) {
        SCOPED_TRACE(c.description->modeName.toStdString());
        open(*c.description);
        widget<RecordBar>("DBNavigator1")->button(RecordBar::Next)->click();

        EXPECT_EQ(text(QString::fromLatin1(c.partnerBox)), QString::fromLatin1(c.partnerAfterNext));
        EXPECT_EQ(grid()->model()->rowCount(), c.linesAfterNext);
        if (c.linesAfterNext == 0) {
            EXPECT_EQ(totals().first(), "0");
            EXPECT_EQ(hint(), "該当するデータがありません。");
        } else {
            EXPECT_EQ(grid()->currentIndex().row(), 1) << "the second line";
            EXPECT_EQ(hint(), "");
        }
    }
}

// A cell typed into and posted is stored at once and counted in the totals; a deleted
// line goes from both after the question, and stays when the answer is No.
TEST_F(LedgerEditorScreenTest, ALineEditedInTheGridOrDeletedShowsInTheTotals) {
    open(LedgerEditorDescription::sales());
    grid()->setFocus(Qt::OtherFocusReason);
    grid()->setCurrentIndex(grid()->model()->index(0, 6));  // UKING of 24/02/21
    type("1500");
    press(Qt::Key_Return);
    auto* bar = widget<RecordBar>("DBNavigator2");
    bar->button(RecordBar::Post)->click();
    EXPECT_EQ(stored("SELECT UKING FROM HITRANM WHERE DDAY = '24/02/21'").toLongLong(), 1500);
    EXPECT_EQ(totals().first(), "3500");

    messages.answers = {false};
    grid()->setCurrentIndex(grid()->model()->index(0, 1));
    bar->button(RecordBar::Delete)->click();
    EXPECT_EQ(grid()->model()->rowCount(), 2);
    bar->button(RecordBar::Delete)->click();
    EXPECT_EQ(messages.shown, (QStringList{"question:確認:レコードを削除してもよいですか？",
                                           "question:確認:レコードを削除してもよいですか？"}));
    EXPECT_EQ(grid()->model()->rowCount(), 1);
    EXPECT_EQ(totals(), (QStringList{"2000", "20", "800", "2"}));
}

// The receipt editor's month box drops Delete and the cursor keys; the others keep them.
TEST_F(LedgerEditorScreenTest, OnlyTheReceiptEditorsMonthBoxDropsTheEditingKeys) {
    for (const auto& [description, after] :
         {std::pair{&LedgerEditorDescription::receipts(), "324/0"},
          std::pair{&LedgerEditorDescription::sales(), "4/03"}}) {
        SCOPED_TRACE(description->modeName.toStdString());
        open(*description);
        auto* month = widget<QLineEdit>("EditTsuki");
        focus("EditTsuki");
        month->setText("24/0");
        month->setCursorPosition(0);
        press(Qt::Key_Delete);
        press(Qt::Key_End);
        type("3");
        EXPECT_EQ(month->text(), QString::fromLatin1(after));
    }
}

// Leaving the month box without a month tells so and lets the cursor go.
TEST_F(LedgerEditorScreenTest, LeavingAnEmptyMonthTellsAndKeepsTheLines) {
    open(LedgerEditorDescription::purchases());
    focus("EditTsuki");
    widget<QLineEdit>("EditTsuki")->clear();
    press(Qt::Key_Return);
    EXPECT_EQ(messages.shown, QStringList{"notice:締日又は月度に入力して下さい。"});
    EXPECT_EQ(focusName(), "Edit1");
    EXPECT_EQ(grid()->model()->rowCount(), 2);
}

}  // namespace
}  // namespace vantir::test
