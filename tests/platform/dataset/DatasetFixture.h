#pragma once

#include <gtest/gtest.h>

#include <QStringList>
#include <QTemporaryDir>
#include <string>

#include "platform/dataset/Dataset.h"
#include "platform/db/Connection.h"
#include "platform/db/Database.h"

namespace vantir::test {

// A temporary database file holding a slip table with a column of each kind the
// datasets check: text of a given CP932 width, int, small and float.
class DatasetFixture : public ::testing::Test {
  protected:
    DatasetFixture() {
        Connection creator;
        creator.open(path(), /*create=*/true);
        creator.close();
        // A scratch file need not survive a power cut: spare the tests the disk flushes.
        execute(QStringLiteral("PRAGMA synchronous = OFF"));
        execute(QStringLiteral(
            "CREATE TABLE HITRAN1 (HYMD VARCHAR(8), CODE VARCHAR(6), DDAY VARCHAR(8), "
            "KCODE VARCHAR(6), KNAME VARCHAR(30), UKING INT, SHOZEI SMALLINT, TKING FLOAT)"));
    }

    QString path() const { return dir.filePath(QStringLiteral("VANTIR.mdb")); }

    int execute(const QString& sql, const Params& params = {}) {
        return database.connection().execute(sql, params);
    }
    QVariant scalar(const QString& sql, const Params& params = {}) {
        return database.connection().scalar(sql, params);
    }

    void addSlip(const QString& hymd, const QString& code, const QString& kcode,
                 const QVariant& kname = {}, const QVariant& uking = {}) {
        execute(QStringLiteral("INSERT INTO HITRAN1 (HYMD, CODE, DDAY, KCODE, KNAME, UKING) "
                               "VALUES (:HYMD, :CODE, :HYMD, :KCODE, :KNAME, :UKING)"),
                {{QStringLiteral("HYMD"), hymd},
                 {QStringLiteral("CODE"), code},
                 {QStringLiteral("KCODE"), kcode},
                 {QStringLiteral("KNAME"), kname},
                 {QStringLiteral("UKING"), uking}});
    }

    // A column of every row in the dataset's order, NULL shown as "<NULL>".
    static QStringList columnOf(const Dataset& dataset, const QString& column) {
        QStringList values;
        const int field = dataset.fieldIndex(column);
        for (int row = 0; row < dataset.recordCount(); ++row) {
            const QVariant value = dataset.valueAt(row, field);
            values << (value.isNull() ? QStringLiteral("<NULL>") : value.toString());
        }
        return values;
    }

    QTemporaryDir dir;
    Database database{QStringLiteral("VANTIR"), path()};
};

// A case's text as test names can carry it: letters and digits, the rest as "_".
inline std::string caseName(const QString& text) {
    std::string name;
    for (const QChar c : text) {
        name += c.unicode() < 128 && c.isLetterOrNumber() ? char(c.unicode()) : '_';
    }
    return name;
}

// Every event of a dataset in the order it came, "fieldChanged:NAME" for a field.
class EventLog {
  public:
    explicit EventLog(Dataset& dataset) {
        const auto record = [this](const char* name) {
            return [this, name] { seen << QString::fromLatin1(name); };
        };
        dataset.afterOpen.connect(record("afterOpen"));
        dataset.afterClose.connect(record("afterClose"));
        dataset.afterScroll.connect(record("afterScroll"));
        dataset.afterInsert.connect(record("afterInsert"));
        dataset.afterEdit.connect(record("afterEdit"));
        dataset.afterPost.connect(record("afterPost"));
        dataset.afterCancel.connect(record("afterCancel"));
        dataset.afterDelete.connect(record("afterDelete"));
        dataset.stateChanged.connect(record("stateChanged"));
        dataset.rowsChanged.connect(record("rowsChanged"));
        dataset.fieldChanged.connect(
            [this](const QString& column) { seen << QStringLiteral("fieldChanged:") + column; });
    }
    // What came since the last call.
    QStringList take() { return std::exchange(seen, {}); }

    QStringList seen;
};

}  // namespace vantir::test
