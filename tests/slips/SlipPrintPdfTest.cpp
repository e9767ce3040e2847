#include <gtest/gtest.h>

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "SlipPrintFixture.h"

namespace vantir::test {
namespace {

QString runTool(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Exactly the characters printed; spaces come back as the reader measures the gaps.
QString withoutSpaces(QString text) {
    static const QRegularExpression spaces(QStringLiteral("\\s"),
                                           QRegularExpression::UseUnicodePropertiesOption);
    return text.remove(spaces);
}

using SlipPrintPdfTest = SlipPrintFixture;

TEST_F(SlipPrintPdfTest, ThePdfEmbedsItsFontsAndReadsBackAsPrinted) {
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    const QString pdffonts = QStandardPaths::findExecutable(QStringLiteral("pdffonts"));
    if (pdftotext.isEmpty() || pdffonts.isEmpty())
        GTEST_SKIP() << "pdftotext and pdffonts (poppler-utils) are not installed";
    struct Case {
        const char* printout;
        QStringList texts;
    };
    for (const Case& c :
         {Case{"QR_Jyuryo",
               {"**  受  領  書  **", "No  9", "入江運送  御中", "月　 日", "03/05/31", "西宮市",
                "ﾖｺﾊﾏ港", "車　番", "1234", "適　用", "未回収", "ヴァンティル運輸株式会社",
                "本社営業所", "No  100", "空の受領日"}},
          Case{"QR_Vantir2",
               {"配車入力確認表", "03/05/31", "配車日", "000001 入江運送", "1,234,567",
                "100001 北星物流", "1,000,000", "件数", "1,038,000"}}}) {
        SCOPED_TRACE(c.printout);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("slips.pdf"));

        runner.writePdf(QString::fromLatin1(c.printout), day("03/05/31", "配車日"), path);

        const QString text = withoutSpaces(runTool(pdftotext, {path, QStringLiteral("-")}));
        for (const QString& item : c.texts)
            EXPECT_TRUE(text.contains(withoutSpaces(item))) << item.toStdString();
        // name, type, encoding, then "emb sub uni": every font embedded, with its map.
        const QStringList fonts =
            runTool(pdffonts, {path}).split(QLatin1Char('\n'), Qt::SkipEmptyParts).mid(2);
        ASSERT_FALSE(fonts.isEmpty());
        for (const QString& font : fonts)
            EXPECT_TRUE(font.contains(QRegularExpression(QStringLiteral("CJKjp.* yes +no +yes "))))
                << font.toStdString();
    }
}

}  // namespace
}  // namespace vantir::test
