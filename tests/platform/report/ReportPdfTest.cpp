#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "platform/report/ReportDefinition.h"
#include "platform/report/ReportError.h"
#include "platform/report/ReportPdf.h"
#include "platform/report/RowListCursor.h"
#include "support/QtPrinters.h"

namespace vantir::test {
namespace {

// Runs a poppler tool on a file and returns what it printed; empty when it failed.
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

ReportDefinition japaneseInvoice() {
    ReportDefinition report(QStringLiteral("請求書印刷"),
                            PageSetup::a4(PageOrientation::Portrait, PageMargins::all(10)));
    report.setPageHeader(20)
        .add(ReportElement::text(QStringLiteral("御  請  求  書"), 50, 0, 90, 10)
                 .align(Qt::AlignHCenter)
                 .font(ReportFont::mincho(18))
                 .bold())
        .add(ReportElement::pageNumber(150, 0, 40, 5, QStringLiteral("%1 / %2 頁"))
                 .align(Qt::AlignRight));
    report.setDetail(120)
        .add(ReportElement::expression(
            [](const ReportContext& r) { return QVariant(r.text("KNAME") + "  御中"); }, 0, 0, 90,
            8))
        .add(ReportElement::column(QStringLiteral("HATTI"), 0, 10, 60, 6))
        .add(ReportElement::column(QStringLiteral("UKING"), 100, 10, 40, 6).amount());
    return report;
}

TEST(ReportPdfTest, JapaneseTextIsEmbeddedAndReadsBack) {
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty()) GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("請求書.pdf"));
    RowListCursor rows({QStringLiteral("KNAME"), QStringLiteral("HATTI"), QStringLiteral("UKING")});
    rows.addRow(
            {QStringLiteral("丸山運送株式会社"), QStringLiteral("東京都江東区"), qint64(1234567)})
        .addRow({QStringLiteral("北星物流"), QStringLiteral("ﾖｺﾊﾏ港"), qint64(-5000)})
        .addRow({QStringLiteral("入金伝票一覧"), QStringLiteral("大阪"), qint64(0)});

    ReportPdf::write(japaneseInvoice(), rows, path);

    const QString text = runTool(pdftotext, {QStringLiteral("-layout"), path, QStringLiteral("-")});
    const QStringList pages = text.split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    ASSERT_EQ(pages.size(), 2) << text.toStdString();
    const QList<QStringList> expected{
        {"御 請 求 書", "1 / 2 頁", "丸山運送株式会社 御中", "東京都江東区", "1,234,567",
         "北星物流 御中", "ﾖｺﾊﾏ港", "-5,000"},
        {"入金伝票一覧 御中", "2 / 2 頁"}};
    for (int page = 0; page < 2; ++page) {
        for (const QString& item : expected[page]) {
            EXPECT_TRUE(comparable(pages[page]).contains(comparable(item)))
                << item.toStdString() << "\n"
                << pages[page].toStdString();
        }
    }

    const QString pdffonts = QStandardPaths::findExecutable(QStringLiteral("pdffonts"));
    if (pdffonts.isEmpty()) return;
    // name, type, encoding, then "emb sub uni" columns: every font embedded.
    const QStringList fonts =
        runTool(pdffonts, {path}).split(QLatin1Char('\n'), Qt::SkipEmptyParts).mid(2);
    ASSERT_FALSE(fonts.isEmpty());
    for (const QString& font : fonts) {
        EXPECT_TRUE(font.contains(QStringLiteral("CJKjp"))) << font.toStdString();
        EXPECT_TRUE(font.contains(QStringLiteral(" yes "))) << font.toStdString();
    }
}

// Texts a reader must get back character for character: ideographs whose glyph the font
// shares with a radical, digits after letters, half-width katakana, full-width punctuation.
TEST(ReportPdfTest, EveryCharacterPrintedReadsBackExactly) {
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty()) GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    const QStringList texts{QStringLiteral("No  9"),
                            QStringLiteral("No  123 AB12 x7"),
                            QStringLiteral("入金 車番 西宮"),
                            QStringLiteral("ﾖｺﾊﾏ港 ﾊﾞｽ ｶﾞｲﾄﾞ"),
                            QStringLiteral("（株）丸山：「運送」、№１２・〒１００－０００１。～"),
                            QStringLiteral("月　 日")};
    ReportDefinition report(QStringLiteral("読み返し"),
                            PageSetup::a4(PageOrientation::Portrait, PageMargins::all(10)));
    report.setDetail(8).add(ReportElement::column(QStringLiteral("TEXT"), 0, 0, 190, 8));
    report.setSummary(8).add(ReportElement::text(QStringLiteral("No  9"), 0, 0, 40, 8)
                                 .bold()
                                 .font(ReportFont::mincho(12)));
    RowListCursor rows({QStringLiteral("TEXT")});
    for (const QString& text : texts) rows.addRow({text});
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("読み返し.pdf"));

    ReportPdf::write(report, rows, path);

    // Every character in the order printed; only the spaces are the reader's own.
    EXPECT_EQ(comparable(runTool(pdftotext, {path, QStringLiteral("-")})),
              comparable(texts.join(QString()) + QStringLiteral("No  9")));
}

TEST(ReportPdfTest, AFileThatCannotBeWrittenIsAnErrorAndLeavesNothing) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("no-such-folder/一覧.pdf"));
    RowListCursor rows({QStringLiteral("KNAME"), QStringLiteral("HATTI"), QStringLiteral("UKING")});

    EXPECT_THROW(ReportPdf::write(japaneseInvoice(), rows, path), ReportError);
    EXPECT_FALSE(QFile::exists(path));
}

}  // namespace
}  // namespace vantir::test
