#pragma once

#include <QString>
#include <QStringList>

#include "platform/dataset/Result.h"

namespace vantir {

class DataModule1;
class DataModule2;
class Registry;
struct AppState;

// The data switch: another database file of the DataBase folder (typically a year archive)
// takes the place of the working copy, so that the monthly run and the month-based reports
// work on it until the next start takes a fresh working copy. The main database is never
// replaced.
class DataSwitch {
  public:
    DataSwitch(QString programDir, DataModule1& dm1, DataModule2& dm2, AppState& state);

    // The configured data source names, as the settings panel lists them.
    static QStringList dataSourceNames(const Registry& registry);

    // "データ変更" after the file dialog: both data modules are closed and disconnected
    // (the working copy is replaced under nothing that holds it open), the data source
    // name goes to EditS1, and the chosen file's name is looked up in the DataBase folder
    // and in the program directory; each place holding it gets a consistent copy of it as
    // its working copy. An empty file name (dialog cancelled) copies nothing. Both modules
    // are connected again in every case. A file that is no database is refused with the
    // engine's message and the working copy stays as it was.
    Result switchTo(const QString& dataSourceName, const QString& chosenFile);

  private:
    Result copyIntoPlace(const QString& folder, const QString& fileName);

    QString programDir_;
    DataModule1& dm1_;
    DataModule2& dm2_;
    AppState& state_;
};

}  // namespace vantir
