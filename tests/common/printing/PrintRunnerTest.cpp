#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "TestPrintouts.h"
#include "common/printing/PrintCommandLine.h"
#include "common/printing/PrintError.h"
#include "common/printing/PrintRunner.h"
#include "common/printing/PrintoutRegistry.h"
#include "common/printing/ReportLayoutSwitches.h"
#include "data/DataModule2.h"
#include "platform/dataset/QueryDataset.h"
#include "platform/report/PageModelDump.h"
#include "platform/report/ReportPreview.h"
#include "support/DataModuleTest.h"
#include "support/FixedToday.h"
#include "support/QtPrinters.h"
#include "support/ReferenceText.h"
#include "support/Seed.h"

namespace vantir::test {
namespace {

QString readText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// Runs a poppler tool and returns what it printed; empty when it failed.
QString runTool(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Text as a reader sees it: exactly the characters printed, but spaces (the full-width
// one included) come back as the reader measures the gaps.
QString comparable(QString text) {
    static const QRegularExpression spaces(QStringLiteral("\\s"),
                                           QRegularExpression::UseUnicodePropertiesOption);
    text.remove(spaces);
    return text;
}

SeedRow receipt(int code, const char* dday, const char* kcode, const char* kname, qint64 uking,
                const char* biko) {
    return {{"CODE", code},
            {"HYMD", QString::fromLatin1(dday)},
            {"DDAY", QString::fromLatin1(dday)},
            {"KCODE", QString::fromLatin1(kcode)},
            {"KNAME", QString::fromUtf8(kname)},
            {"UKING", uking},
            {"BIKO", biko ? QVariant(QString::fromUtf8(biko)) : QVariant()}};
}

SeedRow payment(int code, const char* dday, const char* ycode, const char* yname, qint64 sking) {
    return {{"CODE", code},
            {"DDAY", QString::fromLatin1(dday)},
            {"YCODE", QString::fromLatin1(ycode)},
            {"YNAME", QString::fromUtf8(yname)},
            {"SKING", sking}};
}

// Receipts of November 2026 from three customers (one named with a quote), one receipt
// of October outside the range; payments in both databases, the working copy's differing.
class PrintRunnerTest : public DataModuleTest {
  protected:
    void SetUp() override {
        seedRows(dm1.database(), "HITRAN2",
                 {receipt(1, "26/11/05", "000002", "北星物流", 250000, "振込"),
                  receipt(2, "26/11/02", "000001", "丸山運送", 1234567, nullptr),
                  receipt(3, "26/10/31", "000001", "丸山運送", 999, "前月"),
                  receipt(4, "26/11/30", "000001", "丸山運送", -5000, "値引"),
                  receipt(5, "26/11/20", "000003", "O'Hara商事", 80000, "手形"),
                  receipt(6, "26/11/01", "000002", "北星物流", 0, nullptr)});
        seedRows(dm1.database(), "HITRAN3", {payment(1, "26/11/10", "100001", "本店の支払", 1)});
        seedRows(dm2.database(), "HITRAN3",
                 {payment(1, "26/11/10", "200001", "東和運輸", 30000),
                  payment(2, "26/10/31", "200002", "先月の運輸", 99999),
                  payment(3, "26/11/30", "200003", "南海陸送", 12000)});
        registerTestPrintouts(registry);
    }

    static PrintSelection november() {
        PrintSelection selection;
        selection.since = QStringLiteral("26/11/01");
        selection.until = QStringLiteral("26/11/30");
        selection.month = QStringLiteral("26/11");
        selection.sime = QStringLiteral("20");
        selection.from = QStringLiteral("000001");
        selection.to = QStringLiteral("999999");
        return selection;
    }

    PrintoutRegistry registry;
    PrintRunner runner{registry, {dm1, dm2}};
    QTemporaryDir out;
    FixedToday today{"2026-12-09"};
};

TEST_F(PrintRunnerTest, APrintoutAndItsContinuousTwinFromOneDefinitionMatchTheirReferences) {
    for (const QString& name :
         {QStringLiteral("QR_NyukinTest"), QStringLiteral("QR_NyukinTest2")}) {
        SCOPED_TRACE(name.toStdString());
        const QString path = out.filePath(name + QStringLiteral(".txt"));

        runner.writeText(name, november(), path);

        EXPECT_TRUE(matchesReference(readText(path), __FILE__, name + QStringLiteral(".txt")));
    }
}

TEST_F(PrintRunnerTest, APrintoutAndItsContinuousTwinGoToPdfOnTheirOwnPaper) {
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    const QString pdfinfo = QStandardPaths::findExecutable(QStringLiteral("pdfinfo"));
    if (pdftotext.isEmpty() || pdfinfo.isEmpty())
        GTEST_SKIP() << "pdftotext and pdfinfo (poppler-utils) are not installed";
    struct Case {
        const char* name;
        const char* pageSize;  // in points: A4, and 240 mm by 279.4 mm (11 inches)
    };
    for (const Case& c :
         {Case{"QR_NyukinTest", "595 x 842 pts"}, Case{"QR_NyukinTest2", "680 x 792 pts"}}) {
        SCOPED_TRACE(c.name);
        const QString path = out.filePath(QString::fromLatin1(c.name) + QStringLiteral(".pdf"));

        runner.writePdf(QString::fromLatin1(c.name), november(), path);

        const QString info = runTool(pdfinfo, {path});
        EXPECT_TRUE(info.contains(QString::fromLatin1(c.pageSize))) << info.toStdString();
        const QString text =
            comparable(runTool(pdftotext, {QStringLiteral("-layout"), path, QStringLiteral("-")}));
        for (const char* item :
             {"入金伝票一覧表", "26/11 20日締", "000001～999999", "金　　額", "000001 丸山運送",
              "1,234,567", "-5,000", "1,229,567", "O'Hara商事", "1,559,567"}) {
            EXPECT_TRUE(text.contains(comparable(QString::fromUtf8(item)))) << item << "\n"
                                                                            << text.toStdString();
        }
        EXPECT_FALSE(text.contains(QStringLiteral("前月")));
    }
}

TEST_F(PrintRunnerTest, TheSelectionNarrowsTheQueryWithItsValuesQuoted) {
    struct Case {
        const char* partner;
        QStringList codes;  // the CODE column of the detail lines, in order
    };
    for (const Case& c : {Case{"", {"2", "4", "6", "1", "5"}}, Case{"000002", {"6", "1"}},
                          // A quote in a value stays inside its literal: no rows, no error.
                          Case{"000003' OR '1' = '1", {}}}) {
        SCOPED_TRACE(c.partner);
        PrintSelection selection = november();
        selection.partner = QString::fromUtf8(c.partner);

        const PageModel model = runner.layOut(QStringLiteral("QR_NyukinTest"), selection);

        ASSERT_EQ(model.pages.size(), 1);
        QStringList codes;
        for (const PageText& text : model.pages[0].texts)
            if (text.rect.left() >= 180 && text.rect.top() > 26 && text.text != "コード")
                codes << text.text;
        EXPECT_EQ(codes, c.codes);
    }
}

TEST_F(PrintRunnerTest, TheCompanySwitchChoosesTheContinuousTwinAsAtStart) {
    struct Case {
        QVariant rptFlg;
        QSizeF pageSize;
    };
    for (const Case& c :
         {Case{QStringLiteral("1"), QSizeF(240, 279.4)},
          Case{QStringLiteral("0"), QSizeF(210, 297)}, Case{QStringLiteral("2"), QSizeF(210, 297)},
          Case{QVariant(), QSizeF(210, 297)}}) {
        SCOPED_TRACE(c.rptFlg.toString().toStdString());
        dm1.database().connection().execute(
            QStringLiteral("UPDATE COP_DAT SET RPT_FLG = :FLG WHERE CODE = '1'"),
            {{QStringLiteral("FLG"), c.rptFlg}});
        readReportLayoutSwitches(dm1, appState);

        const PageModel model =
            runner.layOut(chosenLayout(QStringLiteral("QR_NyukinTest"), appState), november());

        EXPECT_EQ(model.pageSetup.pageSize(), c.pageSize);
    }
}

TEST_F(PrintRunnerTest, APrintoutOfTheWorkingCopyReadsTheWorkingCopyWithBoundValues) {
    PrintSelection selection;
    selection.month = QStringLiteral("26/11");

    const PageModel model = runner.layOut(QStringLiteral("QR_HaraiTest"), selection);

    EXPECT_EQ(
        model.pages[0].textValues(),
        (QStringList{"支払伝票一覧表", "26/11", "傭車先", "傭車先名", "金　　額", "200001",
                     "東和運輸", "30,000", "200003", "南海陸送", "12,000", "件数", "2", "42,000"}));
}

// The own office's name is no selection of the user's: the runner hands it to the query
// and the layout from the program's state (line 2 of "VantirTenSet.ini").
TEST_F(PrintRunnerTest, TheOwnOfficeReachesTheQueryAndTheLayout) {
    appState.EditTen2 = QStringLiteral("本社営業所");
    QString queried;
    registry.add(
        {QStringLiteral("QR_Office"),
         PageSetup::a4(PageOrientation::Portrait, PageMargins::all(10)),
         {},
         {},
         [&queried](const PrintSources& sources, const PrintSelection& selection) -> Dataset& {
             queried = selection.office;
             QueryDataset& rows = sources.dm2.query(QStringLiteral("Q_HIT3R"));
             rows.open();
             return rows;
         },
         [](const PageSetup& paper, const PrintSelection& selection) {
             ReportDefinition report(QStringLiteral("QR_Office"), paper);
             report.setPageHeader(5).add(ReportElement::text(selection.office, 0, 0, 60, 5));
             return report;
         }});

    const PageModel model = runner.layOut(QStringLiteral("QR_Office"), PrintSelection{});

    EXPECT_EQ(queried, QStringLiteral("本社営業所"));
    EXPECT_TRUE(model.pages.first().textValues().contains(QStringLiteral("本社営業所")));
}

TEST_F(PrintRunnerTest, ThePreviewShowsThePrintoutsPages) {
    ReportPreview* preview = runner.preview(QStringLiteral("QR_NyukinTest2"), november());

    EXPECT_TRUE(preview->isVisible());
    EXPECT_EQ(preview->windowTitle(), QStringLiteral("入金伝票一覧表"));
    EXPECT_EQ(preview->pageCount(), 1);
    EXPECT_EQ(preview->pageModel().pageSetup.pageSize(), QSizeF(240, 279.4));
    delete preview;
}

TEST_F(PrintRunnerTest, ACommandLineRequestGoesToItsFile) {
    const QString text = out.filePath(QStringLiteral("list.txt"));
    const QString pdf = out.filePath(QStringLiteral("list.pdf"));
    const QStringList range{"--since", "26/11/01", "--until", "26/11/30", "--month", "26/11",
                            "--sime",  "20",       "--from",  "000001",   "--to",    "999999"};

    runner.run(PrintCommandLine::parse(
        registry, QStringList{"QR_NyukinTest2"} + range + QStringList{"--text", text}));
    runner.run(PrintCommandLine::parse(
        registry, QStringList{"QR_NyukinTest"} + range + QStringList{"--pdf", pdf}));

    EXPECT_EQ(readText(text),
              dumpPageModel(runner.layOut(QStringLiteral("QR_NyukinTest2"), november())));
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(5) == "%PDF-");
}

TEST_F(PrintRunnerTest, AFileThatCannotBeWrittenIsAnErrorAndLeavesNothing) {
    const QString path = out.filePath(QStringLiteral("no-such-folder/list.txt"));

    EXPECT_THROW(runner.writeText(QStringLiteral("QR_NyukinTest"), november(), path), PrintError);
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(PrintRunnerTest, AnUnknownPrintoutIsAnErrorNamingIt) {
    try {
        runner.layOut(QStringLiteral("QR_Nothing"), november());
        FAIL() << "no error";
    } catch (const PrintError& error) {
        EXPECT_EQ(error.message(), QStringLiteral("unknown printout QR_Nothing"));
    }
}

}  // namespace
}  // namespace vantir::test
