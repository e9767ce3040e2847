#pragma once

#include "maintenance/screens/FileChooser.h"
#include "platform/system/Registry.h"
#include "platform/ui/Screen.h"

class QGroupBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace vantir {

class DataModule1;
class DataModule2;
class DataSwitch;
struct AppState;

// The data switch screen "データ切替", made at start and kept for the run. "設定" shows the
// settings panel with the configured data sources, "情報取得" lists them again; a click on
// one puts its name into the name field. "データ変更" asks for a file of the DataBase
// folder, puts it in place of the working copy until the next start and closes the screen.
// The panel's "スタンドアローン" / "ＬＡＮで共有する" choice is shown and not used yet.
class DataSwitchScreen : public Screen {
    Q_OBJECT

  public:
    // The data sources are read from the registry file at registryPath.
    DataSwitchScreen(const QString& programDir, DataModule1& dm1, DataModule2& dm2,
                     AppState& state, const QString& registryPath, Messages& messages,
                     QWidget* parent = nullptr);

    void setFileChooser(FileChooser chooser) { chooseFile_ = std::move(chooser); }

  private:
    void listDataSources();
    void changeData();

    QString programDir_;
    DataSwitch& rules_;
    Registry registry_;
    FileChooser chooseFile_;
    QGroupBox* panel_ = nullptr;
    QListWidget* dataSources_ = nullptr;
    QLineEdit* name_ = nullptr;
    QPushButton* change_ = nullptr;
};

}  // namespace vantir
