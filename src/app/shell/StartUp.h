#pragma once

#include <QString>
#include <memory>

#include "maintenance/rules/OfficeSettingsFile.h"
#include "platform/system/RegionalFormats.h"

class QLockFile;

namespace vantir {

class Connection;
class Database;
class Messages;
class Registry;

// Everything the program does before its main window shows, and the one thing it does
// after the window closes. Plain C++ so that a start can be tested without a window.
//
// The order: refuse a second instance on the same program directory; find the main
// database (DataBase/VANTIR.mdb, else the older place VANTIR.mdb in the program
// directory, else a fresh one in DataBase) and make sure it opens before anything is
// touched; force the regional formats; register the data source VANTIRX when its working
// copy is missing; upgrade the main database; refresh the working copy beside each main
// database from a consistent snapshot; read the own office from "VantirTenSet.ini".
class StartUp {
  public:
    StartUp(QString programDir, Registry& registry, Messages& messages);
    ~StartUp();
    StartUp(const StartUp&) = delete;
    StartUp& operator=(const StartUp&) = delete;

    // false when the program must end; the reason has been shown and, unless it was a
    // lost race for the program directory, no file has been touched.
    bool run();
    // The close step: the regional formats go back to what they were at start.
    void shutDown();

    const QString& programDir() const { return programDir_; }
    // The main database and its working copy as found at start.
    const QString& mainDatabasePath() const { return mainDatabase_; }
    const QString& workingCopyPath() const { return workingCopy_; }
    // The own office (EditTen, EditTen2); empty when the file had to be made anew.
    const OfficeSettings& office() const { return office_; }
    // false when the upgrade stopped with an error: the show step then stops after it.
    bool upgradeCompleted() const { return upgradeCompleted_; }

    // The data source of the working copy as the registry knows it.
    static const QString kDataSourcesKey;  // "\Software\ODBC\ODBC.INI\ODBC Data Sources"
    static const QString kWorkingCopyKey;  // "\Software\ODBC\ODBC.INI\VANTIRX"
    static const QString kJetEngineKey;    // kWorkingCopyKey + "\Engines\Jet"

  private:
    bool lockProgramDirectory();
    bool findMainDatabase();
    bool openMainDatabase(Database& database);
    void registerWorkingCopy();
    bool refreshWorkingCopy(Connection& mainDatabase, const QString& workingCopy);
    void refreshOlderWorkingCopy();
    void readOfficeSettings();

    QString programDir_;
    Registry& registry_;
    Messages& messages_;
    RegionalFormats regionalFormats_;
    std::unique_ptr<QLockFile> lock_;
    QString mainDatabase_;
    QString workingCopy_;
    OfficeSettings office_;
    bool upgradeCompleted_ = false;
};

}  // namespace vantir
