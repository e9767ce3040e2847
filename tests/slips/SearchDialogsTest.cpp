#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "data/HandBacks.h"
#include "platform/dataset/QueryDataset.h"
#include "platform/dataset/TableDataset.h"
#include "platform/ui/DatasetGrid.h"
#include "platform/ui/InputMode.h"
#include "slips/screens/PartnerSearchDialog.h"
#include "slips/screens/SlipSearchDialog.h"
#include "support/ShownScreenTest.h"

namespace vantir::test {
namespace {

// The searches as the program makes them at start, with three partners and the slip
// entry open under its mode, taking the codes the searches hand back.
class SearchDialogsTest : public ShownScreenTest {
  protected:
    void SetUp() override {
        seedRows(dm1.database(), "HIMAS3",
                 {{{"KCODE", "000001"},
                   {"YCODE", "100001"},
                   {"KY_KBN", "0"},
                   {"KNAME", "丸山運送"},
                   {"KANAMEI", "ﾏﾙﾔﾏｳﾝｿｳ"}},
                  {{"KCODE", "000002"},
                   {"YCODE", "100002"},
                   {"KY_KBN", "0"},
                   {"KNAME", "北斗物流"},
                   {"KANAMEI", "ﾎｸﾄﾌﾞﾂﾘｭｳ"}},
                  {{"KCODE", "000003"},
                   {"YCODE", "100003"},
                   {"KY_KBN", "0"},
                   {"KNAME", "丸山商事"},
                   {"KANAMEI", "ﾏﾙﾔﾏｼｮｳｼﾞ"}}});
        appState.EditPName = QStringLiteral("NippoInp");
        offers.offer(HandBack::CustomerCode, [this](const QString& code) { handed << code; });
        customerSearch = new PartnerSearchDialog(PartnerSearchDescription::customer(), dm1,
                                                 appState, handBacks, messages);
        screen.reset(customerSearch);
    }

    QueryDataset& customers() { return dm1.query(QStringLiteral("Q_HIM3TSK")); }
    QComboBox* box(const char* name) const { return widget<QComboBox>(name); }
    // The user picks an item of a box.
    void choose(const char* name, int item) const {
        box(name)->setCurrentIndex(item);
        Q_EMIT box(name)->activated(item);
    }
    void click(const char* name) const { widget<QPushButton>(name)->click(); }
    QStringList listedNames() const {
        const DatasetTableModel& model = widget<DatasetGrid>("DBGrid1")->tableModel();
        QStringList names;
        for (int row = 0; row < model.rowCount(); ++row)
            names << model.data(model.index(row, 1), Qt::DisplayRole).toString();
        return names;
    }

    HandBacks handBacks;
    HandBackOffers offers{handBacks, QStringLiteral("NippoInp")};
    QStringList handed;
    PartnerSearchDialog* customerSearch = nullptr;
};

// Showing opens the query as it was left, at first in the reading order the boxes show;
// closing, by any way, closes it.
TEST_F(SearchDialogsTest, ShowingOpensTheQueryClosingClosesIt) {
    const std::function<void()> closings[] = {
        [&] { click("btnCancel"); },
        [&] { screen->close(); },
        [&] { press(Qt::Key_Escape); },
    };
    for (const auto& closeIt : closings) {
        show(std::move(screen));
        EXPECT_TRUE(customers().isOpen());
        EXPECT_EQ(listedNames(), (QStringList{"北斗物流", "丸山運送", "丸山商事"}));
        closeIt();
        EXPECT_FALSE(screen->isVisible());
        EXPECT_FALSE(customers().isOpen());
    }
    EXPECT_TRUE(handed.isEmpty());
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.shown.join('\n').toStdString();
}

// The customer search opens on the reading, typed in half-width katakana, in reading
// order ascending; the carrier search with every box blank.
TEST_F(SearchDialogsTest, OpeningBoxes) {
    show(std::move(screen));
    EXPECT_EQ(box("ComboKind")->currentText(), "フリガナ検索");
    EXPECT_EQ(box("ComboSort")->currentText(), "フリガナ順");
    EXPECT_EQ(box("ComboOrder")->currentText(), "正順");
    EXPECT_EQ(inputModeOf(*widget("EditSearch")), InputMode::HalfKatakana);

    show(std::make_unique<PartnerSearchDialog>(PartnerSearchDescription::carrier(), dm1, appState,
                                               handBacks, messages));
    EXPECT_EQ(screen->windowTitle(), "傭車先検索");
    for (const char* name : {"ComboKind", "ComboSort", "ComboOrder"})
        EXPECT_EQ(box(name)->currentIndex(), -1) << name;
    EXPECT_EQ(box("ComboSort")->itemText(0), "傭車コード順");
}

// A new search kind empties the box, sets its input mode and puts the cursor there; a
// new sort key starts ascending.
TEST_F(SearchDialogsTest, ChangingTheKindAndTheSortKey) {
    show(std::move(screen));
    struct Case {
        int item;
        InputMode mode;
    };
    for (const Case c : {Case{0, InputMode::Hiragana}, Case{2, InputMode::Direct},
                         Case{1, InputMode::HalfKatakana}}) {
        widget<QLineEdit>("EditSearch")->setText(QStringLiteral("丸山"));
        focus("ComboSort");
        choose("ComboKind", c.item);
        EXPECT_EQ(widget<QLineEdit>("EditSearch")->text(), "");
        EXPECT_EQ(inputModeOf(*widget("EditSearch")), c.mode);
        EXPECT_EQ(focusName(), "EditSearch");
    }
    choose("ComboOrder", 1);
    choose("ComboSort", 0);
    EXPECT_EQ(box("ComboOrder")->currentText(), "正順");
}

// What the user chose stays from one showing to the next, the list with it, until
// "初期化" blanks the boxes and lists every customer again.
TEST_F(SearchDialogsTest, TheSearchIsKeptBetweenShowings) {
    show(std::move(screen));
    choose("ComboKind", 0);
    type("丸山");
    choose("ComboSort", 0);
    choose("ComboOrder", 1);
    click("btnExecute");
    EXPECT_EQ(listedNames(), (QStringList{"丸山商事", "丸山運送"}));
    click("btnCancel");

    show(std::move(screen));
    EXPECT_EQ(box("ComboKind")->currentText(), "社名漢字検索");
    EXPECT_EQ(box("ComboSort")->currentText(), "得コード順");
    EXPECT_EQ(box("ComboOrder")->currentText(), "逆順");
    EXPECT_EQ(listedNames(), (QStringList{"丸山商事", "丸山運送"}));

    // An emptied box keeps the narrowing.
    widget<QLineEdit>("EditSearch")->clear();
    choose("ComboOrder", 0);
    click("btnExecute");
    EXPECT_EQ(listedNames(), (QStringList{"丸山運送", "丸山商事"}));

    click("btnReset");
    EXPECT_EQ(listedNames().size(), 3);
    for (const char* name : {"ComboKind", "ComboSort", "ComboOrder"})
        EXPECT_EQ(box(name)->currentIndex(), -1) << name;
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.shown.join('\n').toStdString();
}

// "確定" hands the current partner's code to the slip entry and closes; under a mode that
// takes no code it only closes.
TEST_F(SearchDialogsTest, ConfirmHandsBackAndCloses) {
    show(std::move(screen));
    choose("ComboSort", 0);
    click("btnExecute");
    widget<DatasetGrid>("DBGrid1")->selectRow(1);
    click("btnOK");
    EXPECT_EQ(handed, QStringList{"000002"});
    EXPECT_FALSE(screen->isVisible());
    EXPECT_FALSE(customers().isOpen());

    appState.EditPName = QStringLiteral("Tan_mas");
    show(std::move(screen));
    click("btnOK");
    EXPECT_EQ(handed, QStringList{"000002"});
    EXPECT_FALSE(screen->isVisible());
}

// The consolidation masters wait for the search: shown modally, "確定" ends the wait.
TEST_F(SearchDialogsTest, ShownModallyConfirmEndsTheWait) {
    QTimer::singleShot(0, customerSearch, [this] { click("btnOK"); });
    EXPECT_EQ(customerSearch->exec(), QDialog::Accepted);
    EXPECT_EQ(handed, QStringList{"000002"}) << "the first customer by reading";
    EXPECT_FALSE(customers().isOpen());
}

// The slip search: the slips the caller chose; "確定" narrows the slip table to one. A
// statement the database cannot run shows its message and an empty list.
TEST_F(SearchDialogsTest, SlipSearch) {
    seedRows(dm1.database(), "HITRAN1",
             {{{"CODE", "10"}, {"HYMD", "03/05/20"}, {"KNAME", "丸山運送"}},
              {{"CODE", "11"}, {"HYMD", "03/05/20"}, {"KNAME", "北斗物流"}}});
    QueryDataset& query = dm1.query(QStringLiteral("Q_HIT1SK"));
    query.setSql({"SELECT * FROM HITRAN1", "WHERE HYMD = '03/05/20'", "ORDER BY CODE DESC"});
    show(std::make_unique<SlipSearchDialog>(dm1, messages));
    EXPECT_EQ(screen->windowTitle(), "配車票検索");
    const DatasetTableModel& model = widget<DatasetGrid>("DBGrid1")->tableModel();
    ASSERT_EQ(model.rowCount(), 2);
    EXPECT_EQ(model.headerData(0, Qt::Horizontal, Qt::DisplayRole), "配送日付");
    EXPECT_EQ(model.data(model.index(1, 3), Qt::DisplayRole), "丸山運送");
    widget<DatasetGrid>("DBGrid1")->selectRow(1);
    click("btnOK");
    EXPECT_FALSE(screen->isVisible());
    EXPECT_FALSE(query.isOpen());
    EXPECT_EQ(dm1.table(QStringLiteral("HITRAN1")).filter(), "CODE = '10'");

    query.setSql({"SELECT * FROM HITRAN9"});
    show(std::move(screen));
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown.first().startsWith("error:"))
        << messages.shown.first().toStdString();
    EXPECT_EQ(model.rowCount(), 0);
}

}  // namespace
}  // namespace vantir::test
