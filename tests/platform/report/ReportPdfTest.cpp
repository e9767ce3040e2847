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

// Text as a reader sees it: some ideographs come back as their compatibility radicals
// (入 as ⼊) through the font's reverse mapping, and the widths of spaces vary.
QString comparable(const QString& text) {
    QString normalised = text.normalized(QString::NormalizationForm_KC);
    normalised.remove(QRegularExpression(QStringLiteral("\\s")));
    return normalised;
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

TEST(ReportPdfTest, AFileThatCannotBeWrittenIsAnErrorAndLeavesNothing) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("no-such-folder/一覧.pdf"));
    RowListCursor rows({QStringLiteral("KNAME"), QStringLiteral("HATTI"), QStringLiteral("UKING")});

    EXPECT_THROW(ReportPdf::write(japaneseInvoice(), rows, path), ReportError);
    EXPECT_FALSE(QFile::exists(path));
}

}  // namespace
}  // namespace vantir::test
