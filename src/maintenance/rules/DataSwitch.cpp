#include "maintenance/rules/DataSwitch.h"

#include <QDir>
#include <QFileInfo>

#include "data/AppState.h"
#include "data/DataModule1.h"
#include "data/DataModule2.h"
#include "data/DatabaseFiles.h"
#include "data/WorkingCopy.h"
#include "maintenance/rules/DataSourceRegistration.h"
#include "platform/db/Connection.h"
#include "platform/db/DbError.h"
#include "platform/system/Registry.h"

namespace vantir {

DataSwitch::DataSwitch(QString programDir, DataModule1& dm1, DataModule2& dm2, AppState& state)
    : programDir_(std::move(programDir)), dm1_(dm1), dm2_(dm2), state_(state) {}

QStringList DataSwitch::dataSourceNames(const Registry& registry) {
    return registry.valueNames(DataSourceRegistration::kDataSourcesKey);
}

Result DataSwitch::switchTo(const QString& dataSourceName, const QString& chosenFile) {
    for (DataModule* module : {static_cast<DataModule*>(&dm1_), static_cast<DataModule*>(&dm2_)}) {
        module->closeAll();
        module->database().disconnect();
    }
    state_.EditS1 = dataSourceName;

    Result switched;
    if (!chosenFile.isEmpty()) {
        const QString fileName = QFileInfo(chosenFile).fileName();
        for (const QString& folder : {DatabaseFiles::folder(programDir_), programDir_}) {
            const Result copied = copyIntoPlace(folder, fileName);
            if (!copied && switched) switched = copied;
        }
    }

    for (DataModule* module : {static_cast<DataModule*>(&dm1_), static_cast<DataModule*>(&dm2_)}) {
        try {
            module->database().connection();
        } catch (const DbError& error) {
            if (switched) switched = Result::failure(error.message());
        }
    }
    return switched;
}

Result DataSwitch::copyIntoPlace(const QString& folder, const QString& fileName) {
    const QString source = QDir(folder).filePath(fileName);
    const QString workingCopy = QDir(folder).filePath(QStringLiteral("VANTIRX.mdb"));
    if (!QFileInfo(source).isFile()) return Result::success();
    // The working copy itself chosen: it already is in place.
    if (QFileInfo(source).absoluteFilePath() == QFileInfo(workingCopy).absoluteFilePath())
        return Result::success();
    Result copied;
    try {
        Connection chosen;
        chosen.open(source, /*create=*/false);
        copied = WorkingCopy::snapshot(chosen, workingCopy);
    } catch (const DbError& error) {
        copied = Result::failure(error.message());
    }
    if (!copied) {
        return Result::failure(QStringLiteral("データを切り替えられませんでした。\n%1\n%2")
                                   .arg(QDir::toNativeSeparators(source), copied.message));
    }
    state_.WorkingCopyIsArchive = true;
    return copied;
}

}  // namespace vantir
