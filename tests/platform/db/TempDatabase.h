#pragma once

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "platform/db/Connection.h"
#include "support/QtPrinters.h"

namespace vantir::test {

// A fresh database file in a temporary folder, open on `db`.
class TempDatabase : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        db.open(path());
    }
    QString path(const QString& name = QStringLiteral("VANTIR.mdb")) const {
        return dir.filePath(name);
    }
    // Runs each statement in turn (each given as its lines).
    void run(std::initializer_list<QStringList> statements) {
        for (const QStringList& lines : statements) db.execute(lines.join(QLatin1Char('\n')));
    }

    QTemporaryDir dir;
    Connection db;
};

}  // namespace vantir::test
