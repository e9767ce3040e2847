#pragma once

#include "maintenance/rules/OwnOfficeChoice.h"
#include "platform/ui/Screen.h"

class QLineEdit;

namespace vantir {

class DataModule1;
class DatasetGrid;

// The own-office screen "自営業所情報設定" (mode "TenSet"): which office of the office master
// this installation belongs to, kept in "VantirTenSet.ini". Clicking an office in the list
// shows its code and name; "&P 登録" writes them to the file, "&C 取消" shows the file's
// again. The running program keeps the office it read at start until the next start.
class OwnOfficeScreen : public Screen {
    Q_OBJECT

  public:
    // Reads the file and opens the office list Q_HIM1 (throws DbError); a file that cannot
    // be read is reported and the list stays closed.
    OwnOfficeScreen(const QString& programDir, DataModule1& dm1, Messages& messages,
                    QWidget* parent = nullptr);

  private:
    void showChoice();

    OwnOfficeChoice& choice_;
    QLineEdit* code_ = nullptr;
    QLineEdit* name_ = nullptr;
    DatasetGrid* list_ = nullptr;
};

}  // namespace vantir
