#include "monthly/rules/MainDatabasePush.h"

#include "platform/db/Connection.h"
#include "platform/db/TransactionGuard.h"

namespace vantir {

namespace {

const QString kWork = QStringLiteral("WORKCOPY");

}  // namespace

MainDatabasePush::MainDatabasePush(Connection& mainDatabase, const QString& workingCopyPath)
    : main_(mainDatabase) {
    main_.execute(QStringLiteral("ATTACH DATABASE :PATH AS ") + kWork,
                  {{QStringLiteral("PATH"), workingCopyPath}});
}

MainDatabasePush::~MainDatabasePush() {
    try {
        main_.execute(QStringLiteral("DETACH DATABASE ") + kWork);
    } catch (...) {
    }
}

void MainDatabasePush::push(const QString& table, const QStringList& columns,
                            const QString& orderBy) {
    replace(QStringLiteral("main.") + table, kWork + u'.' + table, columns, orderBy);
}

void MainDatabasePush::bringBack(const QString& table, const QStringList& columns,
                                 const QString& orderBy) {
    replace(kWork + u'.' + table, QStringLiteral("main.") + table, columns, orderBy);
}

void MainDatabasePush::replace(const QString& into, const QString& from,
                               const QStringList& columns, const QString& orderBy) {
    const QString list = columns.join(u',');
    TransactionGuard guard(main_);
    main_.execute(QStringLiteral("DELETE FROM ") + into);
    main_.execute(QStringLiteral("INSERT INTO %1 (%2) SELECT %2 FROM %3 ORDER BY %4")
                      .arg(into, list, from, orderBy));
    guard.commit();
}

}  // namespace vantir
