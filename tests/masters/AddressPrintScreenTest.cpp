#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

#include "common/printing/PrintoutRegistry.h"
#include "common/printing/ReportLayoutSwitches.h"
#include "masters/rules/MasterPrintouts.h"
#include "masters/screens/AddressPrintScreen.h"
#include "platform/dataset/QueryDataset.h"
#include "support/ShownScreenTest.h"

namespace vantir::test {
namespace {

// The address print dialog over three partners, 000050, 000150 and 000250.
class AddressPrintScreenTest : public ShownScreenTest {
  protected:
    void SetUp() override {
        registerMasterPrintouts(registry);
        const auto partner = [](const char* code, const char16_t* name) -> SeedRow {
            return {{"KCODE", code}, {"KNAME", QString::fromUtf16(name)}, {"KZIP", "100-0001"}};
        };
        seedRows(dm1.database(), QStringLiteral("HIMAS3"),
                 {partner("000250", u"南運送"), partner("000050", u"北運輸"),
                  partner("000150", u"中物流")});
    }

    AddressPrintScreen& open(const char* mode) {
        auto opened = std::make_unique<AddressPrintScreen>(
            QString::fromLatin1(mode), appState, registry, PrintSources{dm1, dm2}, messages);
        AddressPrintScreen& dialog = *opened;
        show(std::move(opened));
        return dialog;
    }
    QStringList printedTexts(const AddressPrintScreen& dialog) {
        QStringList texts;
        for (const Page& page : dialog.preview()->pageModel().pages) texts << page.textValues();
        return texts;
    }

    PrintoutRegistry registry;
};

TEST_F(AddressPrintScreenTest, OpensWithTheWholeRangeAndItsCaptions) {
    open("QR_Address");

    EXPECT_EQ(screen->windowTitle(), QStringLiteral("住所録印刷"));
    EXPECT_EQ(widget<QLabel>(QStringLiteral("Label1"))->text(), QStringLiteral("住所録印刷"));
    EXPECT_EQ(widget<QLineEdit>(QStringLiteral("EditFrom"))->text(), QStringLiteral("0"));
    EXPECT_EQ(widget<QLineEdit>(QStringLiteral("EditTo"))->text(), QStringLiteral("999999"));
    EXPECT_EQ(widget<QPushButton>(QStringLiteral("btnPrint"))->text(), QStringLiteral("&P 印刷"));
    EXPECT_EQ(widget<QPushButton>(QStringLiteral("btnClose"))->text(), QStringLiteral("&Q 閉じる"));
    EXPECT_EQ(focusName(), QStringLiteral("EditFrom"));
}

// Each mode prints its own printout of the typed range; a second print replaces the first
// preview; the shared list is back in code order, all partners, afterwards.
TEST_F(AddressPrintScreenTest, PrintShowsTheModesPrintoutOfTheRangeAndReplacesThePreview) {
    AddressPrintScreen& dialog = open("QR_Add_LBL");
    widget<QLineEdit>(QStringLiteral("EditFrom"))->setText(QStringLiteral("000100"));
    widget<QLineEdit>(QStringLiteral("EditTo"))->setText(QStringLiteral("000300"));
    widget<QPushButton>(QStringLiteral("btnPrint"))->click();

    ASSERT_NE(dialog.preview(), nullptr);
    EXPECT_EQ(dialog.preview()->pageModel().title, QStringLiteral("取引先ラベル印刷"));
    EXPECT_EQ(printedTexts(dialog).filter(QStringLiteral("御中")),
              (QStringList{"中物流 御中", "南運送 御中"}));
    QueryDataset& list = dm1.query(QStringLiteral("Q_HIM3"));
    EXPECT_FALSE(list.isOpen());
    list.open();
    EXPECT_EQ(list.recordCount(), 3);
    list.close();

    const QPointer<ReportPreview> first = dialog.preview();
    widget<QLineEdit>(QStringLiteral("EditTo"))->setText(QStringLiteral("000050"));
    widget<QPushButton>(QStringLiteral("btnPrint"))->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());
    EXPECT_TRUE(printedTexts(dialog).filter(QStringLiteral("御中")).isEmpty())
        << "from greater than to prints nobody";
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(AddressPrintScreenTest, ReportFlagOneChoosesTheContinuousForm) {
    dm1.database().connection().execute(
        QStringLiteral("UPDATE COP_DAT SET RPT_FLG = '1' WHERE CODE = '1'"));
    readReportLayoutSwitches(dm1, appState);
    AddressPrintScreen& dialog = open("QR_Address");
    widget<QPushButton>(QStringLiteral("btnPrint"))->click();

    ASSERT_NE(dialog.preview(), nullptr);
    EXPECT_EQ(dialog.preview()->pageModel().pageSetup.pageSize(), QSizeF(240, 279.4));
    EXPECT_TRUE(printedTexts(dialog).contains(QStringLiteral("000150")));
}

TEST_F(AddressPrintScreenTest, ClosingTheDialogClosesItsPreview) {
    AddressPrintScreen& dialog = open("QR_Address");
    widget<QPushButton>(QStringLiteral("btnPrint"))->click();
    const QPointer<ReportPreview> preview = dialog.preview();
    ASSERT_FALSE(preview.isNull());

    screen->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(preview.isNull());
}

}  // namespace
}  // namespace vantir::test
