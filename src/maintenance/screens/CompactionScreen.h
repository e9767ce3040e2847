#pragma once

#include "maintenance/screens/FileChooser.h"
#include "platform/ui/Screen.h"

class QPushButton;

namespace vantir {

class Compaction;

// The compaction screen ("ＤＢの最適化"), made at start and kept for the run: "DB 選択"
// chooses a database file and holds it open, "最適化" compacts it. Failures are shown with
// the engine's message; success shows nothing.
class CompactionScreen : public Screen {
    Q_OBJECT

  public:
    CompactionScreen(const QString& programDir, Messages& messages, QWidget* parent = nullptr);

    void setFileChooser(FileChooser chooser) { chooseFile_ = std::move(chooser); }

  private:
    void chooseDatabase();

    Compaction& compaction_;
    QString programDir_;
    FileChooser chooseFile_;
    QPushButton* select_ = nullptr;
};

}  // namespace vantir
