#include "data/WorkingCopy.h"

#include <QDir>

#include "data/DataModule1.h"
#include "data/DataModule2.h"
#include "platform/db/Connection.h"
#include "platform/db/DbError.h"

namespace vantir {

Result WorkingCopy::snapshot(Connection& mainDatabase, const QString& workingCopy) {
    try {
        mainDatabase.snapshotTo(workingCopy);
        return Result::success();
    } catch (const DbError& error) {
        return Result::failure(error.message());
    }
}

Result WorkingCopy::refresh(DataModule1& dm1, DataModule2& dm2) {
    Database& work = dm2.database();
    dm2.closeAll();
    // The copy replaces the file under the connection: it must be reopened to see it.
    work.disconnect();
    Result taken;
    try {
        taken = snapshot(dm1.database().connection(), work.path());
    } catch (const DbError& error) {  // the main database does not open
        taken = Result::failure(error.message());
    }
    // Whether the copy is new or the old one, the working copy's views open again.
    try {
        work.connection();
    } catch (const DbError& error) {
        if (taken) taken = Result::failure(error.message());
    }
    if (taken) return taken;
    return Result::failure(
        QStringLiteral("作業用データベースを最新の状態にできませんでした。\n%1\n%2")
            .arg(QDir::toNativeSeparators(work.path()), taken.message));
}

}  // namespace vantir
