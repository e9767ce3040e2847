#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>

#include "maintenance/rules/Compaction.h"
#include "platform/db/Database.h"
#include "support/Seed.h"
#include "support/TestProgramDir.h"

namespace vantir::test {
namespace {

TEST(CompactionTest, KeepsTheFileItsNameAndItsContentAndGivesBackTheRoom) {
    TestProgramDir dir;
    {
        Database main(QStringLiteral("VANTIR"), dir.mainDatabase());
        QList<SeedRow> rows;
        for (int i = 0; i < 2000; ++i)
            rows << SeedRow{{"CODE", QString::number(i)}, {"KNAME", QString(30, QChar(u'運'))}};
        main.connection().begin();
        seedRows(main, "HITRAN1", rows);
        main.connection().commit();
        main.connection().execute("DELETE FROM HITRAN1 WHERE CODE <> '7'");
    }
    const qint64 before = QFileInfo(dir.mainDatabase()).size();

    Compaction compaction;
    ASSERT_TRUE(compaction.choose(dir.mainDatabase()));
    const Result compacted = compaction.compact();
    ASSERT_TRUE(compacted) << compacted.message.toStdString();

    EXPECT_LT(QFileInfo(dir.mainDatabase()).size(), before);
    Database main(QStringLiteral("VANTIR"), dir.mainDatabase());
    EXPECT_EQ(rowsOf(main.connection(), "SELECT CODE, KNAME FROM HITRAN1"),
              QStringList{"7|" + QString(30, QChar(u'運'))});
    EXPECT_TRUE(main.connection().tableExists("HIMAS3"));
}

TEST(CompactionTest, AFileThatIsNoDatabaseIsRefusedAndLeftAlone) {
    TestProgramDir dir(TestProgramDir::Content::Empty);
    const QString foreign = dir.filePath("売上.xls");
    const QByteArray content(8192, 'x');
    {
        QFile file(foreign);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    Compaction compaction;
    const Result chosen = compaction.choose(foreign);
    EXPECT_FALSE(chosen);
    EXPECT_TRUE(chosen.message.contains("not a database")) << chosen.message.toStdString();
    EXPECT_FALSE(compaction.compact());
    QFile file(foreign);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), content);
}

TEST(CompactionTest, CompactingBeforeChoosingAFileIsAnError) {
    Compaction compaction;
    const Result compacted = compaction.compact();
    EXPECT_FALSE(compacted);
    EXPECT_FALSE(compacted.message.isEmpty());
}

}  // namespace
}  // namespace vantir::test
