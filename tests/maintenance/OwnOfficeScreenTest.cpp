#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "maintenance/screens/OwnOfficeScreen.h"
#include "platform/dataset/QueryDataset.h"
#include "platform/text/Cp932.h"
#include "platform/ui/DatasetGrid.h"
#include "support/ShownScreenTest.h"

namespace vantir::test {
namespace {

QByteArray sjisLines(const QString& code, const QString& name) {
    return cp932::encode(code + "\r\n" + name + "\r\n");
}

class OwnOfficeScreenTest : public ShownScreenTest {
  protected:
    void SetUp() override {
        seedRows(dm1.database(), "HIMAS1",
                 {{{"TENCOD", "01"}, {"TENMEI", "本社"}},
                  {{"TENCOD", "0'"}, {"TENMEI", "仮'営業所"}},
                  {{"TENCOD", "02"}, {"TENMEI", "大阪営業所"}}});
        writeFile(sjisLines("01", "本社"));
    }
    void writeFile(const QByteArray& bytes) {
        QFile file(dir.filePath("VantirTenSet.ini"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray fileBytes() {
        QFile file(dir.filePath("VantirTenSet.ini"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    void open() { show(std::make_unique<OwnOfficeScreen>(dir.path(), dm1, messages)); }
    // A click on the office list's row, as the user picks an office.
    void clickOffice(int row) {
        auto* list = widget<DatasetGrid>("DBGrid1");
        const QModelIndex index = list->model()->index(row, 1);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(index).center());
    }
    QString shown() const {
        return widget<QLineEdit>("EditTENCOD")->text() + "/" +
               widget<QLineEdit>("EditTENMEI")->text();
    }
};

TEST_F(OwnOfficeScreenTest, ShowsTheFileAndTheOfficesInCodeOrder) {
    open();
    EXPECT_EQ(screen->windowTitle(), "自営業所情報設定");
    EXPECT_EQ(shown(), "01/本社");
    const QAbstractItemModel* list = widget<DatasetGrid>("DBGrid1")->model();
    EXPECT_EQ(list->headerData(0, Qt::Horizontal).toString(), "ｺｰﾄﾞ");
    EXPECT_EQ(list->headerData(1, Qt::Horizontal).toString(), "店所名");
    ASSERT_EQ(list->rowCount(), 3);
    EXPECT_EQ(list->index(0, 0).data().toString(), "0'");
    EXPECT_EQ(list->index(2, 1).data().toString(), "大阪営業所");
    EXPECT_TRUE(widget<QLineEdit>("EditTENCOD")->isReadOnly());
}

TEST_F(OwnOfficeScreenTest, AChoiceIsWrittenOnlyByRegistering) {
    open();
    clickOffice(2);
    EXPECT_EQ(shown(), "02/大阪営業所");
    widget<QPushButton>("btnCancel")->click();
    EXPECT_EQ(shown(), "01/本社");
    EXPECT_EQ(fileBytes(), sjisLines("01", "本社"));

    clickOffice(0);  // a code with a quote is looked up as it is
    EXPECT_EQ(shown(), "0'/仮'営業所");
    widget<QPushButton>("btnSet")->click();
    EXPECT_EQ(fileBytes(), sjisLines("0'", "仮'営業所"));

    clickOffice(2);
    widget<QPushButton>("btnClose")->click();
    EXPECT_EQ(fileBytes(), sjisLines("0'", "仮'営業所"));
    EXPECT_FALSE(dm1.query("Q_HIM1").isOpen());
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.shown.join('\n').toStdString();
}

TEST_F(OwnOfficeScreenTest, AFileThatCannotBeReadIsReportedAndTheListStaysClosed) {
    QFile::remove(dir.filePath("VantirTenSet.ini"));
    open();
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown[0].startsWith("error:")) << messages.shown[0].toStdString();
    EXPECT_TRUE(messages.shown[0].contains("VantirTenSet.ini"));
    EXPECT_FALSE(dm1.query("Q_HIM1").isOpen());
    EXPECT_EQ(shown(), "/");
}

TEST_F(OwnOfficeScreenTest, AFileThatCannotBeWrittenIsReported) {
    open();
    clickOffice(2);
    // A folder in the file's place: the file cannot be replaced.
    QFile::remove(dir.filePath("VantirTenSet.ini"));
    ASSERT_TRUE(QDir(dir.path()).mkdir("VantirTenSet.ini"));
    widget<QPushButton>("btnSet")->click();
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown[0].startsWith("error:")) << messages.shown[0].toStdString();
}

}  // namespace
}  // namespace vantir::test
