#pragma once

#include "platform/system/Registry.h"
#include "platform/ui/Screen.h"

class QComboBox;

namespace vantir {

class Database;
class YearEndPurge;

// The year-end purge dialog "年度データ処理" (mode "NenDel"): a year and a month, and
// "&R 実行" archiving the year on request and deleting every slip, ledger line and monthly
// row up to and including that month.
class YearEndPurgeDialog : public Screen {
    Q_OBJECT

  public:
    YearEndPurgeDialog(const QString& programDir, Database& mainDatabase,
                       const QString& registryPath, Messages& messages, QWidget* parent = nullptr);

  private:
    Registry registry_;
    YearEndPurge& purge_;
    QComboBox* year_ = nullptr;
    QComboBox* month_ = nullptr;
};

}  // namespace vantir
