#pragma once

#include "platform/ui/Screen.h"

class QCheckBox;
class QDateEdit;

namespace vantir {

class Database;
class Initialization;

// The initialization screen "初期化処理" (mode "Delete", behind the password dialog): one
// button per table empties it after a question, slip and ledger tables only up to the
// picked date when "日付指定有効" is ticked; "予備" adds the tax columns to the slip-layout
// tables of an older database. The first deletion keeps a copy of the database first.
class InitializationScreen : public Screen {
    Q_OBJECT

  public:
    InitializationScreen(Database& mainDatabase, Messages& messages, QWidget* parent = nullptr);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    Initialization& initialization_;
    QDateEdit* date_ = nullptr;
    QCheckBox* useDate_ = nullptr;
};

}  // namespace vantir
