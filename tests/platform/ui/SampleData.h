#pragma once

#include <QStringList>

#include "platform/dataset/QueryDataset.h"
#include "platform/dataset/TableDataset.h"
#include "platform/db/Database.h"
#include "support/TestProgramDir.h"

namespace vantir::test {

// The data of the sample screen: a small table of its own beside the fresh database's
// billing-kind code list (FLG_DATA group 3) and staff master, with the views a data
// module would hold. The views outlive the screens, as the data modules do.
struct SampleData {
    SampleData();

    // Runs statements on the database the views read.
    void execute(const QStringList& statements);
    // The number of rows a statement counts (checked without the views).
    qint64 count(const QString& sql);

    TestProgramDir dir;
    Database database{QStringLiteral("VANTIR"), dir.mainDatabase()};
    TableDataset sample{database, QStringLiteral("SAMPLE"), QStringLiteral("SAMPLE"),
                        QStringLiteral("CODE")};
    QueryDataset kinds{
        database,
        QStringLiteral("f_SeikyuK"),
        {QStringLiteral("SELECT FDATA,FNAME FROM FLG_DATA WHERE GCODE = 3 ORDER BY FCODE")}};
    TableDataset staff{database, QStringLiteral("HIMAS2"), QStringLiteral("HIMAS2"),
                       QStringLiteral("TANCOD")};
};

}  // namespace vantir::test
