#include <gtest/gtest.h>

#include <QFile>
#include <QLabel>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QTemporaryDir>

#include "platform/report/ReportDefinition.h"
#include "platform/report/ReportLayout.h"
#include "platform/report/ReportPreview.h"
#include "platform/report/RowListCursor.h"
#include "support/QtPrinters.h"

namespace vantir::test {
namespace {

// A three-page list: one row of 100 mm per page on A4 landscape.
PageModel threePages() {
    ReportDefinition report(
        QStringLiteral("配車入力確認表"),
        PageSetup::a4(PageOrientation::Landscape, {.top = 6, .bottom = 10, .left = 8, .right = 8}));
    report.setDetail(100).add(ReportElement::column(QStringLiteral("CODE"), 0, 0, 50, 5));
    RowListCursor rows({QStringLiteral("CODE")});
    rows.addRow({QStringLiteral("一")})
        .addRow({QStringLiteral("二")})
        .addRow({QStringLiteral("三")});
    return ReportLayout::run(report, rows);
}

class ReportPreviewTest : public ::testing::Test {
  protected:
    void click(const char* name) {
        QPushButton* button = preview.findChild<QPushButton*>(QLatin1String(name));
        ASSERT_NE(button, nullptr) << name;
        button->click();
    }
    QString pageLabel() const {
        return preview.findChild<QLabel*>(QStringLiteral("lblPage"))->text();
    }

    ReportPreview preview{threePages()};
};

TEST_F(ReportPreviewTest, ShowsThePagesAndMovesBetweenThem) {
    preview.show();
    const auto* view = preview.findChild<QPrintPreviewWidget*>(QStringLiteral("PreviewView"));
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->pageCount(), 3);
    EXPECT_EQ(preview.windowTitle(), QStringLiteral("配車入力確認表"));

    struct Step {
        const char* button;
        int page;
    };
    for (const Step& step : {Step{"btnPrior", 1}, Step{"btnNext", 2}, Step{"btnLast", 3},
                             Step{"btnNext", 3}, Step{"btnPrior", 2}, Step{"btnFirst", 1}}) {
        click(step.button);
        EXPECT_EQ(preview.currentPage(), step.page) << step.button;
        EXPECT_EQ(pageLabel(), QStringLiteral("%1 / 3").arg(step.page));
    }
}

TEST_F(ReportPreviewTest, ZoomsInAndOut) {
    preview.show();
    auto* view = preview.findChild<QPrintPreviewWidget*>(QStringLiteral("PreviewView"));
    const qreal fitted = view->zoomFactor();
    click("btnZoomIn");
    EXPECT_GT(view->zoomFactor(), fitted);
    click("btnZoomOut");
    click("btnZoomOut");
    EXPECT_LT(view->zoomFactor(), fitted);
    click("btnFit");
    EXPECT_EQ(view->zoomMode(), QPrintPreviewWidget::FitToWidth);
}

TEST_F(ReportPreviewTest, PdfSaveWritesTheDocumentWhereTheUserChose) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("配車入力確認表.pdf"));
    QString suggested;
    preview.setPdfPathChooser([&](const QString& proposal) {
        suggested = proposal;
        return path;
    });

    click("btnPdf");

    EXPECT_TRUE(suggested.endsWith(QStringLiteral("配車入力確認表.pdf")));
    QFile pdf(path);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5) == "%PDF-");
}

TEST_F(ReportPreviewTest, PdfSaveGivenUpWritesNothing) {
    QTemporaryDir dir;
    preview.setPdfPathChooser([](const QString&) { return QString(); });

    click("btnPdf");

    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

}  // namespace
}  // namespace vantir::test
