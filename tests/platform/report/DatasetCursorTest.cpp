#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "platform/dataset/TableDataset.h"
#include "platform/db/Connection.h"
#include "platform/db/Database.h"
#include "platform/report/DatasetCursor.h"
#include "platform/report/ReportDefinition.h"
#include "platform/report/ReportError.h"
#include "platform/report/ReportLayout.h"
#include "support/QtPrinters.h"

namespace vantir::test {
namespace {

class DatasetCursorTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Connection connection;
        connection.open(path, /*create=*/true);
        connection.execute(QStringLiteral(
            "CREATE TABLE HITRAN2 (CODE INT, KCODE VARCHAR(6), KNAME VARCHAR(40), UKING INT)"));
        connection.execute(QStringLiteral(
            "INSERT INTO HITRAN2 VALUES (3, '000002', '北星物流', 500), (1, '000001', '丸山運送', "
            "1000), (2, '000001', '丸山運送', NULL)"));
    }

    QList<QVariantList> readAll(ReportCursor& cursor) {
        QList<QVariantList> rows;
        while (std::optional<ReportRow> row = cursor.next()) rows.append(row->values());
        return rows;
    }

    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("VANTIR.mdb"));
    Database database{QStringLiteral("VANTIR"), path};
    TableDataset receipts{database, QStringLiteral("Table2"), QStringLiteral("HITRAN2"),
                          QStringLiteral("CODE")};
};

TEST_F(DatasetCursorTest, ReadsTheRowsInOrderUnderTheFilterWithoutMovingTheRecord) {
    receipts.open();
    receipts.last();
    DatasetCursor all(receipts);
    EXPECT_EQ(all.columns()->names(), (QStringList{"CODE", "KCODE", "KNAME", "UKING"}));
    EXPECT_EQ(readAll(all), (QList<QVariantList>{{qint64(1), "000001", "丸山運送", qint64(1000)},
                                                 {qint64(2), "000001", "丸山運送", QVariant()},
                                                 {qint64(3), "000002", "北星物流", qint64(500)}}));
    EXPECT_EQ(receipts.recNo(), 2);

    receipts.setFilter(QStringLiteral("KCODE = '000002'"));
    receipts.setFiltered(true);
    DatasetCursor filtered(receipts);
    EXPECT_EQ(readAll(filtered),
              (QList<QVariantList>{{qint64(3), "000002", "北星物流", qint64(500)}}));
}

TEST_F(DatasetCursorTest, FeedsAReport) {
    receipts.open();
    ReportDefinition report(QStringLiteral("入金伝票一覧表"),
                            PageSetup::a4(PageOrientation::Portrait, PageMargins::all(10)));
    report.addGroup(QStringLiteral("kcode"))
        .setFooter(5)
        .addSum(QStringLiteral("S"), QStringLiteral("uking"))
        .add(ReportElement::aggregate(QStringLiteral("S"), 0, 0, 30, 5)
                 .mask(QStringLiteral("#,##0")));
    DatasetCursor rows(receipts);

    const PageModel model = ReportLayout::run(report, rows);

    EXPECT_EQ(model.pages[0].textValues(), (QStringList{"1,000", "500"}));
}

TEST_F(DatasetCursorTest, AClosedDatasetIsAnError) {
    EXPECT_THROW(DatasetCursor{receipts}, ReportError);
}

}  // namespace
}  // namespace vantir::test
